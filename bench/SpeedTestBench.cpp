// Runs the speed test's download against the given URL a number of times and prints, per run, the
// rate in Mbit/s, the process CPU seconds the run took, and the median ping to the server's host
// before and during the download in milliseconds ("-" when none came back):
// "<mbit/s> <cpu seconds> <idle ms> <loaded ms>". The pings go out as the program sends them (its
// ICMP socket where the kernel allows one, else the ping tool). One unprinted run comes first: the
// network stack's one-time start-up in a fresh process (threads, proxy settings) is not throughput,
// and a running program has long paid it.
#include "app/AppContext.h"
#include "core/SystemClock.h"
#include "platform/Clock.h"
#include "system/linux/IcmpSocketPinger.h"
#include "system/linux/IputilsPinger.h"
#include "system/qt/NetworkHttpClient.h"
#include "system/qt/ProcessCommandRunner.h"
#include "probes/SpeedTestService.h"

#include <QCoreApplication>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::string milliseconds(const std::optional<double>& value) {
    if (!value)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", *value);
    return text;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: speed-test-bench DOWNLOAD-URL [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 1;
    SystemClock clock;
    NetworkHttpClient http;
    IcmpSocketPinger socketPinger;
    ProcessCommandRunner runner;
    IputilsPinger toolPinger(runner);
    const Pinger& pinger = choosePinger(socketPinger, [&]() -> Pinger& { return toolPinger; });
    const QUrl url(QString::fromLocal8Bit(argv[1]));
    // No upload address: only the download is measured.
    SpeedTestService service(http, pinger, clock, {url, QUrl(), url.host().toStdString()});

    int done = -1;
    double cpuAtStart = 0.0;
    const auto start = [&] {
        cpuAtStart = cpuSeconds();
        service.startTest();
    };
    QObject::connect(&service, &SpeedTestService::stateChanged, &app, [&](const SpeedTestState& state) {
        if (state.isTesting())
            return;
        if (state.kind() != SpeedTestState::Kind::completed) {
            std::fprintf(stderr, "the test did not complete\n");
            QCoreApplication::exit(1);
            return;
        }
        if (done >= 0) {
            const LoadedLatency& latency = state.result().loadedLatency;
            std::printf("%.1f %.3f %s %s\n", state.result().downloadSpeed, cpuSeconds() - cpuAtStart,
                        milliseconds(latency.idle.median).c_str(),
                        milliseconds(latency.download.median).c_str());
            std::fflush(stdout);
        }
        if (++done == runs)
            QCoreApplication::quit();
        else
            QTimer::singleShot(0, &app, start);
    });
    QTimer::singleShot(0, &app, start);
    return QCoreApplication::exec();
}
