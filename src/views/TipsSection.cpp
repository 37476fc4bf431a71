#include "views/TipsSection.h"

#include "views/TipView.h"
#include "views/kit/CollapsibleHeader.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"

#include <QVBoxLayout>

using namespace Metrics;

TipsSection::TipsSection(QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = makeColumn(this, Space::m);
    m_header = new CollapsibleHeader(tr("TIPS"), this);
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

void TipsSection::setData(const TipsSectionData& data) {
    m_data = data;
    updateHeader();
    rebuild();
}

bool TipsSection::isExpanded() const {
    return m_header->isExpanded();
}

void TipsSection::setExpanded(bool expanded) {
    m_header->setExpanded(expanded);
}

void TipsSection::updateHeader() {
    m_header->setDetail(isExpanded() ? QString() : m_data.count);
}

void TipsSection::rebuild() {
    m_list->setVisible(isExpanded());
    // Showing a list that was built while hidden does not tell the enclosing layouts on its own.
    updateGeometry();
    if (!isExpanded())
        return;
    // Tips are regenerated every half second; the same advice keeps its views.
    if (m_data.rows == m_built)
        return;
    clearLayout(m_rows);
    for (const TipRow& tip : m_data.rows)
        m_rows->addWidget(new TipView(tip, m_list));
    m_built = m_data.rows;
}
