#include "platform/Log.h"

#include <cstdio>
#include <mutex>

void logFailure(std::string_view prefix, std::string_view description) {
    // Worker threads report too; keep each line whole.
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    std::fwrite(prefix.data(), 1, prefix.size(), stdout);
    std::fwrite(description.data(), 1, description.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
