#pragma once

#include <string>

// A fresh random (version 4) UUID in its usual text form, for identifying list rows.
std::string makeUuid();
