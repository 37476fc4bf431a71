#pragma once

#include "platform/FileRevealer.h"

#include <QDBusConnection>
#include <QObject>

class UrlOpener;

// Asks the desktop's file manager (org.freedesktop.FileManager1 on the session bus) to show a file
// selected. Where no file manager answers, opens the file's folder with the desktop's default handler.
class FileManagerRevealer final : public QObject, public FileRevealer {
    Q_OBJECT

public:
    static constexpr char serviceName[] = "org.freedesktop.FileManager1";
    static constexpr char objectPath[] = "/org/freedesktop/FileManager1";

    FileManagerRevealer(QDBusConnection connection, UrlOpener& folderOpener, QObject* parent = nullptr);

    void reveal(const QString& filePath) override;

private:
    QDBusConnection m_connection;
    UrlOpener& m_folderOpener;
};
