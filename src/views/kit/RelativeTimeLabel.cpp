#include "views/kit/RelativeTimeLabel.h"

#include "views/kit/Scheduler.h"

#include <QCoreApplication>

#include <array>

QString relativeTimeText(TimePoint then, TimePoint now) {
    using namespace std::chrono;
    const long long seconds = duration_cast<std::chrono::seconds>(now - then).count();
    const auto text = [](const char* source, long long count = -1) {
        return QCoreApplication::translate("RelativeTimeLabel", source, nullptr, int(count));
    };
    static constexpr const char* justNow = QT_TRANSLATE_NOOP("RelativeTimeLabel", "just now");
    if (seconds < 1)
        return text(justNow);
    // One entry per unit, so each language writes its own plural; English's singular is spelt out
    // because it has no translation to pick it.
    struct Unit {
        long long seconds;
        const char* one;
        const char* many;
    };
    // Largest first; a month and a year are counted as 30 and 365 days.
    constexpr std::array<Unit, 7> units{{
        {365LL * 86400, QT_TRANSLATE_NOOP("RelativeTimeLabel", "1 year ago"),
         QT_TRANSLATE_NOOP("RelativeTimeLabel", "%n years ago")},
        {30LL * 86400, QT_TRANSLATE_NOOP("RelativeTimeLabel", "1 month ago"),
         QT_TRANSLATE_NOOP("RelativeTimeLabel", "%n months ago")},
        {7LL * 86400, QT_TRANSLATE_NOOP("RelativeTimeLabel", "1 week ago"),
         QT_TRANSLATE_NOOP("RelativeTimeLabel", "%n weeks ago")},
        {86400, QT_TRANSLATE_NOOP("RelativeTimeLabel", "1 day ago"),
         QT_TRANSLATE_NOOP("RelativeTimeLabel", "%n days ago")},
        {3600, QT_TRANSLATE_NOOP("RelativeTimeLabel", "1 hour ago"),
         QT_TRANSLATE_NOOP("RelativeTimeLabel", "%n hours ago")},
        {60, QT_TRANSLATE_NOOP("RelativeTimeLabel", "1 minute ago"),
         QT_TRANSLATE_NOOP("RelativeTimeLabel", "%n minutes ago")},
        {1, QT_TRANSLATE_NOOP("RelativeTimeLabel", "1 second ago"),
         QT_TRANSLATE_NOOP("RelativeTimeLabel", "%n seconds ago")},
    }};
    for (const Unit& unit : units) {
        if (seconds < unit.seconds)
            continue;
        const long long count = seconds / unit.seconds;
        return count == 1 ? text(unit.one) : text(unit.many, count);
    }
    return text(justNow);
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
    setText(m_time ? m_prefix + relativeTimeText(*m_time, m_scheduler.now()) : QString());
}

void RelativeTimeLabel::refreshLater(int round) {
    m_scheduler.runAfter(refreshInterval, this, [this, round] {
        if (round != m_round)
            return;
        refresh();
        refreshLater(round);
    });
}
