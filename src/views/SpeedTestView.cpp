#include "views/SpeedTestView.h"

#include "views/SpeedMetric.h"
#include "views/kit/Buttons.h"
#include "views/kit/CardFrame.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/RelativeTimeLabel.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Metrics;

namespace {

QPushButton* makeButton(const QString& symbol, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    if (!symbol.isEmpty())
        button->setIcon(buttonSymbol(symbol, parent, SymbolSize::l));
    return button;
}

} // namespace

SpeedTestView::SpeedTestView(Scheduler& scheduler, QWidget* parent) : QWidget(parent) {
    m_server = makeLabel(QString(), TextStyle::caption, Colour::secondary, this);
    CardFrame* card = CardFrame::fill(this, tr("SPEED TEST"), m_server);
    QVBoxLayout* content = card->content();

    m_pages = new QVBoxLayout;
    m_pages->setContentsMargins(QMargins());
    content->addLayout(m_pages);

    auto* idle = new QWidget(card);
    QHBoxLayout* idleRow = makeRow(idle);
    m_run = makeButton(QStringLiteral("speedometer"), QString(), idle);
    m_run->setObjectName(QStringLiteral("run"));
    connect(m_run, &QPushButton::clicked, this, &SpeedTestView::runRequested);
    idleRow->addWidget(m_run, 1);
    m_pages->addWidget(idle);

    auto* testing = new QWidget(card);
    QVBoxLayout* testingColumn = makeColumn(testing);
    m_progress = new QProgressBar(testing);
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    m_progress->setFixedHeight(Size::progressBarHeight);
    testingColumn->addWidget(m_progress);
    auto* phaseRow = new QHBoxLayout;
    phaseRow->setSpacing(Space::s);
    m_phaseIcon = new QLabel(testing);
    phaseRow->addWidget(m_phaseIcon);
    m_phaseText = makeLabel(QString(), TextStyle::callout, {}, testing);
    phaseRow->addWidget(m_phaseText, 1);
    m_cancel = new QPushButton(tr("Cancel"), testing);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    setButtonTextColour(m_cancel, Colour::secondary);
    m_cancel->setFlat(true);
    connect(m_cancel, &QPushButton::clicked, this, &SpeedTestView::cancelRequested);
    phaseRow->addWidget(m_cancel);
    testingColumn->addLayout(phaseRow);
    m_pages->addWidget(testing);

    auto* completed = new QWidget(card);
    QVBoxLayout* completedColumn = makeColumn(completed, Space::m);
    auto* metrics = new QHBoxLayout;
    metrics->setSpacing(Space::xxl);
    metrics->addStretch();
    m_download = new SpeedMetric(tr("Download"), QStringLiteral("arrow.down"), completed);
    metrics->addWidget(m_download);
    m_upload = new SpeedMetric(tr("Upload"), QStringLiteral("arrow.up"), completed);
    metrics->addWidget(m_upload);
    metrics->addStretch();
    completedColumn->addLayout(metrics);
    m_underLoad = makeLabel(QString(), TextStyle::callout, Colour::text, completed);
    m_underLoad->setTextFormat(Qt::RichText);
    m_underLoad->setObjectName(QStringLiteral("underLoad"));
    completedColumn->addWidget(m_underLoad, 0, Qt::AlignHCenter);
    m_lastTested = new RelativeTimeLabel(scheduler, TextStyle::caption2, Colour::secondary,
                                         //: Before how long ago the last speed test ran.
                                         tr("Last tested: "), completed);
    m_lastTested->setObjectName(QStringLiteral("lastTested"));
    completedColumn->addWidget(m_lastTested, 0, Qt::AlignHCenter);
    auto* again = makeButton(QStringLiteral("arrow.clockwise"), tr("Run Again"), completed);
    connect(again, &QPushButton::clicked, this, &SpeedTestView::runRequested);
    completedColumn->addWidget(again);
    m_pages->addWidget(completed);

    auto* failed = new QWidget(card);
    QVBoxLayout* failedColumn = makeColumn(failed, Space::s);
    auto* failedRow = new QHBoxLayout;
    failedRow->setSpacing(Space::s);
    failedRow->addWidget(makeSymbolLabel(QStringLiteral("exclamationmark.triangle.fill"), Tone::orange,
                                         SymbolSize::l, failed));
    failedRow->addWidget(makeLabel(tr("Speed test failed"), TextStyle::callout, {}, failed), 1);
    failedColumn->addLayout(failedRow);
    m_error = makeLabel(QString(), TextStyle::caption, Colour::secondary, failed);
    m_error->setWordWrap(true);
    failedColumn->addWidget(m_error);
    auto* retry = makeButton(QString(), tr("Try Again"), failed);
    connect(retry, &QPushButton::clicked, this, &SpeedTestView::runRequested);
    failedColumn->addWidget(retry);
    m_pages->addWidget(failed);

    setData(speedTestCard({}, false));
}

void SpeedTestView::showPage(SpeedTestPage page) {
    // Only the page on show takes room, so the card is as tall as that page.
    for (int i = 0; i < m_pages->count(); ++i)
        m_pages->itemAt(i)->widget()->setVisible(i == static_cast<int>(page));
}

void SpeedTestView::setData(const SpeedTestCardData& data) {
    m_run->setText(data.runText);
    if (m_drawn && data == m_data)
        return;
    m_drawn = true;
    m_data = data;
    m_server->setVisible(data.page == SpeedTestPage::completed);
    showPage(data.page);
    switch (data.page) {
    case SpeedTestPage::idle:
        break;
    case SpeedTestPage::testing:
        m_progress->setValue(data.progress);
        setSymbol(m_phaseIcon, data.phaseSymbol, Tone::blue, SymbolSize::l);
        m_phaseText->setText(data.phaseText);
        break;
    case SpeedTestPage::completed:
        m_server->setText(data.server);
        m_download->setValue(data.download);
        m_upload->setValue(data.upload);
        showUnderLoad(data);
        m_lastTested->setTime(data.lastTested);
        break;
    case SpeedTestPage::failed:
        m_error->setText(data.error);
        break;
    }
}

void SpeedTestView::showUnderLoad(const SpeedTestCardData& data) {
    m_underLoad->setAccessibleName(data.underLoad);
    if (data.grade.isEmpty()) {
        m_underLoad->setText(data.underLoad.toHtmlEscaped());
        return;
    }
    // The grade stands out in its colour; the figure before it reads as plain text.
    const QString middleDot(QChar(0x00b7));
    m_underLoad->setText(QStringLiteral("%1 %2 <b style=\"color:%3;\">%4</b>")
                             .arg(data.underLoadFigure.toHtmlEscaped(), middleDot,
                                  Palette::colour(data.gradeTone).name(), data.grade.toHtmlEscaped()));
}
