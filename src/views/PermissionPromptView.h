#pragma once

#include <QFrame>

#include "core/Tone.h"

class QPushButton;

// Asks for one permission: its symbol, why, and a button that asks.
class PermissionPromptView final : public QFrame {
    Q_OBJECT

public:
    PermissionPromptView(const QString& icon, Tone iconTone, const QString& message,
                         const QString& buttonText, QWidget* parent = nullptr);

signals:
    void triggered();

private:
    QPushButton* m_button = nullptr;
};
