#pragma once

#include "platform/UrlOpener.h"

// Hands the address to the desktop's default handler (xdg-open and friends, through Qt).
class DesktopUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override;
};
