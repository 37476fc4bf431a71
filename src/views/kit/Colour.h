#pragma once

#include "core/Tone.h"

#include <optional>

// A colour of the interface: one of the tones, or one of the desktop's own colours, which follow its
// palette. Naming a colour that does not exist does not compile.
class Colour final {
public:
    enum class Role { text, secondary, accent, windowBackground, controlBackground };

    // The window's text colour.
    constexpr Colour() = default;
    constexpr Colour(Tone tone) : m_tone(tone) {}
    constexpr Colour(Role role) : m_role(role) {}

    constexpr std::optional<Tone> tone() const { return m_tone; }
    constexpr Role role() const { return m_role; }

    constexpr bool operator==(const Colour&) const = default;

    static const Colour text;
    // Captions, units and hints: the text colour halfway faded into the window.
    static const Colour secondary;
    static const Colour accent;
    static const Colour windowBackground;
    // Cards and the popover, a shade off the window.
    static const Colour controlBackground;

private:
    std::optional<Tone> m_tone;
    Role m_role = Role::text;
};

inline constexpr Colour Colour::text{Colour::Role::text};
inline constexpr Colour Colour::secondary{Colour::Role::secondary};
inline constexpr Colour Colour::accent{Colour::Role::accent};
inline constexpr Colour Colour::windowBackground{Colour::Role::windowBackground};
inline constexpr Colour Colour::controlBackground{Colour::Role::controlBackground};
