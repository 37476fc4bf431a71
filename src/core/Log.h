#pragma once

#include <string_view>

// Failures of tools and platform calls are reported as one line on standard output: a fixed
// prefix such as "Failed to get gateway: " followed by the error's description.
void logFailure(std::string_view prefix, std::string_view description);
