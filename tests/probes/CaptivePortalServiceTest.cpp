#include "probes/CaptivePortalService.h"
#include "support/LocalHttpServer.h"
#include "support/PlatformFakes.h"
#include "support/TestUtil.h"
#include "system/qt/NetworkHttpClient.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace std::chrono_literals;

namespace {

LocalHttpServer::Reply reply(int status, const QByteArray& body, std::chrono::milliseconds delay = 0ms) {
    auto r = LocalHttpServer::Reply::answer(status, body);
    r.delay = delay;
    return r;
}

const QByteArray kProbePath = "/hotspot-detect.html";
const QByteArray kSuccessPage = "<HTML><HEAD><TITLE>Success</TITLE></HEAD><BODY>Success</BODY></HTML>";

class CaptivePortalServiceTest : public ::testing::Test {
protected:
    LocalHttpServer server;
    NetworkHttpClient http;
    RecordingUrlOpener opener;
    CaptivePortalService service{http, opener, server.url(QString::fromLatin1(kProbePath))};

    // Runs one check to completion.
    void check() {
        const auto before = server.requests(kProbePath).size();
        service.checkNow();
        ASSERT_TRUE(waitUntil([&] { return !service.isChecking(); }, 8s));
        ASSERT_EQ(server.requests(kProbePath).size(), before + 1);
    }
};

} // namespace

TEST_F(CaptivePortalServiceTest, ProbePageWithSuccessMeansConnected) {
    EXPECT_EQ(service.status(), CaptivePortalStatus::unknown());
    server.route(kProbePath, reply(200, kSuccessPage));
    check();
    EXPECT_EQ(service.status(), CaptivePortalStatus::connected());
    EXPECT_EQ(service.loginURL(), std::nullopt);
}

TEST_F(CaptivePortalServiceTest, AnyOtherAnswerIsAPortalAtTheFinalAddress) {
    server.route(kProbePath, reply(200, "<html>Welcome to Hotel WiFi</html>"));
    check();
    EXPECT_EQ(service.status(), CaptivePortalStatus::captivePortal());
    EXPECT_EQ(service.loginURL(), service.testURL());

    // "Success" in an error page is not the probe page.
    server.route(kProbePath, reply(404, kSuccessPage));
    check();
    EXPECT_EQ(service.status(), CaptivePortalStatus::captivePortal());

    // Nor is a sign-in page served as a bad request.
    server.route(kProbePath, reply(400, "<form>Room number</form>"));
    check();
    EXPECT_EQ(service.status(), CaptivePortalStatus::captivePortal());

    LocalHttpServer loginHost;
    loginHost.route("/login", reply(200, "<form>Room number</form>"));
    server.redirect(kProbePath, loginHost.url("/login?next=probe"));
    check();
    EXPECT_EQ(service.status(), CaptivePortalStatus::captivePortal());
    EXPECT_EQ(service.loginURL(), loginHost.url("/login?next=probe"));

    // A later good answer clears the sign-in page again.
    server.route(kProbePath, reply(200, kSuccessPage));
    check();
    EXPECT_EQ(service.loginURL(), std::nullopt);
}

TEST_F(CaptivePortalServiceTest, EmptyOrUndecodableBodyMeansNoResponse) {
    server.route(kProbePath, reply(200, ""));
    check();
    EXPECT_EQ(service.status(), CaptivePortalStatus::noInternet("No response"));

    server.route(kProbePath, reply(200, "Success \xc3\x28 \xff"));
    check();
    EXPECT_EQ(service.status(), CaptivePortalStatus::noInternet("No response"));
    EXPECT_EQ(service.loginURL(), std::nullopt);
}

TEST_F(CaptivePortalServiceTest, StatusIsPublishedBeforeLoginAddress) {
    std::vector<std::string> order;
    QObject::connect(&service, &CaptivePortalService::statusChanged, &service,
                     [&](const CaptivePortalStatus& s) {
                         order.push_back("status");
                         // The address is still the old one while the status is announced.
                         EXPECT_EQ(s, CaptivePortalStatus::captivePortal());
                         EXPECT_EQ(service.loginURL(), std::nullopt);
                     });
    QObject::connect(&service, &CaptivePortalService::loginURLChanged, &service,
                     [&](const std::optional<QUrl>&) { order.push_back("loginURL"); });
    server.route(kProbePath, reply(200, "portal"));
    check();
    EXPECT_EQ(order, (std::vector<std::string>{"status", "loginURL"}));
}

