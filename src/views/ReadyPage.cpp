#include "views/ReadyPage.h"

#include "views/FeatureRow.h"
#include "views/kit/Typography.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ReadyPage::ReadyPage(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(32, 24, 32, 8);
    column->setSpacing(14);
    column->addStretch();
    column->addWidget(makeSymbolLabel(QStringLiteral("checkmark.circle.fill"), Tone::green, 56, this), 0,
                      Qt::AlignHCenter);
    column->addWidget(makeLabel(QStringLiteral("You're All Set!"), TextStyle::title, {}, this), 0,
                      Qt::AlignHCenter);

    auto* features = new QWidget(this);
    auto* rows = new QVBoxLayout(features);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(8);
    rows->addWidget(new FeatureRow(QStringLiteral("antenna.radiowaves.left.and.right"), Colour::accent,
                                   QStringLiteral("Monitor signal strength"), features));
    rows->addWidget(new FeatureRow(QStringLiteral("clock"), Colour::accent,
                                   QStringLiteral("Track latency & packet loss"), features));
    rows->addWidget(new FeatureRow(QStringLiteral("lightbulb"), Colour::accent,
                                   QStringLiteral("Get improvement tips"), features));
    rows->addWidget(new FeatureRow(QStringLiteral("chart.bar"), Colour::accent,
                                   QStringLiteral("Analyze nearby networks"), features));
    column->addWidget(features, 0, Qt::AlignHCenter);
    column->addSpacing(4);

    m_getStarted = new QPushButton(QStringLiteral("Get Started"), this);
    m_getStarted->setDefault(true);
    m_getStarted->setMinimumWidth(140);
    column->addWidget(m_getStarted, 0, Qt::AlignHCenter);
    connect(m_getStarted, &QPushButton::clicked, this, &ReadyPage::getStarted);
    column->addStretch();
}
