#include "sheet.h"

#include <stdexcept>

namespace kelvora {

Sheet::Sheet(const std::vector<ControlSpec>& specs)
{
    for (const ControlSpec& s : specs) {
        Control c;
        c.text = s.text;
        c.visible = s.visible;
        c.checked = s.checked;
        c.itemIndex = s.itemIndex;
        c.top = s.top;
        c.height = s.height;
        c.font = s.font;
        if (s.kind == Kind::List || s.kind == Kind::Combo) {
            if (c.itemIndex < 0)
                for (std::size_t i = 0; i < s.items.size(); ++i)
                    if (s.items[i] == s.text) {
                        c.itemIndex = static_cast<int>(i);
                        break;
                    }
        }
        if (!controls_.emplace(s.name, c).second)
            throw std::logic_error("controle repetido: " + s.name);
        specs_.emplace(s.name, s);
        order_.push_back(s.name);
    }
}

Control& Sheet::operator[](std::string_view name)
{
    auto it = controls_.find(name);
    if (it == controls_.end())
        throw std::out_of_range("controle desconhecido: " + std::string(name));
    return it->second;
}

const Control& Sheet::operator[](std::string_view name) const
{
    auto it = controls_.find(name);
    if (it == controls_.end())
        throw std::out_of_range("controle desconhecido: " + std::string(name));
    return it->second;
}

bool Sheet::has(std::string_view name) const
{
    return controls_.find(name) != controls_.end();
}

const ControlSpec& Sheet::spec(std::string_view name) const
{
    auto it = specs_.find(name);
    if (it == specs_.end())
        throw std::out_of_range("controle desconhecido: " + std::string(name));
    return it->second;
}

} // namespace kelvora
