#pragma once

#include <QFuture>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>
#include <string>

class HttpClient;

// Fetches a release package into a new file in the temporary folder, writing each piece as it
// arrives (memory holds one piece at a time) and taking its SHA-256 on the way. Main thread only.
class UpdateDownloader final : public QObject {
    Q_OBJECT

public:
    struct Result {
        std::optional<QString> file; // none when the download failed; nothing of it is left then
        QString error;               // why there is no file
        std::string sha256;          // of the bytes in `file`, hexadecimal
    };
    // How much has arrived of how much the server announced, after each piece; only called when the
    // server gave a length.
    using Progress = std::function<void(qint64 received, qint64 expected)>;

    // Packages larger than `maxBytes` are refused, whatever the server announces.
    UpdateDownloader(HttpClient& http, qint64 maxBytes, QObject* parent = nullptr);

    // Releases are fetched over HTTPS only: a package that arrives in the clear could have been
    // swapped on the way. Plain HTTP is allowed for this machine itself, which nobody can sit in the
    // middle of.
    static bool accepts(const QUrl& url);

    QFuture<Result> download(const QUrl& url, Progress progress);

private:
    HttpClient& m_http;
    qint64 m_maxBytes;
};
