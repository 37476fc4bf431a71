#pragma once

#include "viewmodel/DiagnosticsCards.h"

#include <QWidget>

class QLabel;
class SparklineView;

// Current download and upload rates with their recent history.
class BandwidthView final : public QWidget {
    Q_OBJECT

public:
    explicit BandwidthView(QWidget* parent = nullptr);

    void setData(const BandwidthCardData& data);

private:
    QLabel* m_download = nullptr;
    QLabel* m_upload = nullptr;
    SparklineView* m_downloadHistory = nullptr;
    SparklineView* m_uploadHistory = nullptr;
};
