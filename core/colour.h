#pragma once
#include <cstdint>
#include <string>

namespace kelvora {

// The few colours the tabs use. Window and WindowText are the desktop's own
// (a field or label left as the theme draws it); the rest are fixed RGB values.
enum class Colour { Window, WindowText, Black, White, Red, Lime, Yellow };

struct ColourPair {
    Colour background;
    Colour font;
};

// Verdicts: good on lime with black text, bad on red with white text;
// the valve modulator's "low power" warning is yellow with black text.
inline constexpr ColourPair GoodPair{Colour::Lime, Colour::Black};
inline constexpr ColourPair BadPair{Colour::Red, Colour::White};
inline constexpr ColourPair WarnPair{Colour::Yellow, Colour::Black};

// 0xRRGGBB of a fixed colour; system colours have no fixed value and give 0.
std::uint32_t rgb(Colour c);
// "window", "windowtext" or "#rrggbb".
std::string colourName(Colour c);

} // namespace kelvora
