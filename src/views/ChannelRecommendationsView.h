#pragma once

#include "views/kit/CollapsibleHeader.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;
class WiFiScannerService;

// The channels the user's router could move to, best first per band, from the shared scanner.
// Starts collapsed; collapsed, the header names the best channel.
class ChannelRecommendationsView final : public QWidget {
    Q_OBJECT

public:
    ChannelRecommendationsView(WiFiScannerService& scanner, QWidget* parent = nullptr);

    CollapsibleHeader* header() const { return m_card.header; }
    QLabel* bestChannelBadge() const { return m_bestBadge; }
    QPushButton* scanNowButton() const { return m_scanNow; }

private:
    void refresh();

    WiFiScannerService& m_scanner;
    CollapsibleCard m_card;
    QLabel* m_bestBadge = nullptr;
    QWidget* m_placeholder = nullptr;
    QPushButton* m_scanNow = nullptr;
    QWidget* m_list = nullptr;
    QVBoxLayout* m_sections = nullptr;
    QWidget* m_footnote = nullptr;
};
