#include "views/ReadyPage.h"

#include "views/FeatureRow.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/OnboardingPage.h"
#include "views/kit/Typography.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Metrics;

ReadyPage::ReadyPage(QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = makeOnboardingColumn(this);
    column->addWidget(
        makeSymbolLabel(QStringLiteral("checkmark.circle.fill"), Tone::green, SymbolSize::page, this), 0,
        Qt::AlignHCenter);
    column->addWidget(makeLabel(tr("You're All Set!"), TextStyle::title, {}, this), 0, Qt::AlignHCenter);

    QWidget* features = FeatureRow::list(
        {{QStringLiteral("antenna.radiowaves.left.and.right"), Colour::accent, tr("Monitor signal strength")},
         {QStringLiteral("clock"), Colour::accent, tr("Track latency & packet loss")},
         {QStringLiteral("lightbulb"), Colour::accent, tr("Get improvement tips")},
         {QStringLiteral("chart.bar"), Colour::accent, tr("Analyze nearby networks")}},
        this);
    column->addWidget(features, 0, Qt::AlignHCenter);
    column->addSpacing(Space::xs);

    m_getStarted = new QPushButton(tr("Get Started"), this);
    m_getStarted->setDefault(true);
    m_getStarted->setMinimumWidth(Size::getStartedWidth);
    column->addWidget(m_getStarted, 0, Qt::AlignHCenter);
    connect(m_getStarted, &QPushButton::clicked, this, &ReadyPage::getStarted);
    column->addStretch();
}
