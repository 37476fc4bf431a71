#include "diagnosis/NetworkInsight.h"

std::string displayText(const NetworkInsight& insight) {
    switch (insight.kind) {
    case NetworkInsight::Kind::betterThanUsual:
        return std::to_string(insight.percent) + "% better than usual";
    case NetworkInsight::Kind::worseThanUsual:
        return std::to_string(insight.percent) + "% slower than usual";
    case NetworkInsight::Kind::consistentlyGood:
        return "Reliably good here";
    case NetworkInsight::Kind::consistentlyPoor:
        return "Usually struggles here";
    }
    return {};
}
