#pragma once

#include "viewmodel/DiagnosticsCards.h"

#include <QWidget>

class QLabel;
class SparklineView;

// The last name lookup: which server answered, how long it took, and the recent lookup times.
class DNSView final : public QWidget {
    Q_OBJECT

public:
    explicit DNSView(QWidget* parent = nullptr);

    void setData(const DNSCardData& card);

private:
    QLabel* m_server = nullptr;
    SparklineView* m_sparkline = nullptr;
    QLabel* m_time = nullptr;
    QLabel* m_note = nullptr;
};
