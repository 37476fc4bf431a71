#include "core/AppSettings.h"

void AppSettings::resetToDefaults() {
    setLatencyWarningThreshold(setting::latencyWarningThreshold.fallback);
    setLatencyCriticalThreshold(setting::latencyCriticalThreshold.fallback);
    setPacketLossWarningThreshold(setting::packetLossWarningThreshold.fallback);
    setPacketLossCriticalThreshold(setting::packetLossCriticalThreshold.fallback);
}
