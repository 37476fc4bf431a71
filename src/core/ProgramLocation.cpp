#include "core/ProgramLocation.h"

#include <QCoreApplication>
#include <QFileInfo>

QString installedOrRunningProgram(const QString& installedProgram, const QString& runningProgram) {
    const QFileInfo installed(installedProgram);
    if (!installedProgram.isEmpty() && installed.isFile() && installed.isExecutable())
        return installedProgram;
    return runningProgram.isEmpty() ? QCoreApplication::applicationFilePath() : runningProgram;
}
