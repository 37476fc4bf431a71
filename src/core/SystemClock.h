#pragma once

#include "platform/Clock.h"

// The machine's own clocks.
class SystemClock final : public Clock {
public:
    TimePoint now() const override { return std::chrono::system_clock::now(); }
};
