#include "views/DiagnosticsContentView.h"

#include "viewmodel/DiagnosticsPresenter.h"
#include "views/DiagnosticsScreenshotView.h"
#include "views/TipView.h"

#include "support/StatusFixture.h"
#include "support/TestUtil.h"
#include "viewmodel/StatusPresenter.h"
#include "views/AdditionalInfoRow.h"
#include "views/CompactQualityBadge.h"
#include "views/ConnectionInfoView.h"
#include "views/ConnectionQualityView.h"
#include "views/DNSView.h"
#include "views/DiagnosticsToolbar.h"
#include "views/DiagnosticsView.h"
#include "views/MainPopoverView.h"
#include "views/MetricItem.h"
#include "views/PermissionPromptView.h"
#include "views/PingCard.h"
#include "views/QualityBreakdownRow.h"
#include "views/SparklineView.h"
#include "views/SpeedTestView.h"
#include "views/TipsSection.h"
#include "views/kit/CollapsibleHeader.h"
#include "views/kit/Palette.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

namespace {

using namespace std::chrono_literals;

QColor colourOf(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

bool shows(const QWidget* widget, const QWidget& root) {
    return widget->isVisibleTo(&root);
}

bool showsText(const QWidget& root, const QString& text) {
    for (const QLabel* label : root.findChildren<QLabel*>())
        if (label->text() == text && label->isVisibleTo(&root))
            return true;
    return false;
}

PingStatistics stats(double average, double jitter, double loss, int samples = 20) {
    PingStatistics s;
    s.averageLatency = average;
    s.jitter = jitter;
    s.packetLoss = loss;
    s.samplesCount = samples;
    return s;
}

WiFiInfo link(std::string ssid) {
    WiFiInfo wifi;
    wifi.ssid = std::move(ssid);
    wifi.rssi = -65;
    wifi.noise = -92;
    wifi.channel = 36;
    wifi.channelWidth = 80;
    wifi.band = WiFiBand::band5GHz;
    wifi.transmitRate = 866.7;
    return wifi;
}

Tip tip(int n) {
    Tip t;
    t.icon = "lightbulb.fill";
    t.title = "Tip " + std::to_string(n);
    t.description = "Advice number " + std::to_string(n);
    return t;
}

ConnectionQuality scored(int score) {
    ConnectionQuality q;
    q.score = score;
    q.rating = qualityRatingForScore(score);
    return q;
}

// Counts the paints a widget receives.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(const QWidget* widget) { const_cast<QWidget*>(widget)->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

DiagnosticsState measured() {
    DiagnosticsState state;
    state.wifiInfo = link("Home");
    state.quality = scored(88);
    state.internetPingStats = stats(24.2, 3, 0);
    state.internetPingHistory = {22, 25, 24, 26};
    DNSResult dns;
    dns.server = "192.168.1.1";
    dns.lookupTime = 31;
    dns.resolvedIP = "104.16.132.229";
    state.dnsResult = dns;
    state.dnsHistory = {30, 31};
    state.bandwidthSpeed = {1'500'000, 20'000};
    state.downloadHistory = {1.4e6, 1.5e6};
    state.uploadHistory = {2e4, 2e4};
    state.isMonitoring = true;
    return state;
}

class DiagnosticsPageTest : public ::testing::Test {
protected:
    StatusFixture f;
    DiagnosticsPresenter presenter{f.exporter};
    DiagnosticsContentView page{presenter, std::nullopt, f.scheduler};
};

} // namespace

TEST(SpeedTestCard, EachStateHasItsPage) {
    ManualClock clock;
    ManualScheduler scheduler(clock);
    SpeedTestView card(scheduler);
    auto* run = card.findChild<QPushButton*>("run");
    EXPECT_TRUE(shows(run, card));
    EXPECT_EQ(run->text(), "Run Speed Test");

    card.setData(speedTestCard(SpeedTestState::testing(SpeedTestPhase::upload, 0.4), false));
    EXPECT_FALSE(shows(run, card));
    EXPECT_TRUE(showsText(card, "Testing Upload..."));
    QSignalSpy cancelled(&card, &SpeedTestView::cancelRequested);
    card.findChild<QPushButton*>("cancel")->click();
    EXPECT_EQ(cancelled.count(), 1);

    SpeedTestResult result;
    result.downloadSpeed = 1234.5;
    result.uploadSpeed = 48.26;
    result.serverName = "Example Edge";
    result.timestamp = clock.now() - std::chrono::minutes(5) - std::chrono::seconds(10);
    result.loadedLatency = {{15.0, 10, 0}, {53.5, 30, 1}, {40.0, 40, 0}};
    card.setData(speedTestCard(SpeedTestState::completed(result), true));
    const auto* underLoad = card.findChild<QLabel*>("underLoad");
    EXPECT_TRUE(shows(underLoad, card));
    EXPECT_EQ(underLoad->accessibleName(), "Under load: +38 ms \u00b7 B");
    EXPECT_TRUE(underLoad->text().contains(Palette::colour(Tone::yellow).name()));
    EXPECT_TRUE(showsText(card, "1.2 Gbps"));
    EXPECT_TRUE(showsText(card, "48.3 Mbps"));
    EXPECT_EQ(card.findChild<QLabel*>("lastTested")->text(), "Last tested: 5 minutes ago");
    EXPECT_TRUE(showsText(card, "Example Edge"));

    card.setData(speedTestCard(SpeedTestState::failed("The server did not answer."), true));
    EXPECT_TRUE(showsText(card, "The server did not answer."));
    EXPECT_FALSE(shows(underLoad, card));
    EXPECT_FALSE(showsText(card, "Example Edge"));
    card.setData(speedTestCard(SpeedTestState::idle(), true));
    EXPECT_EQ(run->text(), "Run Again");
}

TEST(WiFiCard, WithheldNameNoiseAndTheThreeContents) {
    ConnectionInfoView card;
    QSignalSpy asked(&card, &ConnectionInfoView::requestLocation);
    card.setData(wifiCard(link("Home"), true));
    EXPECT_FALSE(shows(card.findChild<QLabel*>("locationIcon"), card));
    EXPECT_EQ(card.findChild<MetricItem*>("signal")->findChild<QLabel*>("value")->text(), "-65 dBm");
    EXPECT_EQ(colourOf(card.findChild<MetricItem*>("signal")->findChild<QLabel*>("value")),
              Palette::colour(Tone::yellow));
    EXPECT_EQ(card.findChild<MetricItem*>("noise")->findChild<QLabel*>("value")->text(), "-92 dBm");
    EXPECT_EQ(card.findChild<MetricItem*>("rate")->findChild<QLabel*>("value")->text(), "866 Mbps");
    EXPECT_TRUE(showsText(card, "5 GHz"));

    WiFiInfo withheld = link(std::string(unknownNetworkSSID));
    withheld.noise.reset();
    withheld.band = WiFiBand::unknown;
    card.setData(wifiCard(withheld, false));
    EXPECT_TRUE(shows(card.findChild<QLabel*>("locationIcon"), card));
    EXPECT_EQ(card.findChild<MetricItem*>("noise")->findChild<QLabel*>("value")->text(), "--");
    EXPECT_FALSE(showsText(card, "Unknown"));
    card.findChild<AdditionalInfoRow*>()->setExpanded(true);
    EXPECT_TRUE(showsText(card, "36 (80 MHz)"));
    EXPECT_FALSE(showsText(card, "SNR"));
    // The row itself asks for the permission the name needs.
    card.show();
    QTest::mouseClick(card.findChild<QLabel*>("ssid"), Qt::LeftButton);
    EXPECT_EQ(asked.count(), 1);

    card.setData(wifiCard(std::nullopt, false));
    EXPECT_TRUE(shows(card.findChild<PermissionPromptView*>(), card));
    EXPECT_FALSE(shows(card.findChild<QWidget*>("notConnected"), card));
    card.findChild<PermissionPromptView*>()->findChild<QPushButton*>()->click();
    EXPECT_EQ(asked.count(), 2);
    card.setData(wifiCard(std::nullopt, true));
    EXPECT_FALSE(shows(card.findChild<PermissionPromptView*>(), card));
    EXPECT_TRUE(showsText(card, "Not connected to Wi-Fi"));
}

TEST_F(DiagnosticsPageTest, ZeroScoreHidesTheQualityCardAndTheBadge) {
    DiagnosticsState state;
    state.quality = scored(0);
    presenter.setScreen(state);
    EXPECT_FALSE(shows(page.findChild<ConnectionQualityView*>(), page));
    EXPECT_FALSE(shows(page.findChild<DiagnosticsToolbar*>()->findChild<CompactQualityBadge*>(), page));

    state.quality = scored(85);
    state.quality.breakdown = {90, 75, 55, 30};
    presenter.setScreen(state);
    EXPECT_TRUE(shows(page.findChild<ConnectionQualityView*>(), page));
    EXPECT_TRUE(shows(page.findChild<DiagnosticsToolbar*>()->findChild<CompactQualityBadge*>(), page));
    EXPECT_TRUE(showsText(*page.findChild<DiagnosticsToolbar*>()->findChild<CompactQualityBadge*>(), "85"));
    EXPECT_TRUE(showsText(*page.findChild<ConnectionQualityView*>(), "Good"));
    const auto rows = page.findChildren<QualityBreakdownRow*>();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_FALSE(shows(rows[2], page));
    page.findChild<ConnectionQualityView*>()->setShowBreakdown(true);
    EXPECT_TRUE(shows(rows[2], page));
    EXPECT_TRUE(showsText(*rows[2], "55"));
    EXPECT_EQ(colourOf(rows[2]->findChild<QLabel*>("score")), Palette::colour(Tone::orange));
    EXPECT_EQ(colourOf(rows[3]->findChild<QLabel*>("score")), Palette::colour(Tone::red));
}

TEST_F(DiagnosticsPageTest, TipsShowTheirCountFoldedAndThreeUnfolded) {
    DiagnosticsState state;
    presenter.setScreen(state);
    EXPECT_FALSE(shows(page.findChild<TipsSection*>(), page));

    state.tips = {tip(1), tip(2), tip(3), tip(4), tip(5)};
    presenter.setScreen(state);
    TipsSection* tips = page.findChild<TipsSection*>();
    EXPECT_TRUE(shows(tips, page));
    EXPECT_TRUE(showsText(*tips, "(5)"));
    EXPECT_TRUE(tips->findChildren<TipView*>().empty());
    tips->setExpanded(true);
    EXPECT_FALSE(showsText(*tips, "(5)"));
    EXPECT_EQ(tips->findChildren<TipView*>().size(), 3);
    EXPECT_TRUE(showsText(*tips, "Tip 3"));
    EXPECT_FALSE(showsText(*tips, "Tip 4"));
    // New advice replaces the list while it stays open.
    state.tips = {tip(9)};
    presenter.setScreen(state);
    EXPECT_EQ(tips->findChildren<TipView*>().size(), 1);
    EXPECT_TRUE(showsText(*tips, "Tip 9"));
}

TEST_F(DiagnosticsPageTest, CopiesShowTheirConfirmationForTwoSeconds) {
    DiagnosticsState state;
    state.wifiInfo = link("Home");
    state.quality = scored(91);
    state.tips = {tip(1)};
    presenter.setScreen(state);
    DiagnosticsToolbar* toolbar = page.findChild<DiagnosticsToolbar*>();
    toolbar->findChild<QMenu*>()->actions().at(0)->trigger();
    ASSERT_FALSE(f.clipboard.image.isNull());
    EXPECT_EQ(f.clipboard.image.width(), 640);
    EXPECT_EQ(toolbar->findChild<QToolButton*>("exportButton")->text(), "Screenshot copied!");
    f.scheduler.advance(1200ms);
    toolbar->copySummary();
    // The earlier copy's reset does not cut the later confirmation short.
    f.scheduler.advance(1999ms);
    EXPECT_EQ(toolbar->findChild<QToolButton*>("exportButton")->text(), "Copied!");
    f.scheduler.advance(1ms);
    EXPECT_EQ(toolbar->findChild<QToolButton*>("exportButton")->text(), "");
}

TEST(DiagnosticsBinding, FollowsTheViewModelAndRunsItsActions) {
    StatusFixture f;
    LinkmeterViewModel viewModel(f.services());
    StatusPresenter presenter({f.settings, f.memory, f.brands, f.updates, f.exporter});
    DiagnosticsPresenter diagnostics(f.exporter);
    diagnostics.bind(viewModel);
    MainPopoverView popover(presenter, diagnostics, std::nullopt, f.scheduler);
    DiagnosticsContentView* page = popover.diagnosticsView();
    popover.setShowDiagnostics(true);
    QTest::qWait(50);
    QPushButton* monitoring = page->findChild<DiagnosticsToolbar*>()->findChild<QPushButton*>("monitoring");
    ASSERT_EQ(monitoring->text(), "Start");

    monitoring->click();
    EXPECT_TRUE(viewModel.isMonitoring());
    EXPECT_TRUE(waitUntil([&] {
        return page->findChild<PingCard*>("internetCard")->findChild<QLabel*>("average")->text() == "20ms";
    }));
    EXPECT_EQ(monitoring->text(), "Stop");
    monitoring->click();
    EXPECT_FALSE(viewModel.isMonitoring());
    EXPECT_TRUE(waitUntil([&] { return monitoring->text() == "Start"; }));

    // Copying the summary goes through the view model to the clipboard.
    page->findChild<DiagnosticsToolbar*>()->findChild<QMenu*>()->actions().at(1)->trigger();
    EXPECT_FALSE(f.clipboard.text.isEmpty());
    // The report export opens its save dialog; cancelling it leaves the page as it was.
    page->findChild<DiagnosticsToolbar*>()->findChild<QMenu*>()->actions().at(3)->trigger();
    EXPECT_EQ(f.saveDialog.requests.size(), 1u);

    QSignalSpy back(page, &DiagnosticsContentView::showStatus);
    page->findChild<QToolButton*>("back")->click();
    EXPECT_EQ(back.count(), 1);
    EXPECT_FALSE(popover.showDiagnostics());
}

TEST_F(DiagnosticsPageTest, AThroughputSampleRepaintsOnlyWhatItChanged) {
    DiagnosticsState state = measured();
    presenter.setScreen(state);
    // Tall enough that every card is on screen and gets painted.
    page.setFixedHeight(1400);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    QTest::qWait(100);
    PaintCounter pingChart(page.findChild<PingCard*>("internetCard")->findChild<SparklineView*>("history"));
    PaintCounter lookupTime(page.findChild<DNSView*>()->findChild<QLabel*>("lookupTime"));
    PaintCounter downloadRate(page.findChild<QLabel*>("downloadRate"));

    state.bandwidthSpeed = {2'500'000, 20'000};
    state.downloadHistory.push_back(2.5e6);
    presenter.setScreen(state);
    QTest::qWait(100);
    EXPECT_EQ(page.findChild<QLabel*>("downloadRate")->text(), "2.5 MB/s");
    EXPECT_GT(downloadRate.count, 0);
    EXPECT_EQ(pingChart.count, 0);
    EXPECT_EQ(lookupTime.count, 0);
}

TEST(DiagnosticsToolbarView, AFailedScreenshotShowsNoConfirmation) {
    ManualClock clock;
    ManualScheduler scheduler(clock);
    DiagnosticsToolbar toolbar([] { return false; }, scheduler);
    toolbar.copyScreenshot();
    EXPECT_EQ(toolbar.findChild<QToolButton*>("exportButton")->text(), "");
}

TEST(DiagnosticsScreenshot, QualityOnlyWithAScoreAndAtMostThreeRecommendations) {
    DiagnosticsState state = measured();
    state.quality = scored(0);
    DiagnosticsScreenshotView bare(state);
    EXPECT_EQ(bare.findChild<ConnectionQualityView*>(), nullptr);
    EXPECT_FALSE(showsText(bare, "RECOMMENDATIONS"));
    EXPECT_TRUE(showsText(bare, "Home"));

    state.quality = scored(88);
    state.tips = {tip(1), tip(2), tip(3), tip(4), tip(5)};
    DiagnosticsScreenshotView full(state);
    EXPECT_NE(full.findChild<ConnectionQualityView*>(), nullptr);
    EXPECT_TRUE(showsText(full, "RECOMMENDATIONS"));
    EXPECT_EQ(full.findChildren<TipView*>().size(), 3);
}

TEST(DiagnosticsBinding, SpeedTestStartsAndCancelsThroughTheViewModel) {
    StatusFixture f;
    LocalHttpServer::Reply slow = LocalHttpServer::Reply::answer(200, "x");
    slow.delay = std::chrono::seconds(10);
    f.server.route("/__down", slow);
    LinkmeterViewModel viewModel(f.services());
    DiagnosticsPresenter presenter(f.exporter);
    presenter.bind(viewModel);
    DiagnosticsContentView page(presenter, std::nullopt, f.scheduler);
    SpeedTestView* card = page.findChild<SpeedTestView*>();

    auto* run = card->findChild<QPushButton*>("run");
    run->click();
    ASSERT_TRUE(waitUntil([&] { return !run->isVisibleTo(card); }));
    EXPECT_TRUE(viewModel.speedTestState().isTesting());
    card->findChild<QPushButton*>("cancel")->click();
    EXPECT_TRUE(waitUntil([&] { return run->isVisibleTo(card); }));
    EXPECT_FALSE(viewModel.speedTestState().isTesting());
}
