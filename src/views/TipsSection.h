#pragma once

#include "viewmodel/DiagnosticsCards.h"

#include <QWidget>

#include <vector>

class CollapsibleHeader;
class QVBoxLayout;

// The advice list, folded by default: the header tells how many tips there are, the unfolded list
// shows the most urgent three.
class TipsSection final : public QWidget {
    Q_OBJECT

public:
    explicit TipsSection(QWidget* parent = nullptr);

    void setData(const TipsSectionData& data);
    void setExpanded(bool expanded);

private:
    bool isExpanded() const;
    void updateHeader();
    void rebuild();

    CollapsibleHeader* m_header = nullptr;
    QWidget* m_list = nullptr;
    QVBoxLayout* m_rows = nullptr;
    TipsSectionData m_data;
    std::vector<TipRow> m_built;
};
