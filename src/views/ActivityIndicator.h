#pragma once

#include <QTimer>
#include <QWidget>

// A small spinning wheel for work of unknown length. It turns only while shown.
class ActivityIndicator final : public QWidget {
    Q_OBJECT

public:
    explicit ActivityIndicator(int diameter, QWidget* parent = nullptr);

    bool isAnimating() const { return m_timer.isActive(); }
    QSize sizeHint() const override { return {m_diameter, m_diameter}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    static constexpr int spokes = 8;
    int m_diameter;
    int m_step = 0;
    QTimer m_timer;
};
