#pragma once

#include "platform/Clipboard.h"

// The application's clipboard through QGuiApplication.
class GuiClipboard final : public Clipboard {
public:
    void setText(const QString& text) override;
    void setImage(const QImage& image) override;
};
