#include "views/kit/RelativeTimeLabel.h"

#include "views/kit/Scheduler.h"

#include <array>

std::string relativeTimeText(TimePoint then, TimePoint now) {
    using namespace std::chrono;
    const long long seconds = duration_cast<std::chrono::seconds>(now - then).count();
    if (seconds < 1)
        return "just now";
    struct Unit {
        long long seconds;
        const char* name;
    };
    // Largest first; a month and a year are counted as 30 and 365 days.
    constexpr std::array<Unit, 7> units{{{365LL * 86400, "year"},
                                         {30LL * 86400, "month"},
                                         {7LL * 86400, "week"},
                                         {86400, "day"},
                                         {3600, "hour"},
                                         {60, "minute"},
                                         {1, "second"}}};
    for (const Unit& unit : units) {
        if (seconds < unit.seconds)
            continue;
        const long long count = seconds / unit.seconds;
        return std::to_string(count) + " " + unit.name + (count == 1 ? "" : "s") + " ago";
    }
    return "just now";
}

RelativeTimeLabel::RelativeTimeLabel(Scheduler& scheduler, TextStyle style, Colour colour, QString prefix,
                                     QWidget* parent)
    : QLabel(parent), m_scheduler(scheduler), m_prefix(std::move(prefix)) {
    styleLabel(this, style, colour);
}

void RelativeTimeLabel::setTime(std::optional<TimePoint> time) {
    m_time = time;
    refresh();
}

void RelativeTimeLabel::showEvent(QShowEvent* event) {
    refresh();
    refreshLater(++m_round);
    QLabel::showEvent(event);
}

void RelativeTimeLabel::hideEvent(QHideEvent* event) {
    ++m_round;
    QLabel::hideEvent(event);
}

void RelativeTimeLabel::refresh() {
    setText(m_time ? m_prefix + QString::fromStdString(relativeTimeText(*m_time, m_scheduler.now()))
                   : QString());
}

void RelativeTimeLabel::refreshLater(int round) {
    m_scheduler.runAfter(refreshInterval, this, [this, round] {
        if (round != m_round)
            return;
        refresh();
        refreshLater(round);
    });
}
