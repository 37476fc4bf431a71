#pragma once

#include <optional>
#include <string>
#include <vector>

// Which DNS servers the system resolver asks. Called from worker threads.
class ResolverSource {
public:
    virtual ~ResolverSource() = default;
    // The server asked first; none when it cannot be found.
    virtual std::optional<std::string> firstNameserver() const = 0;
    // Every server in the order the resolver asks them, repeats included; none when the
    // configuration cannot be read.
    virtual std::optional<std::vector<std::string>> nameservers() const = 0;
};
