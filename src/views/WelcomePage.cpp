#include "views/WelcomePage.h"

#include "views/kit/Metrics.h"
#include "views/kit/OnboardingPage.h"
#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

WelcomePage::WelcomePage(QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = makeOnboardingColumn(this);
    auto* symbol = new QLabel(this);
    symbol->setObjectName(QStringLiteral("wifi"));
    symbol->setPixmap(gradientSymbolPixmap(QStringLiteral("wifi"), Palette::colour(Tone::blue),
                                           Palette::colour(Tone::cyan), SymbolSize::welcome, 2.0));
    symbol->setFixedSize(SymbolSize::welcome, SymbolSize::welcome);
    column->addWidget(symbol, 0, Qt::AlignHCenter);
    column->addWidget(makeLabel(tr("Welcome to Linkmeter"), TextStyle::title, {}, this), 0, Qt::AlignHCenter);
    auto* text = makeLabel(tr("Monitor your WiFi connection quality, diagnose issues, and get "
                              "actionable tips to improve your network."),
                           TextStyle::body, Colour::secondary, this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignHCenter);
    column->addWidget(text);
    column->addStretch();
}
