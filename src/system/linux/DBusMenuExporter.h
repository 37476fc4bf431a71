#pragma once

#include "platform/StatusItem.h"
#include "system/linux/DBusMenuTypes.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>

#include <functional>
#include <vector>

// Publishes a flat menu in the com.canonical.dbusmenu protocol, which panels use to draw a tray
// item's menu themselves (GNOME's AppIndicator extension, KDE Plasma, Xfce's tray). Entry i has
// the id i + 1; the id 0 is the menu itself.
class DBusMenuExporter final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    static constexpr const char* objectPath = "/MenuBar";

    // Exports the menu on `bus`; `triggered` receives the action of each entry the user chooses.
    DBusMenuExporter(QDBusConnection bus, std::function<void(const QString&)> triggered);
    ~DBusMenuExporter() override;

    bool isExported() const { return m_exported; }
    // Tells the panels only what differs from the menu they have.
    void setEntries(const std::vector<StatusMenuEntry>& entries);

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   DBusMenuLayoutItem& layout);
    DBusMenuItemPropertiesList GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const DBusMenuEventList& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

signals:
    void ItemsPropertiesUpdated(const DBusMenuItemPropertiesList& updatedProperties,
                                const DBusMenuItemKeysList& removedProperties);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    bool knows(int id) const { return id >= 0 && id <= int(m_entries.size()); }
    QVariantMap propertiesOf(int id, const QStringList& names = {}) const;
    DBusMenuLayoutItem layoutOf(int id, int depth, const QStringList& names) const;
    // Answers an id the menu does not have with the protocol's error; true when it did.
    bool refuseUnknown(int id);

    QDBusConnection m_bus;
    std::function<void(const QString&)> m_triggered;
    std::vector<StatusMenuEntry> m_entries;
    uint m_revision = 1;
    bool m_exported = false;
};
