#include "views/WelcomePage.h"

#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QLabel>
#include <QVBoxLayout>

WelcomePage::WelcomePage(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(32, 24, 32, 8);
    column->setSpacing(14);
    column->addStretch();
    auto* symbol = new QLabel(this);
    symbol->setObjectName(QStringLiteral("wifi"));
    symbol->setPixmap(gradientSymbolPixmap(QStringLiteral("wifi"), Palette::colour(Tone::blue),
                                           Palette::colour(Tone::cyan), 72, 2.0));
    symbol->setFixedSize(72, 72);
    column->addWidget(symbol, 0, Qt::AlignHCenter);
    column->addWidget(makeLabel(QStringLiteral("Welcome to Linkmeter"), TextStyle::title, {}, this), 0,
                      Qt::AlignHCenter);
    auto* text = makeLabel(QStringLiteral("Monitor your WiFi connection quality, diagnose issues, and get "
                                          "actionable tips to improve your network."),
                           TextStyle::body, Colour::secondary, this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignHCenter);
    column->addWidget(text);
    column->addStretch();
}
