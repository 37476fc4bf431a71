#pragma once

#include "core/ConnectionQuality.h"
#include "core/WiFiInfo.h"
#include "diagnosis/Tip.h"

#include <QWidget>

#include <optional>

// The picture the share button copies: a dated header, the link and score, and the tip if any.
class StatusScreenshotView final : public QWidget {
    Q_OBJECT

public:
    StatusScreenshotView(const std::optional<WiFiInfo>& wifiInfo, const ConnectionQuality& quality,
                         const std::optional<Tip>& tip, QWidget* parent = nullptr);
};
