#pragma once

#include "platform/ProgramInstance.h"

#include <QDBusConnection>
#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <memory>
#include <optional>

// The running copy owns the application's name on the session bus and answers the freedesktop
// Application interface there (as desktop entries and docks expect); without a session bus it
// listens on a local socket instead.
class ApplicationInstance final : public QObject, public ProgramInstance {
    Q_OBJECT

public:
    ApplicationInstance(std::optional<QDBusConnection> bus, QString busName, QString objectPath,
                        QString socketPath, QObject* parent = nullptr);
    ~ApplicationInstance() override;

    Claim claim(const QString& action = {}) override;
    void request(const QString& action) {
        if (activated)
            activated(action);
    }

private:
    Claim claimBus(const QString& action);
    Claim claimSocket(const QString& action);
    void readRequest();

    std::optional<QDBusConnection> m_bus;
    QString m_busName;
    QString m_objectPath;
    QString m_socketPath;
    std::unique_ptr<QObject> m_busInterface;
    std::unique_ptr<QLocalServer> m_server;
};

// The freedesktop Application interface of the running copy.
class ApplicationBusInterface final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit ApplicationBusInterface(ApplicationInstance& instance) : m_instance(instance) {}

public slots:
    void Activate(const QVariantMap& platformData);
    void Open(const QStringList& uris, const QVariantMap& platformData);
    void ActivateAction(const QString& actionName, const QVariantList& parameter,
                        const QVariantMap& platformData);

private:
    ApplicationInstance& m_instance;
};
