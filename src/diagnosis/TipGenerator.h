#pragma once

#include "core/PingStatistics.h"
#include "core/WiFiInfo.h"
#include "diagnosis/Tip.h"
#include "probes/DNSResult.h"

#include <optional>
#include <vector>

// Every piece of advice whose condition holds, most urgent first; tips of equal priority keep a
// fixed order (signal, router, internet, DNS). A missing input only drops the tips that need it.
std::vector<Tip> generateTips(const std::optional<WiFiInfo>& wifi, const PingStatistics& router,
                              const PingStatistics& internet, const std::optional<DNSResult>& dns);
