#include "views/kit/OnboardingPage.h"

#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

QVBoxLayout* makeOnboardingColumn(QWidget* page) {
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(Padding::onboardingPage);
    column->setSpacing(Space::lPlus);
    column->addStretch();
    return column;
}

QWidget* makeConfirmation(const QString& text, QWidget* parent) {
    auto* confirmation = new QWidget(parent);
    QHBoxLayout* row = makeRow(confirmation, Space::s);
    row->addWidget(
        makeSymbolLabel(QStringLiteral("checkmark.circle.fill"), Tone::green, SymbolSize::xl, confirmation));
    row->addWidget(makeLabel(text, TextStyle::body, Tone::green, confirmation));
    return confirmation;
}
