#pragma once

#include "probes/BandwidthSpeed.h"

#include <QWidget>

#include <vector>

class QLabel;
class SparklineView;

// Current download and upload rates with their recent history.
class BandwidthView final : public QWidget {
    Q_OBJECT

public:
    explicit BandwidthView(QWidget* parent = nullptr);

    void setData(const BandwidthSpeed& speed, const std::vector<double>& downloadHistory,
                 const std::vector<double>& uploadHistory);

    const QLabel* downloadLabel() const { return m_download; }
    const QLabel* uploadLabel() const { return m_upload; }

private:
    QLabel* m_download = nullptr;
    QLabel* m_upload = nullptr;
    SparklineView* m_downloadHistory = nullptr;
    SparklineView* m_uploadHistory = nullptr;
};
