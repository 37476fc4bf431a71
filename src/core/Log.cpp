#include "core/Log.h"

#include <cstdio>
#include <mutex>

void logFailure(std::string_view prefix, std::string_view description) {
    // Worker threads report too; keep each line whole.
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    // fwrite must not be handed the null data of an empty view.
    for (const std::string_view part : {prefix, description})
        if (!part.empty())
            std::fwrite(part.data(), 1, part.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
