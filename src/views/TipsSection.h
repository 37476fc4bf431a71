#pragma once

#include "diagnosis/Tip.h"

#include <QWidget>

#include <vector>

class CollapsibleHeader;
class QVBoxLayout;

// The advice list, folded by default: the header tells how many tips there are, the unfolded list
// shows the most urgent three.
class TipsSection final : public QWidget {
    Q_OBJECT

public:
    static constexpr std::size_t shownTips = 3;

    explicit TipsSection(QWidget* parent = nullptr);

    void setTips(const std::vector<Tip>& tips);
    bool isExpanded() const;
    void setExpanded(bool expanded);
    CollapsibleHeader* header() const { return m_header; }
    // Tip views currently in the list.
    int shownCount() const;

private:
    void updateHeader();
    void rebuild();

    CollapsibleHeader* m_header = nullptr;
    QWidget* m_list = nullptr;
    QVBoxLayout* m_rows = nullptr;
    std::vector<Tip> m_tips;
    std::vector<Tip> m_built;
};
