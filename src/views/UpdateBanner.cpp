#include "views/UpdateBanner.h"

#include "views/ActivityIndicator.h"
#include "views/kit/Buttons.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Metrics;

namespace {

// The banner's titles are body text, its notes captions.
QLabel* label(const QString& text, TextStyle style, QFont::Weight weight, Colour colour, const char* name) {
    QLabel* l = makeLabel(text, style, colour);
    QFont font = l->font();
    font.setWeight(weight);
    l->setFont(font);
    l->setObjectName(QLatin1String(name));
    return l;
}

} // namespace

UpdateBanner::UpdateBanner(UpdateBannerPresenter& presenter, QWidget* parent)
    : QFrame(parent), m_presenter(presenter) {
    setObjectName(QStringLiteral("updateBanner"));
    setFrameShape(QFrame::StyledPanel);
    m_pages = new QStackedWidget(this);
    m_availablePage = makeAvailablePage();
    m_downloadingPage = makeDownloadingPage();
    m_readyPage = makeReadyPage();
    for (QWidget* page : {m_availablePage, m_downloadingPage, m_readyPage})
        m_pages->addWidget(page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding(Space::mPlus, Space::m));
    layout->addWidget(m_pages);

    connect(&m_presenter, &UpdateBannerPresenter::changed, this, &UpdateBanner::refresh);
    refresh();
}

QWidget* UpdateBanner::makeAvailablePage() {
    auto* page = new QWidget;
    m_availableTitle = label(QString(), TextStyle::body, QFont::Medium, Colour::text, "updateTitle");
    m_availableTitle->setWordWrap(true);
    m_releaseNotes = label(QString(), TextStyle::caption, QFont::Normal, Colour::secondary, "releaseNotes");
    m_releaseNotes->setWordWrap(true);
    m_updateButton = new QPushButton(tr("Update"));
    m_updateButton->setDefault(true);
    m_dismissButton = new QToolButton;
    m_dismissButton->setIcon(
        symbolIcon(QStringLiteral("xmark"), Palette::colour(Colour::secondary), SymbolSize::xl));
    m_dismissButton->setAutoRaise(true);
    m_dismissButton->setAccessibleName(tr("Dismiss"));
    connect(m_updateButton, &QPushButton::clicked, this, [this] { m_presenter.update(); });
    connect(m_dismissButton, &QToolButton::clicked, this, [this] { m_presenter.dismiss(); });

    auto* texts = new QVBoxLayout;
    texts->setSpacing(Space::xxs);
    texts->addWidget(m_availableTitle);
    texts->addWidget(m_releaseNotes);
    QHBoxLayout* row = makeRow(page);
    row->addWidget(makeSymbolLabel(QStringLiteral("arrow.down.circle.fill"), Colour::accent, SymbolSize::xxl),
                   0, Qt::AlignTop);
    row->addLayout(texts, 1);
    row->addWidget(m_updateButton);
    row->addWidget(m_dismissButton);
    return page;
}

QWidget* UpdateBanner::makeDownloadingPage() {
    auto* page = new QWidget;
    m_progressBar = new QProgressBar;
    m_progressBar->setRange(0, UpdateBannerPresenter::progressSteps);
    m_progressBar->setTextVisible(false);
    m_percent = label(QString(), TextStyle::caption, QFont::Normal, Colour::secondary, "downloadPercent");
    m_activity = new ActivityIndicator(SymbolSize::xl);

    auto* column = new QVBoxLayout;
    column->addWidget(
        label(tr("Downloading update..."), TextStyle::body, QFont::Medium, Colour::text, "downloadingTitle"));
    column->addWidget(m_progressBar);
    QHBoxLayout* row = makeRow(page);
    row->addLayout(column, 1);
    row->addWidget(m_percent);
    row->addWidget(m_activity);
    return page;
}

QWidget* UpdateBanner::makeReadyPage() {
    auto* page = new QWidget;
    m_relaunchButton = new QPushButton(buttonSymbol(QStringLiteral("arrow.clockwise"), this, SymbolSize::xl),
                                       tr("Relaunch Linkmeter"));
    QFont font = m_relaunchButton->font();
    font.setWeight(QFont::Medium);
    m_relaunchButton->setFont(font);
    connect(m_relaunchButton, &QPushButton::clicked, this, [this] { m_presenter.relaunch(); });

    auto* hint = label(tr("Install the package, then relaunch"), TextStyle::caption, QFont::Normal,
                       Colour::secondary, "readyHint");
    hint->setWordWrap(true);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(Space::xxs);
    texts->addWidget(
        label(tr("Update Ready!"), TextStyle::body, QFont::DemiBold, Colour::text, "readyTitle"));
    texts->addWidget(hint);
    auto* top = new QHBoxLayout;
    top->addWidget(makeSymbolLabel(QStringLiteral("checkmark.circle.fill"), Tone::green, SymbolSize::xxl), 0,
                   Qt::AlignTop);
    top->addLayout(texts, 1);
    // The button goes below the texts: side by side they do not fit the popover's width.
    QVBoxLayout* column = makeColumn(page);
    column->addLayout(top);
    column->addWidget(m_relaunchButton, 0, Qt::AlignRight);
    return page;
}

void UpdateBanner::refresh() {
    using Page = UpdateBannerScreen::Page;
    const UpdateBannerScreen& screen = m_presenter.screen();
    switch (screen.page) {
    case Page::ready:
        m_pages->setCurrentWidget(m_readyPage);
        break;
    case Page::downloading:
        m_pages->setCurrentWidget(m_downloadingPage);
        m_progressBar->setValue(screen.progressSteps);
        m_percent->setText(screen.percent);
        break;
    case Page::available:
        m_pages->setCurrentWidget(m_availablePage);
        m_availableTitle->setText(screen.title);
        m_releaseNotes->setText(screen.releaseNotes);
        break;
    case Page::hidden:
        break;
    }
    setHidden(screen.page == Page::hidden);
}
