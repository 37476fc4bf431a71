#include "views/TipView.h"

#include "views/kit/Box.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

TipView::TipView(const TipRow& tip, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("tipView"));
    const Tone tone = tip.tone;
    QHBoxLayout* row = makeBoxRow(this, {.background = tone,
                                         .opacity = 0.1,
                                         .radius = Radius::box,
                                         .padding = padding(Space::mPlus),
                                         .spacing = Space::m});
    row->addWidget(makeSymbolLabel(tip.icon, tone, SymbolSize::l, this), 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->setSpacing(Space::xxsPlus);
    auto* title = makeLabel(tip.title, TextStyle::caption, {}, this);
    QFont titleFont = title->font();
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    title->setWordWrap(true);
    column->addWidget(title);
    auto* description = makeLabel(tip.description, TextStyle::caption2, Colour::secondary, this);
    description->setWordWrap(true);
    column->addWidget(description);
    if (tip.action) {
        auto* box = new QFrame(this);
        box->setObjectName(QStringLiteral("tipAction"));
        QHBoxLayout* actionRow = makeBoxRow(box, {.background = Colour::windowBackground,
                                                  .radius = Radius::control,
                                                  .padding = padding(Space::s, Space::xs),
                                                  .spacing = Space::xs});
        actionRow->addWidget(
            makeSymbolLabel(QStringLiteral("lightbulb.fill"), Tone::yellow, SymbolSize::xxs, box), 0,
            Qt::AlignTop);
        auto* action = makeLabel(*tip.action, TextStyle::caption2, {}, box);
        action->setWordWrap(true);
        actionRow->addWidget(action, 1);
        column->addWidget(box);
    }
    column->addStretch();
    row->addLayout(column, 1);
}
