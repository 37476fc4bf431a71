#pragma once

#include "core/ListenAddress.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "viewmodel/MetricsPublisher.h"
#include "viewmodel/TimelineRecorder.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

class Clock;
class TimelineStore;

// `linkmeter --serve-metrics [HOST:]PORT`: monitors as the tray program does, timeline included, with
// no window, tray or display, and serves the figures to Prometheus until it is stopped.
class MetricsCommand final : public QObject {
    Q_OBJECT

public:
    // Exit statuses: stopped by a signal, could not listen, the command line was wrong.
    static constexpr int stopped = 0;
    static constexpr int listenFailed = 1;
    static constexpr int usageError = 2;

    // The address after --serve-metrics (a bare port means 127.0.0.1, port 0 any free one), or the
    // reason the command line is wrong. `arguments` holds the whole command line, program name first.
    static std::variant<ListenAddress, QString> parse(const QStringList& arguments);

    MetricsCommand(LinkmeterServices services, TimelineStore& timeline, const Clock& clock,
                   QObject* parent = nullptr);

    // Starts monitoring and serving; answers why it could not listen, and then monitors nothing.
    std::optional<QString> start(const ListenAddress& address);
    // The address served on, with the port the system picked for port 0.
    ListenAddress servedAddress() const;

    LinkmeterViewModel& viewModel() { return m_viewModel; }

private:
    LinkmeterViewModel m_viewModel;
    TimelineRecorder m_recorder;
    MetricsPublisher m_publisher;
};

// Whether the command line asks for the metrics server.
bool wantsMetricsServer(int argc, char** argv);
// The whole mode for main(): application object, services, serving until SIGTERM or SIGINT.
int runMetricsServer(int argc, char** argv);
