#pragma once

#include "platform/StatusItem.h"
#include "system/linux/DBusMenuExporter.h"
#include "system/linux/StatusNotifierTypes.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QObject>

#include <memory>

// The tray entry of desktops that speak the StatusNotifierItem protocol: the picture as pixmaps,
// the text as the Ayatana label (which GNOME's panel draws beside the icon) and as tooltip, and a
// menu the panel draws itself. The item follows the panel's watcher: it registers whenever one
// appears, so it comes back after a panel restart and appears when the panel starts after it.
class StatusNotifierItem final : public QObject, public StatusItem {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(StatusNotifierPixmaps IconPixmap READ iconPixmap)
    Q_PROPERTY(StatusNotifierToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString XAyatanaLabel READ label)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide)

public:
    static constexpr const char* objectPath = "/StatusNotifierItem";
    static constexpr const char* watcherService = "org.kde.StatusNotifierWatcher";

    // Puts the item and its menu on `bus`, announced to the watcher now or when one appears; none
    // when the bus is not there.
    static std::unique_ptr<StatusNotifierItem> create(QDBusConnection bus);
    ~StatusNotifierItem() override;

    void setLabel(const std::vector<QImage>& icons, const QString& text, const QString& toolTip) override;
    void setMenu(const std::vector<StatusMenuEntry>& entries) override;
    bool isShown() const override { return m_shown; }
    QString serviceName() const { return m_serviceName; }

    QString category() const { return QStringLiteral("Hardware"); }
    QString id() const { return QStringLiteral("linkmeter"); }
    QString title() const { return QStringLiteral("Linkmeter"); }
    QString status() const { return QStringLiteral("Active"); }
    QString iconName() const { return {}; }
    StatusNotifierPixmaps iconPixmap() const { return m_pixmaps; }
    StatusNotifierToolTip toolTip() const { return {QString(), {}, title(), m_toolTip}; }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const;
    QString label() const { return m_label; }
    QString labelGuide() const { return m_label; }

public slots:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString& orientation);

signals:
    void NewIcon();
    void NewToolTip();
    void NewTitle();
    void NewStatus(const QString& status);
    void XAyatanaNewLabel(const QString& label, const QString& guide);

private:
    StatusNotifierItem(QDBusConnection bus, QString serviceName);
    QDBusMessage registrationCall() const;
    void registerWithWatcher();
    void setShown(bool shown);

    QDBusConnection m_bus;
    QString m_serviceName;
    DBusMenuExporter m_menu;
    QDBusServiceWatcher m_watcher;
    StatusNotifierPixmaps m_pixmaps;
    QString m_label;
    QString m_toolTip;
    bool m_shown = false;
};
