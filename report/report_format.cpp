#include "report_format.h"

namespace kelvora {

std::string subst(std::string_view format, std::initializer_list<std::string_view> values)
{
    std::string out;
    out.reserve(format.size() + 32);
    auto next = values.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's'
            && next != values.end()) {
            out += *next++;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

} // namespace kelvora
