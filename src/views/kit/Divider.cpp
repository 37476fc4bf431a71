#include "views/kit/Divider.h"

#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

Divider::Divider(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("divider"));
    setFixedHeight(Metrics::Space::hairline);
    styleBox(this, Tone::gray, 0.3, Metrics::Radius::none);
}
