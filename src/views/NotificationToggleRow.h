#pragma once

#include <QString>
#include <QWidget>

#include "core/Tone.h"

class QCheckBox;
class QLabel;

// One alert switch. While alerts as a whole are off the row is drawn grey, but its switch still
// works, so the choice can be made ahead of turning alerts on.
class NotificationToggleRow final : public QWidget {
    Q_OBJECT

public:
    NotificationToggleRow(const QString& icon, Tone iconTone, const QString& title, bool isOn,
                          QWidget* parent = nullptr);

    QCheckBox* toggle() const { return m_switch; }
    QString title() const;
    bool isOn() const;
    void setOn(bool on);
    bool isRowEnabled() const { return m_isEnabled; }
    void setRowEnabled(bool enabled);

signals:
    void toggled(bool on);

private:
    QString m_iconName;
    Tone m_iconTone;
    bool m_isEnabled = true;
    QLabel* m_icon = nullptr;
    QLabel* m_title = nullptr;
    QCheckBox* m_switch = nullptr;
};
