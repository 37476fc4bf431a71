#pragma once

#include <QUrl>

// Opens a web address in the user's default browser.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Answers whether the desktop accepted the request.
    virtual bool open(const QUrl& url) = 0;
};
