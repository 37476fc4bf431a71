// Time from a click on the tray item to the popover's first paint, twenty times; prints each time
// and, as the last line, the median in milliseconds. The click arrives as the status item's
// activation, posted to the event loop as a panel's D-Bus call would be.
#include "app/LinkmeterApp.h"
#include "app/TrayController.h"
#include "platform/StatusItem.h"
#include "support/StatusFixture.h"
#include "views/MainPopoverView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

class PostedClickItem final : public StatusItem {
public:
    void setLabel(const std::vector<QImage>&, const QString&, const QString&) override {}
    void setMenu(const std::vector<StatusMenuEntry>&) override {}
    bool isShown() const override { return true; }
};

// Notes the last paint event of the watched widgets since it was armed: the popover's first
// complete picture, as one repaint pass draws the window and then its children.
class FirstPaint final : public QObject {
public:
    bool armed = false;
    bool painted = false;
    QElapsedTimer clock;
    double elapsedMs = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (armed && event->type() == QEvent::Paint) {
            painted = true;
            elapsedMs = double(clock.nsecsElapsed()) / 1e6;
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    StatusFixture f;
    f.settings.setHasCompletedOnboarding(true);
    LinkmeterViewModel viewModel(f.services());
    auto owned = std::make_unique<PostedClickItem>();
    PostedClickItem* item = owned.get();
    LinkmeterApp shell(viewModel, f.shellServices(), f.notifications, f.location, std::move(owned), true,
                       {f.timeline, f.timelineWriter, f.clock, f.launchAtLogin});
    QWidget* popover = shell.tray().popover();

    FirstPaint watch;
    popover->installEventFilter(&watch);
    for (QWidget* child : popover->findChildren<QWidget*>())
        child->installEventFilter(&watch);

    std::vector<double> times;
    int unpainted = 0;
    // One warm-up opening, then twenty measured ones.
    for (int run = 0; run < 21 && unpainted < 10;) {
        popover->hide();
        QTest::qWait(100);
        watch.painted = false;
        watch.armed = true;
        watch.clock.start();
        QTimer::singleShot(0, &app, [item] { item->activated(QPoint(200, 30)); });
        const bool done = QTest::qWaitFor([&] { return watch.painted; }, 5000);
        // Let the rest of the pass (the children) arrive. Measurements published meanwhile can
        // repaint too and would move the end mark; the median keeps such rare runs out.
        QTest::qWait(30);
        watch.armed = false;
        if (!done) {
            // A popup the X server refused to map; counted and said, not timed.
            std::printf("not painted within 5 s\n");
            ++unpainted;
            continue;
        }
        // The first opening also builds fonts and caches; it is not counted.
        if (run > 0) {
            times.push_back(watch.elapsedMs);
            std::printf("open %2d: %.2f ms\n", run, watch.elapsedMs);
        }
        ++run;
    }
    if (times.size() < 20) {
        std::printf("only %zu of 20 openings painted\n", times.size());
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("median of %zu openings, click to first paint: %.2f ms\n", times.size(),
                (times[9] + times[10]) / 2.0);
    return 0;
}
