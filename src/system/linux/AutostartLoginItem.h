#pragma once

#include "platform/LoginItemService.h"

// Launch at login through the freedesktop autostart folder: a desktop entry named linkmeter.desktop
// in $XDG_CONFIG_HOME/autostart (~/.config/autostart when unset), which desktop sessions run at login.
class AutostartLoginItem final : public LoginItemService {
public:
    // The folder is looked up from the environment at each call; the entry starts `executable`
    // (default: the installed program when there is one, else this program's own absolute path, so a
    // copy started from a build folder does not end up starting itself at every login).
    explicit AutostartLoginItem(QString executable = {});

    std::optional<QString> registerItem() override;
    std::optional<QString> unregisterItem() override;
    // The entry exists and is not switched off (Hidden=true or X-GNOME-Autostart-enabled=false).
    bool isEnabled() const override;

    QString entryPath() const;

    // The Exec value that starts `program` with no arguments, quoted and escaped for a desktop entry.
    static QString execValue(const QString& program);

private:
    QString m_executable;
};
