#include "platform/linux/StatusNotifierItem.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QtEndian>

#include <atomic>

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
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
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kWatcherService))
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
    QDBusMessage call = QDBusMessage::createMethodCall(kWatcherService, kWatcherPath, kWatcherService,
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << name;
    const QDBusMessage reply = bus.call(call, QDBus::Block, 2000);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return nullptr;
    return item;
}

StatusNotifierItem::StatusNotifierItem(QDBusConnection bus, QString serviceName)
    : m_bus(std::move(bus)), m_serviceName(std::move(serviceName)) {}

StatusNotifierItem::~StatusNotifierItem() {
    m_bus.unregisterObject(QLatin1String(objectPath));
    m_bus.unregisterService(m_serviceName);
}

void StatusNotifierItem::setLabel(const std::vector<QImage>& icons, const QString& text,
                                  const QString& toolTip) {
    m_pixmaps.clear();
    for (const QImage& icon : icons)
        if (!icon.isNull())
            m_pixmaps.append(toPixmap(icon));
    emit NewIcon();
    if (text != m_label) {
        m_label = text;
        emit XAyatanaNewLabel(m_label, m_label);
    }
    if (toolTip != m_toolTip) {
        m_toolTip = toolTip;
        emit NewToolTip();
    }
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
