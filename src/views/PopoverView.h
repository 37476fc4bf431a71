#pragma once

#include <QWidget>

class LinkmeterViewModel;
class QLabel;
class QFormLayout;

// The popover's content: the current link and measurements at a glance, redrawn from the view
// model whenever it publishes.
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
    QLabel* m_headline = nullptr;
    QLabel* m_network = nullptr;
    QLabel* m_signal = nullptr;
    QLabel* m_noise = nullptr;
    QLabel* m_channel = nullptr;
    QLabel* m_rate = nullptr;
    QLabel* m_standard = nullptr;
    QLabel* m_security = nullptr;
    QLabel* m_monitoring = nullptr;
};
