#include "views/kit/Banner.h"

#include "views/kit/Box.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

QLabel* makeBanner(QFrame* frame, const QString& symbol, const QString& title, Tone tone) {
    QVBoxLayout* column = makeBoxColumn(frame, {.background = tone,
                                                .opacity = 0.1,
                                                .radius = Radius::card,
                                                .padding = padding(Space::l),
                                                .spacing = Space::xs,
                                                .borderOpacity = 0.3});
    auto* head = new QHBoxLayout;
    head->setSpacing(Space::s);
    head->addWidget(makeSymbolLabel(symbol, tone, SymbolSize::xl, frame));
    head->addWidget(makeLabel(title, TextStyle::headline, tone, frame), 1);
    column->addLayout(head);
    QLabel* caption = makeLabel(QString(), TextStyle::caption, Colour::secondary, frame);
    caption->setWordWrap(true);
    column->addWidget(caption);
    return caption;
}
