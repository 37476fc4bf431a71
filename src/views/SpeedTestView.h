#pragma once

#include "viewmodel/DiagnosticsCards.h"
#include "views/kit/RelativeTimeLabel.h"

#include <QWidget>

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

    void setData(const SpeedTestCardData& data);

signals:
    void runRequested();
    void cancelRequested();

private:
    void showPage(SpeedTestPage page);
    void showUnderLoad(const SpeedTestCardData& data);

    QLabel* m_server = nullptr;
    QVBoxLayout* m_pages = nullptr;
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
    SpeedTestCardData m_data;
    bool m_drawn = false;
};
