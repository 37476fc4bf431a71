#pragma once

#include "reports/ReportText.h"

#include <string>

// The internet answered at least one echo in the window.
bool internetAnswered(const PingStatistics& internet);

// The diagnostic report's data as a JSON document (one object, indented, ending in a newline), for
// scripts. Missing measurements are null.
std::string diagnosticReportJson(const DiagnosticReportInput& input, TimePoint exportedAt);
