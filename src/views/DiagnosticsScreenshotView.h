#pragma once

// Qt first: moc cannot parse the standard library headers that the domain types pull in.
#include <QWidget>

#include "views/DiagnosticsState.h"

// The picture "Copy Screenshot" takes: a dated header, the link, quality, ping, DNS and throughput
// cards, and the first recommendations.
class DiagnosticsScreenshotView final : public QWidget {
    Q_OBJECT

public:
    explicit DiagnosticsScreenshotView(const DiagnosticsState& state, QWidget* parent = nullptr);
};
