#pragma once

#include "core/ListenAddress.h"
#include "platform/PageServer.h"
#include "reports/MetricsExposition.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>

class AppSettings;
class LinkmeterViewModel;

// Serves what the view model holds to Prometheus: each scrape reads the state as it stands, on the
// main thread, so no measurement waits for a scraper and no scraper sees half an update.
class MetricsPublisher final : public QObject {
    Q_OBJECT

public:
    // `server` answers each scrape with what the view model holds at that moment.
    MetricsPublisher(LinkmeterViewModel& viewModel, PageServer& server, QObject* parent = nullptr);
    ~MetricsPublisher() override;

    // Listens on `address`, giving up an earlier one; answers why it could not.
    std::optional<QString> serve(const ListenAddress& address);
    void stop();
    bool isServing() const { return m_server.isListening(); }
    quint16 port() const { return m_server.port(); }
    // The address served on, while serving.
    const std::optional<ListenAddress>& address() const { return m_address; }

    // Serves while the "Serve metrics" setting is on, on the address it holds, and follows changes
    // of both. Failures to listen are reported as a line on standard output.
    void follow(AppSettings& settings);

    // What a scrape answers now.
    MetricsInput input() const;
    std::string exposition() const { return metricsExposition(input()); }

private:
    void applySettings(const AppSettings& settings);

    LinkmeterViewModel& m_viewModel;
    // Before the first score is worked out there is none to show; a zero would read as a dead link.
    bool m_qualityKnown = false;
    std::optional<ListenAddress> m_address;
    PageServer& m_server;
};
