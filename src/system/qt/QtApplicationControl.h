#pragma once

#include "platform/ApplicationControl.h"

// ApplicationControl with QProcess and the application's event loop.
class QtApplicationControl final : public ApplicationControl {
public:
    std::optional<QString> startDetached(const QString& program, const QStringList& arguments = {}) override;
    void quit() override;
};
