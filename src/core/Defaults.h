#pragma once

// Values used when the user has set nothing, each defined once for the settings and the services.
namespace defaults {
inline constexpr double pingIntervalSeconds = 2.0;
// The internet host pinged by the monitor, and the ping target the settings start with.
inline constexpr char internetHost[] = "1.1.1.1";
inline constexpr int latencyWarningThreshold = 50;
inline constexpr int latencyCriticalThreshold = 100;
inline constexpr double packetLossWarningThreshold = 1.0;
inline constexpr double packetLossCriticalThreshold = 5.0;
inline constexpr double captivePortalCheckIntervalSeconds = 10.0;
// Where the metrics for Prometheus are served: this machine only, on the port set aside for them.
inline constexpr char metricsAddress[] = "127.0.0.1:9469";
} // namespace defaults
