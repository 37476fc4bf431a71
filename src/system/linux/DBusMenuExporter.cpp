#include "system/linux/DBusMenuExporter.h"

#include <QDBusMessage>

namespace {

// In menu labels an underscore marks the access key; a real one is written twice.
QString menuLabel(QString text) {
    return text.replace(QLatin1Char('_'), QStringLiteral("__"));
}

bool sameShape(const std::vector<StatusMenuEntry>& a, const std::vector<StatusMenuEntry>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].separator != b[i].separator)
            return false;
    return true;
}

} // namespace

DBusMenuExporter::DBusMenuExporter(QDBusConnection bus, std::function<void(const QString&)> triggered)
    : m_bus(std::move(bus)), m_triggered(std::move(triggered)) {
    registerDBusMenuTypes();
    m_exported = m_bus.isConnected() &&
                 m_bus.registerObject(QLatin1String(objectPath), this,
                                      QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                          QDBusConnection::ExportAllProperties);
}

DBusMenuExporter::~DBusMenuExporter() {
    if (m_exported)
        m_bus.unregisterObject(QLatin1String(objectPath));
}

void DBusMenuExporter::setEntries(const std::vector<StatusMenuEntry>& entries) {
    if (entries == m_entries)
        return;
    if (!sameShape(entries, m_entries)) {
        m_entries = entries;
        emit LayoutUpdated(++m_revision, 0);
        return;
    }
    DBusMenuItemPropertiesList changed;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].text != m_entries[i].text || entries[i].enabled != m_entries[i].enabled)
            changed.append(DBusMenuItemProperties{int(i) + 1, {}});
    m_entries = entries;
    for (DBusMenuItemProperties& item : changed)
        item.properties = propertiesOf(item.id);
    if (!changed.isEmpty())
        emit ItemsPropertiesUpdated(changed, {});
}

QVariantMap DBusMenuExporter::propertiesOf(int id, const QStringList& names) const {
    QVariantMap properties;
    if (id == 0) {
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    } else {
        const StatusMenuEntry& entry = m_entries[std::size_t(id - 1)];
        if (entry.separator) {
            properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
        } else {
            properties.insert(QStringLiteral("label"), menuLabel(entry.text));
            properties.insert(QStringLiteral("enabled"), entry.enabled);
        }
        properties.insert(QStringLiteral("visible"), true);
    }
    if (!names.isEmpty())
        for (auto it = properties.begin(); it != properties.end();)
            it = names.contains(it.key()) ? std::next(it) : properties.erase(it);
    return properties;
}

DBusMenuLayoutItem DBusMenuExporter::layoutOf(int id, int depth, const QStringList& names) const {
    DBusMenuLayoutItem item{id, propertiesOf(id, names), {}};
    // The menu is flat: only the root has children, and a depth of 0 asks for none.
    if (id == 0 && depth != 0)
        for (int child = 1; child <= int(m_entries.size()); ++child)
            item.children.append(layoutOf(child, depth - 1, names));
    return item;
}

bool DBusMenuExporter::refuseUnknown(int id) {
    if (knows(id))
        return false;
    if (calledFromDBus())
        sendErrorReply(QStringLiteral("com.canonical.dbusmenu.Error.InvalidId"),
                       QStringLiteral("No menu entry has the id %1").arg(id));
    return true;
}

uint DBusMenuExporter::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                                 DBusMenuLayoutItem& layout) {
    if (refuseUnknown(parentId))
        return m_revision;
    layout = layoutOf(parentId, recursionDepth, propertyNames);
    return m_revision;
}

DBusMenuItemPropertiesList DBusMenuExporter::GetGroupProperties(const QList<int>& ids,
                                                                const QStringList& propertyNames) {
    DBusMenuItemPropertiesList answer;
    if (ids.isEmpty()) {
        for (int id = 0; id <= int(m_entries.size()); ++id)
            answer.append(DBusMenuItemProperties{id, propertiesOf(id, propertyNames)});
        return answer;
    }
    for (const int id : ids)
        if (knows(id))
            answer.append(DBusMenuItemProperties{id, propertiesOf(id, propertyNames)});
    return answer;
}

QDBusVariant DBusMenuExporter::GetProperty(int id, const QString& name) {
    if (refuseUnknown(id))
        return {};
    return QDBusVariant(propertiesOf(id).value(name));
}

void DBusMenuExporter::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    if (eventId != QLatin1String("clicked") || id <= 0 || !knows(id))
        return;
    const StatusMenuEntry& entry = m_entries[std::size_t(id - 1)];
    if (entry.separator || !entry.enabled || !m_triggered)
        return;
    // After the reply: an action may open windows or end the program.
    QMetaObject::invokeMethod(
        this, [this, action = entry.action] { m_triggered(action); }, Qt::QueuedConnection);
}

QList<int> DBusMenuExporter::EventGroup(const DBusMenuEventList& events) {
    QList<int> unknown;
    for (const DBusMenuEvent& event : events) {
        if (knows(event.id))
            Event(event.id, event.eventId, event.data, event.timestamp);
        else
            unknown.append(event.id);
    }
    return unknown;
}

bool DBusMenuExporter::AboutToShow(int) {
    // The menu is kept current as things change, so it never needs refreshing before it opens.
    return false;
}

QList<int> DBusMenuExporter::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    for (const int id : ids)
        if (!knows(id))
            idErrors.append(id);
    return {};
}
