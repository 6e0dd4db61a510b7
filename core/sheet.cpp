#include "sheet.h"

#include <algorithm>
#include <cstring>
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
        const Key key = keyOf(s.name);
        std::size_t at = hashOf(key) & (slots_.size() - 1);
        while (slots_[at].index >= 0)
            at = (at + 1) & (slots_.size() - 1);
        slots_[at] = Slot{key, static_cast<int>(controls_.size())};
        controls_.push_back(std::move(c));
        written_.push_back(0);
        specs_.push_back(s);
        order_.push_back(s.name);
    }
}

Sheet::Key Sheet::keyOf(std::string_view s) noexcept
{
    Key k;
    k.size = s.size();
    if (s.size() >= 8) {
        std::memcpy(&k.head, s.data(), 8);
        std::memcpy(&k.tail, s.data() + s.size() - 8, 8);
    } else if (!s.empty()) {
        std::memcpy(&k.head, s.data(), s.size());
    }
    return k;
}

std::size_t Sheet::hashOf(const Key& k) noexcept
{
    // Two multiplications by odd constants (the golden ratio's and
    // Murmur3's), folded, then the high bits brought down for the mask.
    std::uint64_t h = k.head * 0x9E3779B97F4A7C15ULL ^ (k.tail + k.size) * 0xC2B2AE3D27D4EB4FULL;
    h ^= h >> 32;
    return static_cast<std::size_t>(h);
}

int Sheet::find(std::string_view name) const noexcept
{
    if (slots_.empty())
        return -1;
    const Key key = keyOf(name);
    for (std::size_t at = hashOf(key) & (slots_.size() - 1);; at = (at + 1) & (slots_.size() - 1)) {
        const Slot& slot = slots_[at];
        if (slot.index < 0)
            return -1;
        if (slot.key == key && (key.size <= 16 || order_[slot.index] == name))
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

int itemIndexOfTextOrKey(const ControlSpec& spec, std::string_view textOrKey)
{
    if (const int i = itemIndexOf(spec, textOrKey); i >= 0)
        return i;
    for (std::size_t i = 0; i < spec.keys.size(); ++i)
        if (spec.keys[i] == textOrKey)
            return static_cast<int>(i);
    return -1;
}

std::string_view itemKey(const ControlSpec& spec, int index)
{
    if (index < 0 || std::size_t(index) >= spec.keys.size())
        return {};
    return spec.keys[std::size_t(index)];
}

} // namespace kelvora
