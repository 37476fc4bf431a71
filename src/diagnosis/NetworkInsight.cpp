#include "diagnosis/NetworkInsight.h"

#include "core/RuleText.h"

std::string_view displayTemplate(const NetworkInsight& insight) {
    switch (insight.kind) {
    case NetworkInsight::Kind::betterThanUsual:
        //: %1 is a whole percentage
        return QT_TRANSLATE_NOOP("NetworkInsight", "%1% better than usual");
    case NetworkInsight::Kind::worseThanUsual:
        //: %1 is a whole percentage
        return QT_TRANSLATE_NOOP("NetworkInsight", "%1% slower than usual");
    case NetworkInsight::Kind::consistentlyGood:
        return QT_TRANSLATE_NOOP("NetworkInsight", "Reliably good here");
    case NetworkInsight::Kind::consistentlyPoor:
        return QT_TRANSLATE_NOOP("NetworkInsight", "Usually struggles here");
    }
    return {};
}

std::string displayText(const NetworkInsight& insight) {
    std::string text(displayTemplate(insight));
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, std::to_string(insight.percent));
    return text;
}
