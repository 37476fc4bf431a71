#include "views/TipView.h"

#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

Tone TipView::priorityTone(TipPriority priority) {
    switch (priority) {
    case TipPriority::critical:
        return Tone::red;
    case TipPriority::warning:
        return Tone::orange;
    case TipPriority::info:
        break;
    }
    return Tone::blue;
}

TipView::TipView(const Tip& tip, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("tipView"));
    const Tone tone = priorityTone(tip.priority);
    styleBox(this, tone, 0.1, 8);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 10, 10, 10);
    row->setSpacing(8);
    row->addWidget(makeSymbolLabel(QString::fromStdString(tip.icon), tone, 14, this), 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    auto* title = makeLabel(QString::fromStdString(tip.title), TextStyle::caption, {}, this);
    QFont titleFont = title->font();
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    title->setWordWrap(true);
    column->addWidget(title);
    auto* description =
        makeLabel(QString::fromStdString(tip.description), TextStyle::caption2, Colour::secondary, this);
    description->setWordWrap(true);
    column->addWidget(description);
    if (tip.action) {
        auto* box = new QFrame(this);
        box->setObjectName(QStringLiteral("tipAction"));
        styleBox(box, Colour::windowBackground, 1.0, 6);
        auto* actionRow = new QHBoxLayout(box);
        actionRow->setContentsMargins(6, 4, 6, 4);
        actionRow->setSpacing(4);
        actionRow->addWidget(makeSymbolLabel(QStringLiteral("lightbulb.fill"), Tone::yellow, 9, box), 0,
                             Qt::AlignTop);
        auto* action = makeLabel(QString::fromStdString(*tip.action), TextStyle::caption2, {}, box);
        action->setWordWrap(true);
        actionRow->addWidget(action, 1);
        column->addWidget(box);
    }
    column->addStretch();
    row->addLayout(column, 1);
}
