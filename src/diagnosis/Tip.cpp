#include "diagnosis/Tip.h"

#include <array>
#include <random>

std::optional<TipPriority> tipPriorityFromRawValue(int raw) {
    switch (raw) {
    case 1:
        return TipPriority::info;
    case 2:
        return TipPriority::warning;
    case 3:
        return TipPriority::critical;
    default:
        return std::nullopt;
    }
}

std::string makeTipId() {
    // Tips are made on the main thread only, but a per-thread engine costs nothing and keeps it safe.
    thread_local std::mt19937_64 engine{[] {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device()};
        return std::mt19937_64(seed);
    }()};
    std::array<unsigned char, 16> bytes{};
    for (std::size_t i = 0; i < bytes.size(); i += 8) {
        auto word = engine();
        for (std::size_t j = 0; j < 8; ++j, word >>= 8)
            bytes[i + j] = static_cast<unsigned char>(word & 0xff);
    }
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0f) | 0x40); // version 4
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3f) | 0x80); // RFC 4122 variant

    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(36);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text.push_back('-');
        text.push_back(digits[bytes[i] >> 4]);
        text.push_back(digits[bytes[i] & 0x0f]);
    }
    return text;
}
