#include "diagnosis/Tip.h"

std::optional<TipPriority> tipPriorityFromRawValue(int raw) {
    switch (raw) {
    case 1:
        return TipPriority::info;
    case 2:
        return TipPriority::warning;
    case 3:
        return TipPriority::critical;
    default:
        return std::nullopt;
    }
}