TEST_F(CaptivePortalServiceTest, SlowAnswerTimesOutAfterFiveSecondsWithoutStackingChecks) {
    server.route(kProbePath, reply(200, kSuccessPage, 7s));
    QElapsedTimer elapsed;
    elapsed.start();
    service.checkNow();
    service.checkNow();
    service.checkNow();
    EXPECT_TRUE(service.isChecking());
    ASSERT_TRUE(waitUntil([&] { return !service.isChecking(); }, 8s));
    EXPECT_GE(elapsed.elapsed(), 4500);
    EXPECT_LT(elapsed.elapsed(), 6500);
    EXPECT_EQ(server.requests(kProbePath).size(), 1);
    EXPECT_EQ(service.status(), CaptivePortalStatus::noInternet("The connection timed out"));
}

// The banner reads what a failure means, not the client's message about the probe's host; that goes
// to the log, once while it lasts.
TEST_F(CaptivePortalServiceTest, TransportFailuresReadAsPlainSentences) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    CaptivePortalService refused{http, opener,
                                 QUrl(QStringLiteral("http://127.0.0.1:%1/hotspot-detect.html").arg(port))};

    testing::internal::CaptureStdout();
    for (int i = 0; i < 2; ++i) {
        refused.checkNow();
        ASSERT_TRUE(waitUntil([&] { return refused.status().isNoInternet() && !refused.isChecking(); }, 8s));
        spinFor(20ms);
    }
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(refused.status(), CaptivePortalStatus::noInternet("The network refused the connection"));
    EXPECT_EQ(log.rfind("Internet check failed: ", 0), 0u) << log;
    EXPECT_TRUE(log.find("refused") != std::string::npos) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
}

TEST_F(CaptivePortalServiceTest, ScheduleChecksRepeatedlyUntilStopped) {
    server.route(kProbePath, reply(200, kSuccessPage));
    service.start(0.1);
    EXPECT_TRUE(service.isChecking()); // the first check starts at once
    ASSERT_TRUE(waitUntil([&] { return server.requests(kProbePath).size() >= 3; }, 3s));
    service.stop();
    ASSERT_TRUE(waitUntil([&] { return !service.isChecking(); }));
    const auto count = server.requests(kProbePath).size();
    spinFor(400ms);
    EXPECT_EQ(server.requests(kProbePath).size(), count);
    EXPECT_EQ(service.status(), CaptivePortalStatus::connected());

    // A period that is not a usable number falls back to the default instead of probing flat out.
    for (double bad : {std::nan(""), 0.0, -5.0}) {
        const auto before = server.requests(kProbePath).size();
        service.start(bad);
        spinFor(400ms);
        EXPECT_EQ(server.requests(kProbePath).size(), before + 1) << bad;
        EXPECT_TRUE(service.isRunning());
    }
    service.stop();
}

TEST_F(CaptivePortalServiceTest, LoginPageOpensPortalOrProbePage) {
    service.openLoginPage();
    server.route(kProbePath, reply(200, "portal"));
    server.redirect("/start", server.url("/portal/login"));
    server.redirect(kProbePath, server.url("/start"));
    server.route("/portal/login", reply(200, "sign in"));
    check();
    service.openLoginPage();
    EXPECT_EQ(opener.opened, (std::vector<QUrl>{service.testURL(), server.url("/portal/login")}));
}

TEST_F(CaptivePortalServiceTest, ReleasedServiceIgnoresLateAnswer) {
    server.route(kProbePath, reply(200, kSuccessPage, 300ms));
    auto transient =
        std::make_unique<CaptivePortalService>(http, opener, server.url(QString::fromLatin1(kProbePath)));
    transient->checkNow();
    transient.reset();
    spinFor(600ms);
    EXPECT_EQ(server.requests(kProbePath).size(), 1);
}
