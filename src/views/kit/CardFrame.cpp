#include "views/kit/CardFrame.h"

#include "views/kit/Box.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

CardFrame::CardFrame(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("card"));
    m_content = makeBoxColumn(this, {.background = Colour::controlBackground,
                                     .radius = Radius::card,
                                     .padding = Padding::card,
                                     .spacing = Space::m});
}

CardFrame::CardFrame(const QString& title, QWidget* trailing, QWidget* parent) : CardFrame(parent) {
    auto* header = new QHBoxLayout;
    header->addWidget(makeCardTitle(title, this));
    header->addStretch();
    if (trailing)
        header->addWidget(trailing);
    m_content->addLayout(header);
}

CardFrame::CardFrame(QWidget* header, QWidget* parent) : CardFrame(parent) {
    m_content->addWidget(header);
}

CardFrame* CardFrame::fill(QWidget* owner, const QString& title, QWidget* trailing) {
    auto* card = new CardFrame(title, trailing, owner);
    makeColumn(owner)->addWidget(card);
    return card;
}

CardFrame* CardFrame::fill(QWidget* owner, QWidget* header) {
    auto* card = new CardFrame(header, owner);
    makeColumn(owner)->addWidget(card);
    return card;
}

QLabel* makeCardTitle(const QString& text, QWidget* parent) {
    QLabel* label = makeLabel(text.toUpper(), TextStyle::caption, Colour::secondary, parent);
    QFont font = label->font();
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    return label;
}
