#include "control_list.h"

#include "ajustes.h"
#include "construction.h"
#include "designs.h"

#include <QCoreApplication>

namespace kelvora {

namespace {

// The list's own words in the language of --idioma; the names, items and
// keys are what is typed, in any language.
std::string said(const char* source)
{
    return QCoreApplication::translate("KelvoraCli", source).toStdString();
}

// "  (chaves: single, dual, tapped)": the keys that may stand for the items,
// in the items' order; nothing when every key is its item's own text ("1".."6").
std::string keysNote(const ControlSpec& c)
{
    if (c.keys.empty() || c.keys == c.items)
        return {};
    std::string s = said(QT_TRANSLATE_NOOP("KelvoraCli", "  (chaves: "));
    for (std::size_t i = 0; i < c.keys.size(); ++i)
        s += (i ? ", " : "") + c.keys[i];
    return s + ")";
}

std::string line(const ControlSpec& c)
{
    std::string l = "  " + c.name;
    switch (c.kind) {
    case Kind::Radio:
        l += "=1"
             + (c.checked ? said(QT_TRANSLATE_NOOP("KelvoraCli", "  (marcado no início)"))
                          : std::string());
        break;
    case Kind::List: {
        l += ": ";
        for (std::size_t i = 0; i < c.items.size(); ++i)
            l += (i ? " | " : "") + c.items[i];
        const std::string start = c.itemIndex >= 0 && c.itemIndex < int(c.items.size())
                                      ? c.items[std::size_t(c.itemIndex)]
                                      : c.text;
        if (!start.empty())
            l += said(QT_TRANSLATE_NOOP("KelvoraCli", "  (início: ")) + start + ")";
        break;
    }
    default:
        l += "=" + c.text;
        break;
    }
    return l + keysNote(c) + "\n";
}

void block(std::string& out, const std::string& title, const std::vector<ControlSpec>& specs)
{
    out += title + "\n";
    for (const ControlSpec& c : specs)
        if (c.input)
            out += line(c);
    out += "\n";
}

} // namespace

std::string controlList()
{
    std::string out;
    for (const Design& d : designs())
        block(out, d.name + " (" + d.tab + ")", d.controls);
    block(out, said(QT_TRANSLATE_NOOP("KelvoraCli", "todos os projetos: aba Ajustes (TAjustes)")),
          ajustesControls());
    block(out,
          said(QT_TRANSLATE_NOOP("KelvoraCli",
                                 "--construcao, --sugere-nucleo, --folha: janela Construção "
                                 "(FConstrucao)")),
          construction::construcaoControls());
    return out;
}

} // namespace kelvora
