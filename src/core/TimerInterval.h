#pragma once

#include <chrono>

// The period of a timer from a number of seconds that may come from a hand-edited preferences file.
// A value that is not a positive finite number gives `fallbackSeconds`, so a damaged file cannot turn
// a loop into one that runs without pause; a value longer than a timer can hold gives the longest it
// can.
std::chrono::milliseconds timerInterval(double seconds, double fallbackSeconds);
