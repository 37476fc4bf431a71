#pragma once

// The views show texts and figures the way their presenters make them: one set of helpers for both.
#include "viewmodel/DisplayText.h"
