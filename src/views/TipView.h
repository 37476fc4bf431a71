#pragma once

#include "core/Tone.h"
#include "diagnosis/Tip.h"

#include <QFrame>

// One tip in a list: its symbol in the priority's colour, title, description and action.
class TipView final : public QFrame {
    Q_OBJECT

public:
    explicit TipView(const Tip& tip, QWidget* parent = nullptr);

    // Red for critical, orange for a warning, blue for information.
    static Tone priorityTone(TipPriority priority);
};
