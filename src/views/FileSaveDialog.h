#pragma once

#include "platform/SaveDialog.h"

// The save dialog of Qt Widgets, modal over whatever window is active.
class FileSaveDialog final : public SaveDialog {
public:
    std::optional<QString> chooseLocation(const SaveRequest& request) override;
};
