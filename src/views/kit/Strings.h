#pragma once

#include <QString>

#include <string_view>

// The domain's texts are UTF-8 views; Qt wants its own strings.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
