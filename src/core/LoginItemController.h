#pragma once

#include <QObject>

class LoginItemService;
class PreferencesStore;

// The launch-at-login switch: registers or unregisters the program as a login item, and keeps the
// wanted state under its settings key once the login item has changed. The switch shows the login
// item's own state, which the user can change outside the program.
class LoginItemController final : public QObject {
    Q_OBJECT

public:
    LoginItemController(PreferencesStore& store, LoginItemService& loginItems, QObject* parent = nullptr);

    // The stored state: what the switch was last set to with success.
    bool launchAtLogin() const;
    // Registers (wanted) or unregisters the login item and, on success, stores `wanted`. Answers the
    // state the switch must show afterwards: the opposite of `wanted` when the change failed.
    bool setLaunchAtLogin(bool wanted);
    // What the switch shows when it appears.
    bool launchAtLoginEnabled() const;

signals:
    void launchAtLoginChanged(bool value);

private:
    PreferencesStore& m_store;
    LoginItemService& m_loginItems;
};
