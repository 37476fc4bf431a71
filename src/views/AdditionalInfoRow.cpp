#include "views/AdditionalInfoRow.h"

#include "views/DetailRow.h"
#include "views/kit/Buttons.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QToolButton>
#include <QVBoxLayout>

using namespace Metrics;

AdditionalInfoRow::AdditionalInfoRow(QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = makeColumn(this, Space::xs);
    m_button = new QToolButton(this);
    m_button->setAutoRaise(true);
    m_button->setText(tr("Details"));
    m_button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_button->setLayoutDirection(Qt::RightToLeft); // chevron after the text
    m_button->setFont(styledFont(TextStyle::caption, m_button->font()));
    m_button->setIconSize(QSize(SymbolSize::xs, SymbolSize::xs));
    setButtonTextColour(m_button, Colour::secondary);
    connect(m_button, &QToolButton::clicked, this, [this] { setExpanded(!m_expanded); });
    column->addWidget(m_button, 0, Qt::AlignLeft | Qt::AlignAbsolute);

    m_list = new QWidget(this);
    m_rows = makeColumn(m_list, Space::xxsPlus);
    column->addWidget(m_list);
    m_list->setVisible(false);
    setExpanded(false);
}

void AdditionalInfoRow::setDetails(const std::vector<DetailLine>& details) {
    if (details == m_details)
        return;
    m_details = details;
    rebuild();
}

void AdditionalInfoRow::setExpanded(bool expanded) {
    m_expanded = expanded;
    m_button->setIcon(symbolIcon(expanded ? QStringLiteral("chevron.up") : QStringLiteral("chevron.down"),
                                 Palette::colour(Colour::secondary), SymbolSize::xs));
    m_list->setVisible(expanded);
    // Showing rows that were built while hidden does not tell the enclosing layouts on its own.
    updateGeometry();
}

void AdditionalInfoRow::rebuild() {
    clearLayout(m_rows);
    for (const DetailLine& line : m_details)
        m_rows->addWidget(new DetailRow(line.label, line.value, m_list));
}
