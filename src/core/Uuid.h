#pragma once

#include <string>

// A fresh random RFC 4122 version-4 identifier in its usual 36-character text form, e.g. for list
// rows and tips. Safe to call from any thread.
std::string makeUuid();
