#pragma once

#include "core/WiFiInfo.h"

#include <QObject>

#include <optional>

class WiFiInterfaceReader;

// Samples the current wireless link and publishes it.
class WiFiService final : public QObject {
    Q_OBJECT

public:
    // Performs one refresh, so the first snapshot is there before anyone reads it.
    explicit WiFiService(WiFiInterfaceReader& reader, QObject* parent = nullptr);

    const std::optional<WiFiInfo>& currentInfo() const { return m_currentInfo; }
    bool isConnected() const { return m_isConnected; }
    bool needsLocationPermission() const { return m_needsLocationPermission; }

    // Reads the interface synchronously and publishes the result, even when nothing changed.
    void refresh();

signals:
    void currentInfoChanged(const std::optional<WiFiInfo>& info);
    void isConnectedChanged(bool connected);
    void needsLocationPermissionChanged(bool needed);

private:
    WiFiInterfaceReader& m_reader;
    std::optional<WiFiInfo> m_currentInfo;
    bool m_isConnected = false;
    bool m_needsLocationPermission = false;
};
