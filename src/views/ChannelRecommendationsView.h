#pragma once

#include "views/kit/CollapsibleHeader.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;
class ChannelRecommendationsPresenter;

// The channels the user's router could move to, best first per band. Starts collapsed; collapsed,
// the header names the best channel.
class ChannelRecommendationsView final : public QWidget {
    Q_OBJECT

public:
    explicit ChannelRecommendationsView(ChannelRecommendationsPresenter& presenter,
                                        QWidget* parent = nullptr);

    CollapsibleHeader* header() const { return m_card.header; }

private:
    void render();

    ChannelRecommendationsPresenter& m_presenter;
    CollapsibleCard m_card;
    QLabel* m_bestBadge = nullptr;
    QWidget* m_placeholder = nullptr;
    QPushButton* m_scanNow = nullptr;
    QWidget* m_list = nullptr;
    QVBoxLayout* m_sections = nullptr;
    QWidget* m_footnote = nullptr;
};
