#pragma once

#include "probes/SpeedTestResult.h"
#include "probes/SpeedTestState.h"
#include "views/kit/RelativeTimeLabel.h"

#include <QWidget>

#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QVBoxLayout;
class Scheduler;
class SpeedMetric;

// The on-demand speed test: a start button, progress with cancel, the result, or the failure.
class SpeedTestView final : public QWidget {
    Q_OBJECT

public:
    explicit SpeedTestView(Scheduler& scheduler, QWidget* parent = nullptr);

    void setData(const SpeedTestState& state, const std::optional<SpeedTestResult>& lastResult);

    // The page on show, for tests: 0 idle, 1 testing, 2 completed, 3 failed.
    int page() const;
    QPushButton* runButton() const { return m_run; }
    QPushButton* cancelButton() const { return m_cancel; }
    const QLabel* lastTestedLabel() const { return m_lastTested; }
    // The latency-under-load line; its accessible name is the line as plain text.
    const QLabel* underLoadLabel() const { return m_underLoad; }
    const SpeedMetric* downloadMetric() const { return m_download; }

signals:
    void runRequested();
    void cancelRequested();

private:
    void showPage(int index);
    void showUnderLoad(const LoadedLatency& latency);

    QLabel* m_server = nullptr;
    QVBoxLayout* m_pages = nullptr;
    int m_page = -1;
    QPushButton* m_run = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_phaseIcon = nullptr;
    QLabel* m_phaseText = nullptr;
    QPushButton* m_cancel = nullptr;
    SpeedMetric* m_download = nullptr;
    SpeedMetric* m_upload = nullptr;
    QLabel* m_underLoad = nullptr;
    RelativeTimeLabel* m_lastTested = nullptr;
    QLabel* m_error = nullptr;
    SpeedTestState m_state;
    bool m_hasState = false;
};
