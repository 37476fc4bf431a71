#pragma once

// What sort of link a network interface is, as far as the program cares: it picks the name shown for
// the interface, its place in the list, and whether its traffic counts towards the throughput.
enum class InterfaceKind { wifi, ethernet, vpn, bridge, cellular, loopback, other };
