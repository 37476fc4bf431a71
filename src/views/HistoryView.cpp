#include "views/HistoryView.h"

#include "viewmodel/HistoryPresenter.h"
#include "views/HistoryChart.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Metrics;

namespace {

// A legend entry: a swatch of `colour` (a line or a block) and its caption.
QWidget* legendEntry(const QString& caption, Tone colour, bool block, double opacity, QWidget* parent) {
    auto* entry = new QWidget(parent);
    QHBoxLayout* layout = makeRow(entry, Space::xsPlus);
    auto* swatch = new QWidget(entry);
    swatch->setFixedSize(block ? Size::legendBlock : Size::legendLine);
    styleBox(swatch, colour, opacity, block ? Radius::swatch : Radius::hairline);
    layout->addWidget(swatch, 0, Qt::AlignVCenter);
    layout->addWidget(makeLabel(caption, TextStyle::caption, Colour::secondary, entry));
    return entry;
}

// Some styles draw a checked button much like an unchecked one; bold text tells them apart anywhere.
void markChosen(QAbstractButton* button, bool chosen) {
    button->setChecked(chosen);
    QFont font = button->font();
    font.setBold(chosen);
    button->setFont(font);
}

} // namespace

HistoryView::HistoryView(HistoryPresenter& presenter, QWidget* parent)
    : QWidget(parent), m_presenter(presenter) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding(Space::xl, Space::lPlus));
    layout->setSpacing(Space::mPlus);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(Space::none);
    auto* group = new QButtonGroup(this);
    const auto& ranges = presenter.screen().ranges;
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        auto* button = new QPushButton(ranges[i].title, this);
        button->setCheckable(true);
        button->setObjectName(QStringLiteral("range%1").arg(i));
        group->addButton(button, static_cast<int>(i));
        bar->addWidget(button);
        m_rangeButtons.push_back(button);
    }
    connect(group, &QButtonGroup::idClicked, this,
            [this](int id) { m_presenter.chooseRange(static_cast<std::size_t>(id)); });
    bar->addStretch();
    auto* exportButton = new QPushButton(tr("Export CSV..."), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    connect(exportButton, &QPushButton::clicked, this, [this] { m_presenter.exportShownRange(); });
    bar->addWidget(exportButton);
    layout->addLayout(bar);

    m_chart = new HistoryChart(this);
    layout->addWidget(m_chart, 1);

    auto* legend = new QHBoxLayout;
    legend->setSpacing(Space::xl);
    legend->addWidget(legendEntry(tr("Quality score"), Tone::green, false, 1.0, this));
    legend->addWidget(legendEntry(tr("Internet latency"), Tone::blue, false, 1.0, this));
    legend->addWidget(legendEntry(tr("Packet loss"), Tone::red, true, 0.35, this));
    legend->addWidget(legendEntry(tr("Event (point at it for details)"), Tone::gray, true, 1.0, this));
    legend->addStretch();
    layout->addLayout(legend);

    connect(&presenter, &HistoryPresenter::changed, this, &HistoryView::render);
    render();
}

void HistoryView::render() {
    const HistoryScreen& screen = m_presenter.screen();
    for (std::size_t i = 0; i < m_rangeButtons.size() && i < screen.ranges.size(); ++i)
        markChosen(m_rangeButtons[i], screen.ranges[i].chosen);
    m_chart->setData(screen.window.from, screen.window.to, screen.window.bucket, screen.samples,
                     screen.events);
}

void HistoryView::showEvent(QShowEvent* event) {
    m_presenter.setShown(true);
    QWidget::showEvent(event);
}

void HistoryView::hideEvent(QHideEvent* event) {
    m_presenter.setShown(false);
    QWidget::hideEvent(event);
}
