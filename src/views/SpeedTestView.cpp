#include "views/SpeedTestView.h"

#include "viewmodel/DiagnosticsFormat.h"
#include "views/SpeedMetric.h"
#include "views/kit/Buttons.h"
#include "views/kit/CardFrame.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/RelativeTimeLabel.h"
#include "views/kit/Strings.h"
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

enum Page { idlePage, testingPage, completedPage, failedPage };

QPushButton* makeButton(const QString& symbol, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    if (!symbol.isEmpty())
        button->setIcon(buttonSymbol(symbol, parent, SymbolSize::l));
    return button;
}

} // namespace

SpeedTestView::SpeedTestView(Scheduler& scheduler, QWidget* parent) : QWidget(parent) {
    m_server = makeLabel(QString(), TextStyle::caption, Colour::secondary, this);
    CardFrame* card = CardFrame::fill(this, QStringLiteral("SPEED TEST"), m_server);
    QVBoxLayout* content = card->content();

    m_pages = new QVBoxLayout;
    m_pages->setContentsMargins(QMargins());
    content->addLayout(m_pages);

    auto* idle = new QWidget(card);
    QHBoxLayout* idleRow = makeRow(idle);
    m_run = makeButton(QStringLiteral("speedometer"), QString(), idle);
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
    m_cancel = new QPushButton(QStringLiteral("Cancel"), testing);
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
    m_download = new SpeedMetric(QStringLiteral("Download"), QStringLiteral("arrow.down"), completed);
    metrics->addWidget(m_download);
    m_upload = new SpeedMetric(QStringLiteral("Upload"), QStringLiteral("arrow.up"), completed);
    metrics->addWidget(m_upload);
    metrics->addStretch();
    completedColumn->addLayout(metrics);
    m_underLoad = makeLabel(QString(), TextStyle::callout, Colour::text, completed);
    m_underLoad->setTextFormat(Qt::RichText);
    completedColumn->addWidget(m_underLoad, 0, Qt::AlignHCenter);
    m_lastTested = new RelativeTimeLabel(scheduler, TextStyle::caption2, Colour::secondary,
                                         QStringLiteral("Last tested: "), completed);
    completedColumn->addWidget(m_lastTested, 0, Qt::AlignHCenter);
    auto* again = makeButton(QStringLiteral("arrow.clockwise"), QStringLiteral("Run Again"), completed);
    connect(again, &QPushButton::clicked, this, &SpeedTestView::runRequested);
    completedColumn->addWidget(again);
    m_pages->addWidget(completed);

    auto* failed = new QWidget(card);
    QVBoxLayout* failedColumn = makeColumn(failed, Space::s);
    auto* failedRow = new QHBoxLayout;
    failedRow->setSpacing(Space::s);
    failedRow->addWidget(makeSymbolLabel(QStringLiteral("exclamationmark.triangle.fill"), Tone::orange,
                                         SymbolSize::l, failed));
    failedRow->addWidget(makeLabel(QStringLiteral("Speed test failed"), TextStyle::callout, {}, failed), 1);
    failedColumn->addLayout(failedRow);
    m_error = makeLabel(QString(), TextStyle::caption, Colour::secondary, failed);
    m_error->setWordWrap(true);
    failedColumn->addWidget(m_error);
    auto* retry = makeButton(QString(), QStringLiteral("Try Again"), failed);
    connect(retry, &QPushButton::clicked, this, &SpeedTestView::runRequested);
    failedColumn->addWidget(retry);
    m_pages->addWidget(failed);

    setData({}, std::nullopt);
}

void SpeedTestView::showPage(int index) {
    // Only the page on show takes room, so the card is as tall as that page.
    m_page = index;
    for (int i = 0; i < m_pages->count(); ++i)
        m_pages->itemAt(i)->widget()->setVisible(i == index);
}

int SpeedTestView::page() const {
    return m_page;
}

void SpeedTestView::setData(const SpeedTestState& state, const std::optional<SpeedTestResult>& lastResult) {
    m_run->setText(lastResult ? QStringLiteral("Run Again") : QStringLiteral("Run Speed Test"));
    if (m_hasState && state == m_state)
        return;
    m_hasState = true;
    m_state = state;
    const bool completed = state.kind() == SpeedTestState::Kind::completed;
    m_server->setVisible(completed);
    switch (state.kind()) {
    case SpeedTestState::Kind::idle:
        showPage(idlePage);
        break;
    case SpeedTestState::Kind::testing: {
        showPage(testingPage);
        m_progress->setValue(static_cast<int>(std::clamp(state.progress(), 0.0, 1.0) * 1000));
        const bool download = state.phase() == SpeedTestPhase::download;
        setSymbol(m_phaseIcon,
                  download ? QStringLiteral("arrow.down.circle.fill")
                           : QStringLiteral("arrow.up.circle.fill"),
                  Tone::blue, SymbolSize::l);
        const std::string_view phase = rawValue(state.phase());
        m_phaseText->setText(QStringLiteral("Testing %1...").arg(toQString(phase)));
        break;
    }
    case SpeedTestState::Kind::completed:
        showPage(completedPage);
        m_server->setText(QString::fromStdString(state.result().serverName));
        m_download->setValue(state.result().downloadSpeed);
        m_upload->setValue(state.result().uploadSpeed);
        showUnderLoad(state.result().loadedLatency);
        m_lastTested->setTime(state.result().timestamp);
        break;
    case SpeedTestState::Kind::failed:
        showPage(failedPage);
        m_error->setText(QString::fromStdString(state.error()));
        break;
    }
}

void SpeedTestView::showUnderLoad(const LoadedLatency& latency) {
    const QString line = QString::fromStdString(underLoadText(latency));
    m_underLoad->setAccessibleName(line);
    const auto grade = latency.grade();
    const qsizetype split = line.lastIndexOf(QStringLiteral(" \u00b7 "));
    if (!grade || split < 0) {
        m_underLoad->setText(line.toHtmlEscaped());
        return;
    }
    // The grade stands out in its colour; the figure before it reads as plain text.
    const QString gradeText = line.mid(split + 3);
    m_underLoad->setText(QStringLiteral("%1 \u00b7 <b style=\"color:%2\">%3</b>")
                             .arg(line.left(split).toHtmlEscaped(), Palette::colour(tone(*grade)).name(),
                                  gradeText.toHtmlEscaped()));
}
