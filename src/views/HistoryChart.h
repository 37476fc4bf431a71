#pragma once

#include "history/TimelineRecord.h"

#include <QString>
#include <QWidget>

#include <chrono>
#include <optional>
#include <vector>

// The timeline drawn over a time range: the quality score (0-100, left scale) and the internet
// latency (right scale) as lines, packet loss as shaded bars from the bottom, and events as markers
// along the top. Hovering a point shows its values; hovering a marker shows the event.
class HistoryChart final : public QWidget {
    Q_OBJECT

public:
    explicit HistoryChart(QWidget* parent = nullptr);

    // `bucket` is the span each sample stands for; a gap wider than two of them breaks the lines.
    // Readings no connection could give (a damaged file) are left out.
    void setData(TimePoint from, TimePoint to, std::chrono::seconds bucket,
                 std::vector<TimelineSample> samples, std::vector<TimelineEvent> events);

    const std::vector<TimelineSample>& samples() const { return m_samples; }
    // The sample nearest to x inside the plot, if any is within one bucket of it.
    std::optional<std::size_t> sampleAt(int x) const;
    // The event whose marker is under `point`.
    std::optional<std::size_t> eventAt(QPoint point) const;
    // The values shown while hovering sample `index`, one per line.
    QStringList sampleDescription(std::size_t index) const;
    // Puts the hover on sample `index` as if the pointer rested on it (nothing clears it).
    void hoverSample(std::optional<std::size_t> index);
    // Upper end of the latency scale for the current data, in ms.
    double latencyScale() const { return m_latencyScale; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void describe();
    QRectF plotRect() const;
    double xOf(TimePoint time) const;
    QPointF markerCentre(std::size_t index) const;
    void paintAxes(QPainter& painter, const QRectF& plot) const;
    void paintSeries(QPainter& painter, const QRectF& plot) const;
    void paintEvents(QPainter& painter, const QRectF& plot) const;
    void paintHover(QPainter& painter, const QRectF& plot) const;
    void paintEmpty(QPainter& painter) const;

    TimePoint m_from{};
    TimePoint m_to{};
    std::chrono::seconds m_bucket{60};
    std::vector<TimelineSample> m_samples;
    std::vector<TimelineEvent> m_events;
    double m_latencyScale = 40.0;
    std::optional<std::size_t> m_hovered;
    TimePoint m_hoveredTime{};
};
