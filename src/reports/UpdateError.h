#pragma once

#include <exception>
#include <string>

// The update sequence's own failures; what() is the text the user is shown.
class UpdateError final : public std::exception {
public:
    enum class Kind { mountFailed, appNotFound };

    // The downloaded package cannot be read; `detail` is the packaging tool's complaint.
    static UpdateError mountFailed(const std::string& detail);
    // The package does not contain the program.
    static UpdateError appNotFound();

    Kind kind() const { return m_kind; }
    const char* what() const noexcept override { return m_description.c_str(); }

private:
    UpdateError(Kind kind, std::string description);

    Kind m_kind;
    std::string m_description;
};
