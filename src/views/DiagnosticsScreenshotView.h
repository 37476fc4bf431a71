#pragma once

#include "viewmodel/DiagnosticsState.h"

#include <QWidget>

// The picture "Copy Screenshot" takes: a dated header, the link, quality, ping, DNS and throughput
// cards, and the first recommendations.
class DiagnosticsScreenshotView final : public QWidget {
    Q_OBJECT

public:
    explicit DiagnosticsScreenshotView(const DiagnosticsState& state, QWidget* parent = nullptr);
};
