#include "system/linux/FileManagerRevealer.h"

#include "platform/UrlOpener.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QUrl>

FileManagerRevealer::FileManagerRevealer(QDBusConnection connection, UrlOpener& folderOpener, QObject* parent)
    : QObject(parent), m_connection(std::move(connection)), m_folderOpener(folderOpener) {}

void FileManagerRevealer::reveal(const QString& filePath) {
    const QUrl folder = QUrl::fromLocalFile(QFileInfo(filePath).absolutePath());
    if (!m_connection.isConnected()) {
        m_folderOpener.open(folder);
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(serviceName), QString::fromLatin1(objectPath),
                                       QString::fromLatin1(serviceName), QStringLiteral("ShowItems"));
    // The second argument is a startup-notification id; none is known here.
    call << QStringList{QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded)} << QString();
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, folder] {
        watcher->deleteLater();
        // No file manager on the bus (or one that refused): the folder at least.
        if (watcher->isError())
            m_folderOpener.open(folder);
    });
}
