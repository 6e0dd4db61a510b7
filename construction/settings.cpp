#include "construction.h"
#include "construction_data.h"

#include "shown_text.h"

#include <algorithm>
#include <string>

namespace kelvora::construction {

namespace {

// An edit of FConstrucao: its default and the range it is valid in (both ends
// included). `member` says where the value goes.
struct EditSetting {
    const char* name;
    double fallback;
    double lo, hi;
    double ConstructionSettings::*member;
};

constexpr EditSetting Edits[] = {
    {"ECoEmpil", 0.95, 0.5, 1, &ConstructionSettings::ks},
    {"ECoFatorPerdas", 1.2, 1, 3, &ConstructionSettings::kbf},
    {"ECoParede", 1.0, 0, 10, &ConstructionSettings::tube},
    {"ECoAba", 1.0, 0, 10, &ConstructionSettings::flange},
    {"ECoMargem", 0, 0, 20, &ConstructionSettings::margin},
    {"ECoIsolCamada", 0.05, 0, 2, &ConstructionSettings::interlayer},
    {"ECoIsolEnrol", 0.2, 0, 5, &ConstructionSettings::wrap},
    {"ECoFatorEnrol", 1.10, 1, 2, &ConstructionSettings::lay},
    {"ECoAbaulamento", 1.10, 1, 2, &ConstructionSettings::bulge},
    {"ECoFolga", 0.5, 0, 10, &ConstructionSettings::clearance},
    {"ECoTamb", 40, -40, 100, &ConstructionSettings::ambient},
    {"ECoMur", 5000, 100, 100000, &ConstructionSettings::mur},
    {"ECoBdcMax", 12000, 1000, 20000, &ConstructionSettings::bdcMax},
    {"ECoBdcProjeto", 8000, 1000, 20000, &ConstructionSettings::bdcDesign},
    {"ECoRegMax", 15, 0, 100, &ConstructionSettings::regMax},
    {"ECoTolRede", 10, 0, 30, &ConstructionSettings::lineTolerancePct},
    {"ECoJunta", 0.01, 0, 1, &ConstructionSettings::jointMm},
    {"ECoImagMax", 25, 1, 100, &ConstructionSettings::noLoadMaxPct},
};

// The U/I window (mm): empty means the scrapless proportion, so the default
// is no number; a text that is one must lie in the range.
struct UIEditSetting {
    const char* name;
    double lo, hi;
    double ConstructionSettings::*member;
};
constexpr UIEditSetting UIEdits[] = {
    {"ECoUIJanela", 1, 1000, &ConstructionSettings::uiWindow},
    {"ECoUIAltura", 1, 1000, &ConstructionSettings::uiHeight},
};

// Edits hold short numbers; the limit keeps a pasted text from growing the field.
constexpr int EditMaxLength = 12;

const char* const EnamelGrades[] = {"1", "2"};
// CBCoProjeto, in the order of Projeto, and the items' keys.
const char* const ProjetoItems[] = {KELVORA_SHOWN("Item", "Para o núcleo escolhido"),
                                    KELVORA_SHOWN("Item", "Espiras da aba")};
const char* const ProjetoKeys[] = {"chosen-core", "tab-turns"};

std::string gaugeControl(int row) { return "ECoAWG" + std::to_string(row); }

// A gauge the builder typed: a whole number 0-45, spaces around it allowed;
// nothing (-1) for an empty field, and -2 for anything else.
int typedGauge(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return -1;
    const auto last = text.find_last_not_of(' ');
    if (last - first >= 2)
        return -2;
    int v = 0;
    for (std::size_t i = first; i <= last; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -2;
        v = v * 10 + (text[i] - '0');
    }
    return v <= 45 ? v : -2;
}
// Insulation between the primary and the secondaries (IEC 61558-1).
const char* const Insulations[] = {KELVORA_SHOWN("Item", "Básica"),
                                   KELVORA_SHOWN("Item", "Reforçada")};
const char* const InsulationKeys[] = {"basic", "reinforced"};

// A list and its items' keys (one per item, in the same order).
ControlSpec list(std::string name, std::vector<std::string> items, std::vector<std::string> keys,
                 int index)
{
    ControlSpec c{.name = std::move(name),
                  .kind = Kind::List,
                  .text = items[index],
                  .items = std::move(items),
                  .keys = std::move(keys),
                  .itemIndex = index,
                  .input = true};
    return c;
}

template <class Table>
std::vector<std::string> names(const Table& t)
{
    std::vector<std::string> v;
    for (const auto& e : t)
        v.emplace_back(e.name);
    return v;
}

template <class Table>
std::vector<std::string> keys(const Table& t)
{
    std::vector<std::string> v;
    for (const auto& e : t)
        v.emplace_back(e.key);
    return v;
}

// The default's text as the user would type it.
std::string defaultText(double v, char separator) { return general(v, separator); }

// A list's chosen item, or its default when the item is not one of the list's.
int item(const Sheet& sheet, const char* name, int fallback)
{
    const Control& c = sheet[name];
    const int n = int(sheet.spec(name).items.size());
    return c.itemIndex >= 0 && c.itemIndex < n ? c.itemIndex : fallback;
}

} // namespace

std::vector<ControlSpec> construcaoControls(char decimalSeparator)
{
    std::vector<ControlSpec> v;
    v.push_back(list("CBCoProjeto", {ProjetoItems[0], ProjetoItems[1]},
                     {ProjetoKeys[0], ProjetoKeys[1]}, 0));
    v.push_back(list("CBCoAco", names(steelGrades()), keys(steelGrades()), DefaultSteel));
    for (const EditSetting& e : Edits) {
        if (std::string_view(e.name) == "ECoParede")
            v.push_back(list("CBCoGrauFio", {EnamelGrades[0], EnamelGrades[1]},
                             {EnamelGrades[0], EnamelGrades[1]}, 1));
        if (std::string_view(e.name) == "ECoTamb") {
            v.push_back(
                inputEdit(e.name, defaultText(e.fallback, decimalSeparator), EditMaxLength));
            v.push_back(
                list("CBCoClasse", names(insulationClasses()), keys(insulationClasses()), 0));
            continue;
        }
        v.push_back(inputEdit(e.name, defaultText(e.fallback, decimalSeparator), EditMaxLength));
    }
    for (const UIEditSetting& e : UIEdits)
        v.push_back(inputEdit(e.name, "", EditMaxLength));
    v.push_back(list("CBCoIsolacao", {Insulations[0], Insulations[1]},
                     {InsulationKeys[0], InsulationKeys[1]}, 0));
    const std::vector<std::string> loadNames = names(loads());
    const std::vector<std::string> loadKeys = keys(loads());
    for (int k = 1; k <= 6; ++k)
        v.push_back(list("CBCoRet" + std::to_string(k), loadNames, loadKeys, 0));
    for (int row = 1; row <= GaugeRows; ++row)
        v.push_back(inputEdit(gaugeControl(row), "", EditMaxLength));
    v.push_back(
        list("CBCoCorrRet",
             {KELVORA_SHOWN("Item", "da simulação"), KELVORA_SHOWN("Item", "do fator fixo")},
             {"simulated", "fixed-factor"}, 0));
    return v;
}

bool isConstrucaoControl(std::string_view name)
{
    static const std::vector<ControlSpec> specs = construcaoControls();
    return std::any_of(specs.begin(), specs.end(),
                       [&](const ControlSpec& c) { return c.name == name; });
}

ConstructionSettings readSettings(Sheet& construcao, const Settings& cfg)
{
    ConstructionSettings set;
    for (const EditSetting& e : Edits) {
        // The single-precision value the field holds; the default too, so that
        // an invalid text and the default text give the same figures.
        const float fallback = float(e.fallback);
        const float v = readTolerant(construcao, e.name, fallback, cfg);
        if (v >= float(e.lo) && v <= float(e.hi)) {
            set.*e.member = v;
        } else {
            Control& c = construcao[e.name];
            c.background = Colour::Red;
            if (!c.substituted)
                writeReadNote(c, say(KELVORA_WORDS("Note", "fora da faixa de %1 a %2: usado %3"),
                                     {general(e.lo, cfg), general(e.hi, cfg),
                                      shortest(fallback, cfg)}));
            c.substituted = true; // the default stands in for a number out of range too
            set.*e.member = fallback;
        }
    }
    for (const UIEditSetting& e : UIEdits) {
        Control& c = construcao[e.name];
        set.*e.member = 0;
        if (c.text.find_first_not_of(' ') == std::string::npos) {
            showRead(c, false); // the scrapless proportion
            continue;
        }
        const float v = readTolerant(construcao, e.name, 0.0f, cfg);
        if (v >= float(e.lo) && v <= float(e.hi))
            set.*e.member = v;
        else {
            c.background = Colour::Red;
            c.substituted = true; // out of range: the scrapless proportion stands in
        }
    }
    set.projeto = Projeto(item(construcao, "CBCoProjeto", 0));
    for (int row = 1; row <= GaugeRows; ++row) {
        Control& c = construcao[gaugeControl(row)];
        const int gauge = typedGauge(c.text);
        showRead(c, gauge == -2);
        set.awg[row - 1] = std::max(gauge, -1);
    }
    set.steel = item(construcao, "CBCoAco", DefaultSteel);
    set.enamelGrade = item(construcao, "CBCoGrauFio", 1) + 1;
    set.insulationClass = item(construcao, "CBCoClasse", 0);
    set.insulation = item(construcao, "CBCoIsolacao", 0);
    for (int k = 0; k < 6; ++k)
        set.load[k] = item(construcao, ("CBCoRet" + std::to_string(k + 1)).c_str(), 0);
    set.simulatedCurrent = item(construcao, "CBCoCorrRet", 0) == 0;
    return set;
}

} // namespace kelvora::construction
