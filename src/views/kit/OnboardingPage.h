#pragma once

#include <QString>

class QVBoxLayout;
class QWidget;

// The column of an onboarding page, set on `page`: wide margins, its content centred in the height
// (the page adds the closing stretch after its last item).
QVBoxLayout* makeOnboardingColumn(QWidget* page);

// A green checkmark and `text`: the step is done.
QWidget* makeConfirmation(const QString& text, QWidget* parent);
