#pragma once

#include "core/TimePoint.h"
#include "views/kit/Colour.h"
#include "views/kit/Typography.h"

#include <QLabel>
#include <QString>

#include <chrono>
#include <optional>
#include <string>

class Scheduler;

// How long ago `then` was, in words: "just now", "1 minute ago", "3 hours ago". A moment in the future
// (the clock was set back) reads "just now".
QString relativeTimeText(TimePoint then, TimePoint now);

// A moment told as how long ago it was, after a prefix ("Last tested: 5 minutes ago"). While the label
// is on screen it reads the clock again every ten seconds, so the words stay true.
class RelativeTimeLabel final : public QLabel {
    Q_OBJECT

public:
    static constexpr std::chrono::seconds refreshInterval{10};

    RelativeTimeLabel(Scheduler& scheduler, TextStyle style, Colour colour, QString prefix = {},
                      QWidget* parent = nullptr);

    // None leaves the label empty.
    void setTime(std::optional<TimePoint> time);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();
    void refreshLater(int round);

    Scheduler& m_scheduler;
    QString m_prefix;
    std::optional<TimePoint> m_time;
    // Each showing starts a round of refreshes; hiding or showing again ends the one before.
    int m_round = 0;
};
