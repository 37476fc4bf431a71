#pragma once

#include <QWidget>

class LinkmeterViewModel;
class QFormLayout;
class QFrame;
class QLabel;
class QPushButton;

// The popover's content: score and headline, the portal or offline banner, the most pressing
// issue and tip, and the current link and measurements, redrawn whenever the view model publishes.
class PopoverView final : public QWidget {
    Q_OBJECT

public:
    explicit PopoverView(LinkmeterViewModel& viewModel, QWidget* parent = nullptr);

signals:
    void quitRequested();

private:
    void redraw();
    QLabel* addRow(const QString& title);

    LinkmeterViewModel& m_viewModel;
    QFormLayout* m_form = nullptr;
    QLabel* m_score = nullptr;
    QLabel* m_headline = nullptr;
    QLabel* m_subline = nullptr;
    QLabel* m_network = nullptr;
    QLabel* m_paused = nullptr;
    QFrame* m_banner = nullptr;
    QLabel* m_bannerTitle = nullptr;
    QLabel* m_bannerText = nullptr;
    QPushButton* m_loginButton = nullptr;
    QLabel* m_issue = nullptr;
    QLabel* m_tip = nullptr;
    QLabel* m_signal = nullptr;
    QLabel* m_noise = nullptr;
    QLabel* m_channel = nullptr;
    QLabel* m_rate = nullptr;
    QLabel* m_standard = nullptr;
    QLabel* m_security = nullptr;
    QLabel* m_gateway = nullptr;
    QLabel* m_router = nullptr;
    QLabel* m_internet = nullptr;
    QLabel* m_dns = nullptr;
};
