#include "colour.h"

#include <cstdio>

namespace kelvora {

std::uint32_t rgb(Colour c)
{
    switch (c) {
    case Colour::Black:
        return 0x000000;
    case Colour::White:
        return 0xFFFFFF;
    case Colour::Red:
        return 0xFF0000;
    case Colour::Lime:
        return 0x00FF00;
    case Colour::Yellow:
        return 0xFFFF00;
    case Colour::Window:
    case Colour::WindowText:
        break;
    }
    return 0;
}

std::string colourName(Colour c)
{
    if (c == Colour::Window)
        return "window";
    if (c == Colour::WindowText)
        return "windowtext";
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06x", static_cast<unsigned>(rgb(c)));
    return buf;
}

} // namespace kelvora
