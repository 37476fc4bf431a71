#include "views/ActionableTipView.h"

#include "views/kit/Box.h"
#include "views/kit/Buttons.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Metrics;

ActionableTipView::ActionableTipView(const StatusTipScreen& tip, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("actionableTip"));
    QVBoxLayout* column = makeBoxColumn(this, {.background = Tone::gray,
                                               .opacity = 0.12,
                                               .radius = Radius::box,
                                               .padding = padding(Space::mPlus, Space::m),
                                               .spacing = Space::s});

    // The whole header is one button so the keyboard reaches it; its label is drawn by the row.
    m_header = new QToolButton(this);
    m_header->setAutoRaise(true);
    m_header->setAccessibleName(tip.title);
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    QHBoxLayout* headerRow = makeRow(m_header, Space::s);
    const QMargins headerPadding = padding(Space::none, Space::xxs);
    headerRow->setContentsMargins(headerPadding);
    headerRow->addWidget(
        makeSymbolLabel(QStringLiteral("lightbulb.fill"), Tone::yellow, SymbolSize::l, m_header));
    auto* title = makeLabel(tip.title, TextStyle::subheadline, {}, m_header);
    QFont titleFont = title->font();
    titleFont.setWeight(QFont::Medium);
    title->setFont(titleFont);
    title->setWordWrap(true);
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    headerRow->addWidget(title, 1);
    m_chevron = new QLabel(m_header);
    headerRow->addWidget(m_chevron);
    m_header->setMinimumHeight(title->sizeHint().height() + headerPadding.top() + headerPadding.bottom());
    column->addWidget(m_header);
    connect(m_header, &QToolButton::clicked, this, [this] { setExpanded(!m_isExpanded); });

    m_details = new QWidget(this);
    QVBoxLayout* details = makeColumn(m_details, Space::s);
    auto* description = makeLabel(tip.description, TextStyle::caption, Colour::secondary, m_details);
    description->setWordWrap(true);
    details->addWidget(description);
    if (tip.action) {
        auto* box = new QFrame(m_details);
        box->setObjectName(QStringLiteral("tipAction"));
        QHBoxLayout* row = makeBoxRow(box, {.background = Colour::accent,
                                            .opacity = 0.1,
                                            .radius = Radius::control,
                                            .padding = padding(Space::mPlus),
                                            .spacing = Space::s});
        row->addWidget(
            makeSymbolLabel(QStringLiteral("arrow.right.circle.fill"), Colour::accent, SymbolSize::m, box), 0,
            Qt::AlignTop);
        auto* action = makeLabel(*tip.action, TextStyle::caption, {}, box);
        action->setWordWrap(true);
        row->addWidget(action, 1);
        details->addWidget(box);
    }
    if (tip.adminButton) {
        m_adminButton = new QPushButton(buttonSymbol(QStringLiteral("gear"), this, SymbolSize::l),
                                        *tip.adminButton, m_details);
        connect(m_adminButton, &QPushButton::clicked, this,
                [this, address = tip.adminAddress] { emit openAdminPage(address); });
        details->addWidget(m_adminButton, 0, Qt::AlignLeft);
    }
    column->addWidget(m_details);
    setExpanded(false);
}

void ActionableTipView::setExpanded(bool expanded) {
    m_isExpanded = expanded;
    m_details->setVisible(expanded);
    setChevron(m_chevron, expanded);
}
