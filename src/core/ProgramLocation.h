#pragma once

#include <QString>

// The program that a relaunch or a login should start: the installed copy at `installedProgram` when
// there is one, else `runningProgram` (by default this very executable).
QString installedOrRunningProgram(const QString& installedProgram, const QString& runningProgram = {});
