#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// Appends `sample` and drops the oldest entries beyond the newest `limit`.
template <typename T> void appendBounded(std::vector<T>& history, T sample, std::size_t limit) {
    history.push_back(std::move(sample));
    if (history.size() > limit)
        history.erase(history.begin(), history.end() - static_cast<std::ptrdiff_t>(limit));
}
