#include "system/linux/StatusNotifierItem.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QtEndian>

#include <atomic>

namespace {

const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");

StatusNotifierPixmap toPixmap(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    StatusNotifierPixmap pixmap{argb.width(), argb.height(), {}};
    pixmap.pixels.resize(qsizetype(argb.width()) * argb.height() * 4);
    auto* out = reinterpret_cast<uchar*>(pixmap.pixels.data());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x, out += 4)
            qToBigEndian<quint32>(line[x], out);
    }
    return pixmap;
}

} // namespace

std::unique_ptr<StatusNotifierItem> StatusNotifierItem::create(QDBusConnection bus) {
    if (!bus.isConnected())
        return nullptr;
    qDBusRegisterMetaType<StatusNotifierPixmap>();
    qDBusRegisterMetaType<StatusNotifierPixmaps>();
    qDBusRegisterMetaType<StatusNotifierToolTip>();

    // The protocol's naming: one name per item, unique within the process.
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(++counter);
    std::unique_ptr<StatusNotifierItem> item(new StatusNotifierItem(bus, name));
    if (!bus.registerObject(QLatin1String(objectPath), item.get(),
                            QDBusConnection::ExportAllProperties | QDBusConnection::ExportAllSlots |
                                QDBusConnection::ExportAllSignals) ||
        !bus.registerService(name))
        return nullptr;
    // The first time blocks briefly, so the program knows at once whether it lives in a panel.
    if (bus.interface()->isServiceRegistered(QLatin1String(watcherService)))
        item->m_shown =
            bus.call(item->registrationCall(), QDBus::Block, 2000).type() == QDBusMessage::ReplyMessage;
    return item;
}

StatusNotifierItem::StatusNotifierItem(QDBusConnection bus, QString serviceName)
    : m_bus(std::move(bus)), m_serviceName(std::move(serviceName)),
      m_menu(m_bus,
             [this](const QString& action) {
                 if (menuActionTriggered)
                     menuActionTriggered(action);
             }),
      m_watcher(QLatin1String(watcherService), m_bus, QDBusServiceWatcher::WatchForOwnerChange) {
    // A new owner is a new watcher (a restarted panel) that knows nothing of us yet.
    connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                if (newOwner.isEmpty())
                    setShown(false);
                else
                    registerWithWatcher();
            });
}

StatusNotifierItem::~StatusNotifierItem() {
    m_bus.unregisterObject(QLatin1String(objectPath));
    m_bus.unregisterService(m_serviceName);
}

QDBusObjectPath StatusNotifierItem::menu() const {
    // The protocol's word for "no menu", which hosts then treat as missing.
    return QDBusObjectPath(m_menu.isExported() ? QLatin1String(DBusMenuExporter::objectPath)
                                               : QLatin1String("/NO_DBUSMENU"));
}

QDBusMessage StatusNotifierItem::registrationCall() const {
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(watcherService), kWatcherPath,
                                                       QLatin1String(watcherService),
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    return call;
}

void StatusNotifierItem::registerWithWatcher() {
    // Not blocking: the watcher is often the panel itself, busy starting up.
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(registrationCall(), 5000), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        setShown(!finished->isError());
    });
}

void StatusNotifierItem::setShown(bool shown) {
    if (shown == m_shown)
        return;
    m_shown = shown;
    if (shownChanged)
        shownChanged(shown);
}

void StatusNotifierItem::setLabel(const std::vector<QImage>& icons, const QString& text,
                                  const QString& toolTip) {
    StatusNotifierPixmaps pixmaps;
    for (const QImage& icon : icons)
        if (!icon.isNull())
            pixmaps.append(toPixmap(icon));
    // Each signal makes the panel fetch every property again, pixmaps included.
    if (pixmaps != m_pixmaps) {
        m_pixmaps = std::move(pixmaps);
        emit NewIcon();
    }
    if (text != m_label) {
        m_label = text;
        emit XAyatanaNewLabel(m_label, m_label);
    }
    if (toolTip != m_toolTip) {
        m_toolTip = toolTip;
        emit NewToolTip();
    }
}

void StatusNotifierItem::setMenu(const std::vector<StatusMenuEntry>& entries) {
    m_menu.setEntries(entries);
}

void StatusNotifierItem::Activate(int x, int y) {
    if (activated)
        activated(QPoint(x, y));
}

void StatusNotifierItem::SecondaryActivate(int x, int y) {
    Activate(x, y);
}

void StatusNotifierItem::ContextMenu(int x, int y) {
    if (contextMenuRequested)
        contextMenuRequested(QPoint(x, y));
}

void StatusNotifierItem::Scroll(int, const QString&) {}
