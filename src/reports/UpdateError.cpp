#include "reports/UpdateError.h"

UpdateError::UpdateError(Kind kind, std::string description)
    : m_kind(kind), m_description(std::move(description)) {}

UpdateError UpdateError::mountFailed(const std::string& detail) {
    return UpdateError(Kind::mountFailed, "Failed to open package: " + detail);
}

UpdateError UpdateError::appNotFound() {
    return UpdateError(Kind::appNotFound, "Could not find app in package");
}
