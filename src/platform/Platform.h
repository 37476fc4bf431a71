#pragma once

class Clock;
class CommandRunner;
class HttpClient;
class LoginItemService;
class PreferencesStore;

// The real platform implementations, created once per process on first use. Services' shared()
// instances take them from here; tests pass fakes to the services' constructors instead.
namespace platform {
Clock& clock();
CommandRunner& commandRunner();
PreferencesStore& preferences();
LoginItemService& loginItems();
HttpClient& http();
} // namespace platform
