#include "system/qt/QtApplicationControl.h"

#include <QCoreApplication>
#include <QProcess>

std::optional<QString> QtApplicationControl::startDetached(const QString& program,
                                                           const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (process.startDetached())
        return std::nullopt;
    const QString reason = process.errorString();
    return reason.isEmpty() ? QStringLiteral("Could not start %1").arg(program) : reason;
}

void QtApplicationControl::quit() {
    QCoreApplication::quit();
}
