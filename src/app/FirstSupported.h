#pragma once

#include "core/Log.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// One way of doing a job, among others that can stand in for it.
template <typename T> struct Backend {
    // Why this way cannot serve here; nothing when it can.
    std::function<std::optional<std::string>()> refusal;
    std::function<T&()> make;
    // Said, with the refusal, when a later way is used instead; nothing to say when empty.
    const char* fallbackLine = "";
};

// The first of `backends` that can serve here, made; the last one must always be able to.
template <typename T> T& firstSupported(const std::vector<Backend<T>>& backends) {
    for (std::size_t i = 0; i + 1 < backends.size(); ++i) {
        const Backend<T>& backend = backends[i];
        const std::optional<std::string> refusal = backend.refusal ? backend.refusal() : std::nullopt;
        if (!refusal)
            return backend.make();
        if (*backend.fallbackLine)
            logFailure(backend.fallbackLine, *refusal);
    }
    return backends.back().make();
}
