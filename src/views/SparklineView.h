#pragma once

#include <QWidget>

#include "core/Tone.h"

#include <vector>

// A small history chart without axes: a smooth curve through the values over a fading area.
class SparklineView final : public QWidget {
    Q_OBJECT

public:
    struct Range {
        double low;
        double high;
        bool operator==(const Range&) const = default;
    };
    // The vertical range the values are drawn in: a little room around them, never below 0, and at
    // least up to 1 so a flat line of zeros sits at the bottom.
    static Range yRange(const std::vector<double>& data);

    explicit SparklineView(Tone tone, QWidget* parent = nullptr);

    void setData(std::vector<double> data);
    void setTone(Tone tone);
    // What the values are and their unit, for the summary screen readers read ("Internet response
    // time", "ms").
    void setSubject(QString subject, QString unit);
    const std::vector<double>& data() const { return m_data; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();

    QString m_subject;
    QString m_unit;
    Tone m_tone;
    std::vector<double> m_data;
};
