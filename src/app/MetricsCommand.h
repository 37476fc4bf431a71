#pragma once

#include "core/ListenAddress.h"
#include "system/qt/MetricsHttpServer.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "viewmodel/MetricsPublisher.h"
#include "viewmodel/TimelineRecorder.h"

#include <QObject>
#include <QString>

#include <optional>

class Clock;
class TimelineWriter;

// `linkmeter --serve-metrics [HOST:]PORT`: monitors as the tray program does, timeline included, with
// no window, tray or display, and serves the figures to Prometheus until it is stopped.
class MetricsCommand final : public QObject {
    Q_OBJECT

public:
    // Exit statuses: stopped by a signal, could not listen.
    static constexpr int stopped = 0;
    static constexpr int listenFailed = 1;

    MetricsCommand(LinkmeterServices services, TimelineWriter& timeline, const Clock& clock,
                   QObject* parent = nullptr);

    // Starts monitoring and serving; answers why it could not listen, and then monitors nothing.
    std::optional<QString> start(const ListenAddress& address);
    // The address served on, with the port the system picked for port 0.
    ListenAddress servedAddress() const;

    LinkmeterViewModel& viewModel() { return m_viewModel; }

private:
    LinkmeterViewModel m_viewModel;
    TimelineRecorder m_recorder;
    MetricsHttpServer m_server;
    MetricsPublisher m_publisher;
};

// The whole mode for main(): application object, services, serving on `address` (a port of 0: any
// free one) until SIGTERM or SIGINT.
int runMetricsServer(int argc, char** argv, const ListenAddress& address);
