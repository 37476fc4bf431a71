#pragma once

#include <string_view>

// The display rules of the channel and network-information panels, kept apart from the widgets so
// they can be checked directly.

// A recommendation this good is marked "Best".
bool isBestScore(int score);

// The symbol of an interface by its display name.
std::string_view interfaceSymbolName(std::string_view displayName);
