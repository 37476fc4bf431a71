#pragma once

#include "viewmodel/DiagnosticsCards.h"

#include <QFrame>

// One tip in a list: its symbol in the priority's colour, title, description and action.
class TipView final : public QFrame {
    Q_OBJECT

public:
    explicit TipView(const TipRow& tip, QWidget* parent = nullptr);
};
