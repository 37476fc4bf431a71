#pragma once

#include <chrono>

// A moment in wall-clock time, as values carry it.
using TimePoint = std::chrono::system_clock::time_point;
