#pragma once

#include <functional>

class IcmpSocketPinger;
class Pinger;

// First that works wins: the socket pinger when the kernel lets us open its socket, otherwise the
// pinger that `fallback` makes (the ping tool), which is then the only one made. The fallback is
// reported as a failure line, with the kernel's reason.
Pinger& choosePinger(IcmpSocketPinger& socket, const std::function<Pinger&()>& fallback);
