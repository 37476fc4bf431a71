#include "system/qt/ProcessCommandRunner.h"

#include <QProcess>
#include <QStringDecoder>
#include <QStringList>

ProcessCommandRunner::ProcessCommandRunner(std::chrono::milliseconds limit) : m_limit(limit) {}

CommandResult ProcessCommandRunner::run(const std::string& program, const std::vector<std::string>& arguments,
                                        CaptureMode capture) const {
    CommandResult result;

    QStringList args;
    args.reserve(static_cast<qsizetype>(arguments.size()));
    for (const auto& argument : arguments)
        args << QString::fromStdString(argument);

    QProcess process;
    process.setProgram(QString::fromStdString(program));
    process.setArguments(args);
    process.setStandardInputFile(QProcess::nullDevice());
    if (capture == CaptureMode::StandardOutputAndError)
        process.setProcessChannelMode(QProcess::MergedChannels);
    else
        process.setStandardErrorFile(QProcess::nullDevice());

    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) {
        result.launchError = process.errorString().toStdString();
        return result;
    }

    // waitForFinished keeps draining the pipe, so a chatty tool cannot fill it and stall.
    if (!process.waitForFinished(static_cast<int>(m_limit.count()))) {
        process.kill();
        process.waitForFinished(-1);
        return result;
    }

    const QByteArray bytes = process.readAllStandardOutput();
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitStatus = process.exitCode();

    // Decoding only checks validity: output that is not UTF-8 reads as empty.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString decoded = decoder(bytes);
    if (!decoder.hasError())
        result.output.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return result;
}
