#include "core/LoginItemController.h"

#include "core/Log.h"
#include "core/StoredSettings.h"
#include "platform/LoginItemService.h"

LoginItemController::LoginItemController(PreferencesStore& store, LoginItemService& loginItems,
                                         QObject* parent)
    : QObject(parent), m_store(store), m_loginItems(loginItems) {}

bool LoginItemController::launchAtLogin() const {
    return readSetting(m_store, setting::launchAtLogin);
}

bool LoginItemController::setLaunchAtLogin(bool wanted) {
    const std::optional<QString> error = wanted ? m_loginItems.registerItem() : m_loginItems.unregisterItem();
    if (error) {
        logFailure("Failed to set launch at login: ", error->toStdString());
        return !wanted;
    }
    emit launchAtLoginChanged(writeSetting(m_store, setting::launchAtLogin, wanted));
    return wanted;
}

bool LoginItemController::launchAtLoginEnabled() const {
    return m_loginItems.isEnabled();
}
