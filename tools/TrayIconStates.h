#pragma once

#include "RenderStates.h"

#include <vector>

// The tray icon with the number in it, for each display mode: sample readings at the sizes panels
// ask for, on a light and a dark panel.
void addTrayIconStates(std::vector<RenderState>& states);
