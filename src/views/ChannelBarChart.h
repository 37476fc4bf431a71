#pragma once

#include "viewmodel/ChannelChartData.h"

#include <QString>
#include <QWidget>

#include <vector>

// A painted bar chart of network counts with a whole-number y axis, each bar a gradient of its colour.
class ChannelBarChart : public QWidget {
    Q_OBJECT

public:
    // `name` is what screen readers call the chart; they read the bars as its description.
    ChannelBarChart(QString name, QString xTitle, QString yTitle, QWidget* parent = nullptr);

    const std::vector<ChannelBar>& bars() const { return m_bars; }
    QSize sizeHint() const override;

protected:
    void setBars(std::vector<ChannelBar> bars);
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_xTitle;
    QString m_yTitle;
    std::vector<ChannelBar> m_bars;
};
