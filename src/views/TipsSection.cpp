#include "views/TipsSection.h"

#include "views/TipView.h"
#include "views/kit/CollapsibleHeader.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"

#include <QVBoxLayout>

#include <algorithm>

using namespace Metrics;

TipsSection::TipsSection(QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = makeColumn(this, Space::m);
    m_header = new CollapsibleHeader(QStringLiteral("TIPS"), this);
    column->addWidget(m_header);
    m_list = new QWidget(this);
    m_rows = makeColumn(m_list, Space::m);
    column->addWidget(m_list);
    m_list->setVisible(false);
    connect(m_header, &CollapsibleHeader::toggled, this, [this](bool) {
        updateHeader();
        rebuild();
    });
    updateHeader();
}

void TipsSection::setTips(const std::vector<Tip>& tips) {
    m_tips = tips;
    updateHeader();
    rebuild();
}

bool TipsSection::isExpanded() const {
    return m_header->isExpanded();
}

void TipsSection::setExpanded(bool expanded) {
    m_header->setExpanded(expanded);
}

int TipsSection::shownCount() const {
    return m_list->isVisibleTo(this) ? m_rows->count() : 0;
}

void TipsSection::updateHeader() {
    m_header->setDetail(isExpanded() ? QString() : QStringLiteral("(%1)").arg(m_tips.size()));
}

void TipsSection::rebuild() {
    m_list->setVisible(isExpanded());
    // Showing a list that was built while hidden does not tell the enclosing layouts on its own.
    updateGeometry();
    if (!isExpanded())
        return;
    std::vector<Tip> wanted(m_tips.begin(),
                            m_tips.begin() + static_cast<std::ptrdiff_t>(std::min(m_tips.size(), shownTips)));
    // Tips are regenerated every half second; the same advice keeps its views. Tip equality ignores
    // the action text and priority, so those are compared too.
    const auto same = [](const Tip& a, const Tip& b) {
        return a == b && a.action == b.action && a.priority == b.priority && a.icon == b.icon;
    };
    if (std::equal(wanted.begin(), wanted.end(), m_built.begin(), m_built.end(), same))
        return;
    clearLayout(m_rows);
    for (const Tip& tip : wanted)
        m_rows->addWidget(new TipView(tip, m_list));
    m_built = std::move(wanted);
}
