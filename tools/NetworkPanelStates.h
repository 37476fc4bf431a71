#pragma once

#include "RenderStates.h"

#include <vector>

// The scan, channel and network information panels, each in the states worth looking at.
void addNetworkPanelStates(std::vector<RenderState>& states);
