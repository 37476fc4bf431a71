#include "core/WiFiService.h"

#include "core/WiFiRefresh.h"
#include "platform/WiFiInterfaceReader.h"

WiFiService::WiFiService(WiFiInterfaceReader& reader, QObject* parent) : QObject(parent), m_reader(reader) {
    refresh();
}

void WiFiService::refresh() {
    WiFiRefreshResult result = evaluateReading(m_reader.read());
    if (result.needsLocationPermission) {
        m_needsLocationPermission = *result.needsLocationPermission;
        emit needsLocationPermissionChanged(m_needsLocationPermission);
    }
    const bool connected = result.info.has_value();
    m_currentInfo = std::move(result.info);
    emit currentInfoChanged(m_currentInfo);
    m_isConnected = connected;
    emit isConnectedChanged(m_isConnected);
}
