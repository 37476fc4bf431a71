#include "views/NotificationToggleRow.h"

#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

using namespace Metrics;

NotificationToggleRow::NotificationToggleRow(const QString& icon, Tone iconTone, const QString& title,
                                             bool isOn, QWidget* parent)
    : QWidget(parent), m_iconName(icon), m_iconTone(iconTone) {
    QHBoxLayout* row = makeRow(this, Space::s);
    m_icon = new QLabel(this);
    row->addWidget(makeSymbolColumn(m_icon, Size::toggleSymbolColumn, this));
    m_title = makeLabel(title, TextStyle::body, {}, this);
    m_title->setObjectName(QStringLiteral("title"));
    row->addWidget(m_title, 1);
    m_switch = new QCheckBox(this);
    m_switch->setAccessibleName(title);
    m_switch->setChecked(isOn);
    row->addWidget(m_switch);
    connect(m_switch, &QCheckBox::toggled, this, &NotificationToggleRow::toggled);
    setRowEnabled(true);
}

QString NotificationToggleRow::title() const {
    return m_title->text();
}

bool NotificationToggleRow::isOn() const {
    return m_switch->isChecked();
}

void NotificationToggleRow::setOn(bool on) {
    const QSignalBlocker blocker(m_switch);
    m_switch->setChecked(on);
}

void NotificationToggleRow::setRowEnabled(bool enabled) {
    m_isEnabled = enabled;
    setSymbol(m_icon, m_iconName, enabled ? m_iconTone : Tone::gray, SymbolSize::l);
    setLabelColour(m_title, enabled ? Colour::text : Colour::secondary);
}
