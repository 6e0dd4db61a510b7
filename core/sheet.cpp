#include "sheet.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace kelvora {

Sheet::Sheet(const std::vector<ControlSpec>& specs)
{
    controls_.reserve(specs.size());
    specs_.reserve(specs.size());
    order_.reserve(specs.size());
    std::size_t size = 16;
    while (size < 2 * specs.size())
        size *= 2;
    slots_.assign(size, Slot{});
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
                c.itemIndex = itemIndexOf(s, s.text);
        }
        if (find(s.name) >= 0)
            throw std::logic_error("controle repetido: " + s.name);
        const std::size_t h = hashOf(s.name);
        std::size_t at = h & (slots_.size() - 1);
        while (slots_[at].index >= 0)
            at = (at + 1) & (slots_.size() - 1);
        slots_[at] = Slot{h, static_cast<int>(controls_.size())};
        controls_.push_back(std::move(c));
        written_.push_back(0);
        specs_.push_back(s);
        order_.push_back(s.name);
    }
}

std::size_t Sheet::hashOf(std::string_view s) noexcept
{
    std::size_t h = 14695981039346656037ULL; // FNV-1a
    for (unsigned char c : s)
        h = (h ^ c) * 1099511628211ULL;
    return h;
}

int Sheet::find(std::string_view name) const noexcept
{
    if (slots_.empty())
        return -1;
    const std::size_t h = hashOf(name);
    for (std::size_t at = h & (slots_.size() - 1);; at = (at + 1) & (slots_.size() - 1)) {
        const Slot& slot = slots_[at];
        if (slot.index < 0)
            return -1;
        if (slot.hash == h && order_[slot.index] == name)
            return slot.index;
    }
}

std::size_t Sheet::indexOf(std::string_view name) const
{
    const int i = find(name);
    if (i < 0)
        throw std::out_of_range("controle desconhecido: " + std::string(name));
    return static_cast<std::size_t>(i);
}

Control& Sheet::operator[](std::string_view name)
{
    const std::size_t i = indexOf(name);
    written_[i] = 1;
    return controls_[i];
}

const Control& Sheet::operator[](std::string_view name) const { return controls_[indexOf(name)]; }

bool Sheet::has(std::string_view name) const { return find(name) >= 0; }

const ControlSpec& Sheet::spec(std::string_view name) const { return specs_[indexOf(name)]; }

void Sheet::forgetWrites() { std::fill(written_.begin(), written_.end(), 0); }

bool Sheet::written(std::string_view name) const { return written_[indexOf(name)] != 0; }

int itemIndexOf(const ControlSpec& spec, std::string_view text)
{
    for (std::size_t i = 0; i < spec.items.size(); ++i)
        if (spec.items[i] == text)
            return static_cast<int>(i);
    return -1;
}

} // namespace kelvora
