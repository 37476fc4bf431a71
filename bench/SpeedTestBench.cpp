// Runs the speed test's download against the given URL a number of times and prints, per run, the
// rate in Mbit/s and the process CPU seconds the run took: "<mbit/s> <cpu seconds>". One unprinted
// run comes first: the network stack's one-time start-up in a fresh process (threads, proxy
// settings) is not throughput, and a running program has long paid it.
#include "core/SystemClock.h"
#include "platform/Clock.h"
#include "probes/SpeedTestService.h"
#include "system/qt/NetworkHttpClient.h"

#include <QCoreApplication>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
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
    // No upload address: only the download is measured.
    SpeedTestService service(http, clock, QUrl(QString::fromLocal8Bit(argv[1])), QUrl());

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
            std::printf("%.1f %.3f\n", state.result().downloadSpeed, cpuSeconds() - cpuAtStart);
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
