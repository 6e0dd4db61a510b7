#include "shown_text.h"

namespace kelvora {

std::string fillIn(std::string_view source, const std::vector<std::string>& args)
{
    std::string out;
    out.reserve(source.size() + 16);
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        if (c == '%' && i + 1 < source.size() && source[i + 1] >= '1' && source[i + 1] <= '9') {
            const std::size_t n = std::size_t(source[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string portuguese(const ShownText& m)
{
    return m.empty() ? std::string() : fillIn(m.words.source, m.args);
}

} // namespace kelvora
