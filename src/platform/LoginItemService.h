#pragma once

#include <QString>

#include <optional>

// Starts the program when the user logs in. Register and unregister answer nothing on success, or a
// description of what went wrong.
class LoginItemService {
public:
    virtual ~LoginItemService() = default;

    virtual std::optional<QString> registerItem() = 0;
    virtual std::optional<QString> unregisterItem() = 0;
    // Whether the program is currently set to start at login, as the system sees it.
    virtual bool isEnabled() const = 0;
};
