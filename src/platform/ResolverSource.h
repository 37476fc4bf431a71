#pragma once

#include <optional>
#include <string>

// Which DNS server the system resolver asks first. None when it cannot be found. Called from
// worker threads.
class ResolverSource {
public:
    virtual ~ResolverSource() = default;
    virtual std::optional<std::string> firstNameserver() const = 0;
};
