#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <optional>
#include <string>

class BandwidthService;
class Clock;
class DNSService;
class PingService;
class WiFiService;

// `linkmeter --report`: measures for a while with no window, then prints the diagnostic report.
class ReportCommand final : public QObject {
    Q_OBJECT

public:
    struct Options {
        int seconds = 10;
        bool json = false;
    };
    // Exit statuses: the internet answered, it did not, the command line was wrong, the report could
    // not be written.
    static constexpr int answered = 0;
    static constexpr int notAnswered = 1;
    static constexpr int usageError = 2;
    static constexpr int notWritten = 3;
    static constexpr int maximumSeconds = 3600;

    struct Services {
        WiFiService& wifi;
        PingService& ping;
        DNSService& dns;
        BandwidthService& bandwidth;
        const Clock& clock;
    };

    ReportCommand(Services services, Options options, QObject* parent = nullptr);

    // Starts the measurements; `finished` follows after the chosen number of seconds (`duration`
    // overrides it, for tests).
    void start(std::optional<std::chrono::milliseconds> duration = std::nullopt);
    // The report text (or JSON) once finished.
    const std::string& output() const { return m_output; }

signals:
    void finished(int status);

private:
    void finish();

    Services m_services;
    Options m_options;
    QTimer m_timer;
    std::string m_output;
};
