#include "design_file.h"

#include "ajustes.h"
#include "construction.h"
#include "designs.h"
#include "fonte.h"
#include "numbers.h"

#include <nlohmann/json.hpp>

#include <map>
#include <set>
#include <utility>

namespace kelvora {

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

// A design document is four levels deep (document, sheets, sheet, value);
// deeper nesting only ever comes from a damaged or hostile file.
constexpr int MaxDepth = 16;

[[noreturn]] void fail(const std::string& why) { throw DesignFileError(why); }

// Text for a message: a name from the file, cut short and with control
// characters made visible, so a hostile key cannot flood the error box.
std::string shown(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (out.size() >= 40 && (c & 0xC0) != 0x80)
            return out + "…";
        out += (c < 0x20 || c == 0x7F) ? '?' : char(c);
    }
    return out;
}

std::string where(const std::string& control, const std::string& sheet)
{
    return control + " (folha " + sheet + ")";
}

// A text value for an edit, combo box or list, checked against its field.
std::string textOf(const Json& v, const ControlSpec& spec, const std::string& sheet)
{
    if (!v.is_string())
        fail("o valor de " + where(spec.name, sheet) + " deve ser um texto entre aspas");
    std::string text = v.get<std::string>();
    const std::size_t limit = fieldLimit(spec);
    if (const std::size_t n = utf16Length(text); n > limit)
        fail("o texto de " + where(spec.name, sheet) + " tem " + std::to_string(n)
             + " caracteres; o campo aceita no máximo " + std::to_string(limit));
    if (hasControlCharacter(text))
        fail("o texto de " + where(spec.name, sheet) + " contém caracteres de controle");
    return text;
}

// Sets one control from its value in the file.
void readControl(Sheet& tab, const ControlSpec& spec, const Json& v, const std::string& sheet)
{
    Control& c = tab[spec.name];
    switch (spec.kind) {
    case Kind::Edit:
        c.text = textOf(v, spec, sheet);
        break;
    case Kind::Combo:
        // An item's key stands for its text; any other text stays as typed.
        c.text = textOf(v, spec, sheet);
        c.itemIndex = itemIndexOfTextOrKey(spec, c.text);
        if (c.itemIndex >= 0)
            c.text = spec.items[std::size_t(c.itemIndex)];
        break;
    case Kind::List: {
        const std::string text = textOf(v, spec, sheet);
        const int index = itemIndexOfTextOrKey(spec, text);
        if (index < 0)
            fail("a lista " + where(spec.name, sheet) + " não tem o item \"" + shown(text) + "\"");
        c.text = spec.items[std::size_t(index)];
        c.itemIndex = index;
        break;
    }
    case Kind::Radio:
        if (!v.is_boolean())
            fail("o valor de " + where(spec.name, sheet) + " deve ser true ou false");
        c.checked = v.get<bool>();
        break;
    default:
        fail("controle desconhecido na folha " + sheet + ": \"" + shown(spec.name) + "\"");
    }
}

// Reads one known sheet of the file into `tab` (which starts at its start-up state).
void readSheet(Sheet& tab, const Json& values, const std::string& sheet, char from, char to)
{
    if (!values.is_object())
        fail("a folha " + sheet + " deve ser um objeto JSON");
    std::set<std::string> given;
    for (const auto& [name, v] : values.items()) {
        if (!tab.has(name) || !tab.spec(name).input)
            fail("controle desconhecido na folha " + sheet + ": \"" + shown(name) + "\"");
        readControl(tab, tab.spec(name), v, sheet);
        given.insert(name);
    }
    // Radio buttons: a group the file names is wholly the file's (its absent
    // buttons are off); exactly one of each group is on.
    std::map<std::string, std::vector<std::string>> groups;
    for (const std::string& name : tab.names())
        if (tab.spec(name).input && tab.spec(name).kind == Kind::Radio)
            groups[tab.spec(name).group].push_back(name);
    for (const auto& [group, radios] : groups) {
        bool named = false;
        for (const std::string& r : radios)
            named |= given.count(r) > 0;
        int on = 0;
        for (const std::string& r : radios) {
            if (named && !given.count(r))
                tab[r].checked = false;
            on += tab[r].checked;
        }
        if (on != 1) {
            std::string list;
            for (const std::string& r : radios)
                list += (list.empty() ? "" : ", ") + r;
            fail("na folha " + sheet + ", um e só um dos botões " + list + " deve estar marcado");
        }
    }
    // Numbers travel: "12,5" written in a comma locale reads as "12.5" where
    // the separator is a point. Lists hold fixed item texts.
    if (from != to)
        for (const std::string& name : given) {
            const Kind kind = tab.spec(name).kind;
            if (kind == Kind::Edit || kind == Kind::Combo)
                tab[name].text = convertSeparator(tab[name].text, from, to);
        }
}

Json parse(std::string_view bytes)
{
    if (bytes.size() > MaxDesignFileBytes)
        fail("o arquivo tem " + std::to_string(bytes.size())
             + " bytes, mais que o limite de 1 MB de um projeto");
    bool onlyBlanks = true;
    for (char c : bytes)
        onlyBlanks &= c == ' ' || c == '\t' || c == '\r' || c == '\n';
    if (onlyBlanks)
        fail("o arquivo está vazio");
    struct TooDeep {};
    struct Duplicate {
        std::string key;
    };
    // JSON lets a key stand twice in an object and keeps the last; a design
    // then opens with a value the file also contradicts, so it is refused.
    std::vector<std::set<std::string>> keys;
    try {
        Json doc = Json::parse(bytes.begin(), bytes.end(),
                               [&](int depth, Json::parse_event_t event, Json& parsed) {
                                   if (depth > MaxDepth)
                                       throw TooDeep{};
                                   if (event == Json::parse_event_t::object_start)
                                       keys.emplace_back();
                                   else if (event == Json::parse_event_t::object_end)
                                       keys.pop_back();
                                   else if (event == Json::parse_event_t::key && !keys.empty()
                                            && !keys.back().insert(parsed.get<std::string>()).second)
                                       throw Duplicate{parsed.get<std::string>()};
                                   return true;
                               });
        // The parser takes a NUL byte for the end of its input: whatever
        // follows it is no part of the document, and no design has it.
        if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos)
            fail("o arquivo tem dados depois do fim do documento JSON (a partir do byte "
                 + std::to_string(nul + 1) + ")");
        return doc;
    } catch (const Json::parse_error& e) {
        fail("o conteúdo não é JSON válido (erro no byte " + std::to_string(e.byte) + ")");
    } catch (const TooDeep&) {
        fail("o conteúdo tem objetos aninhados demais para um projeto");
    } catch (const Duplicate& d) {
        fail("a chave \"" + shown(d.key) + "\" aparece mais de uma vez no mesmo objeto");
    } catch (const Json::out_of_range&) {
        // A number literal beyond what a double holds (1e999): valid JSON
        // grammar, but no value of any design.
        fail("o conteúdo tem um número grande demais para ser lido");
    }
}

char separatorOf(const Json& doc)
{
    const auto it = doc.find("separadorDecimal");
    if (it == doc.end())
        fail("falta o separador decimal (\"separadorDecimal\")");
    if (!it->is_string() || (*it != "," && *it != "."))
        fail("o separador decimal deve ser \",\" ou \".\"");
    return it->get<std::string>()[0];
}

void checkFormat(const Json& doc)
{
    if (!doc.is_object())
        fail("o arquivo não é um projeto do Kelvora");
    const auto format = doc.find("formato");
    if (format == doc.end() || !format->is_string() || *format != DesignFormat)
        fail("o arquivo não é um projeto do Kelvora (formato diferente de \""
             + std::string(DesignFormat) + "\")");
    const auto version = doc.find("versao");
    if (version == doc.end())
        fail("falta a versão do formato (\"versao\")");
    if (!version->is_number_integer())
        fail("a versão do formato (\"versao\") deve ser um número inteiro");
    if (version->is_number_unsigned() ? version->get<std::uint64_t>() > DesignVersion
                                      : version->get<std::int64_t>() > DesignVersion)
        fail("o arquivo é da versão " + version->dump() + " do formato, mais nova que a "
             + std::to_string(DesignVersion)
             + " que este programa lê; abra-o com uma versão mais nova do Kelvora");
    if (!version->is_number_unsigned() || version->get<std::uint64_t>() < 1)
        fail("versão do formato inválida: " + version->dump());
}

} // namespace

const std::vector<StoredSheet>& storedSheets()
{
    static const std::vector<StoredSheet> all = [] {
        std::vector<StoredSheet> v;
        for (const Design& d : designs())
            v.push_back({d.tab, d.controls});
        // Sheets that are no design of their own. The construction settings'
        // fractional defaults are written here with a comma, as every default
        // is: DesignInputs rewrites them for the separator in force.
        v.push_back({"TAjustes", ajustesControls()});
        v.push_back({"FConstrucao", construction::construcaoControls(',')});
        // The supply window: the secondary it shows, and each secondary's circuit.
        v.push_back({fonte::SelectorSheet, fonte::selectorControls()});
        for (int k = 1; k <= 6; ++k)
            v.push_back({fonte::secondarySheet(k), fonte::secondaryControls()});
        return v;
    }();
    return all;
}

DesignInputs::DesignInputs(char decimalSeparator)
{
    for (const StoredSheet& s : storedSheets()) {
        Sheet& sheet = sheets_.emplace_back(s.controls);
        for (const ControlSpec& spec : s.controls)
            if (spec.input && (spec.kind == Kind::Edit || spec.kind == Kind::Combo))
                sheet[spec.name].text = convertSeparator(sheet[spec.name].text, ',',
                                                         decimalSeparator);
    }
}

Sheet& DesignInputs::operator[](std::string_view name)
{
    const std::vector<StoredSheet>& all = storedSheets();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].name == name)
            return sheets_[i];
    throw std::out_of_range("folha não guardada em projetos: " + std::string(name));
}

const Sheet& DesignInputs::operator[](std::string_view name) const
{
    return const_cast<DesignInputs&>(*this)[name];
}

std::string convertSeparator(const std::string& text, char from, char to)
{
    if (from == to || !parseFloat(text, from))
        return text;
    std::string out = text;
    for (char& c : out)
        if (c == from)
            c = to;
    return out;
}

void copyInputs(const Sheet& from, Sheet& to)
{
    for (const std::string& name : from.names()) {
        if (!from.spec(name).input || !to.has(name))
            continue;
        const Control& a = from[name];
        Control& b = to[name];
        b.text = a.text;
        b.checked = a.checked;
        b.itemIndex = a.itemIndex;
    }
}

bool sameInputs(const Sheet& a, const Sheet& b)
{
    for (const std::string& name : a.names()) {
        if (!a.spec(name).input)
            continue;
        if (!b.has(name))
            return false;
        const Control& x = a[name];
        const Control& y = b[name];
        const Kind kind = a.spec(name).kind;
        if (kind == Kind::Radio  ? x.checked != y.checked
            : kind == Kind::List ? x.itemIndex != y.itemIndex
                                 : x.text != y.text)
            return false;
    }
    return true;
}

std::string writeDesign(const SheetLookup& sheetOf, char decimalSeparator,
                        std::string_view shownTab)
{
    OrderedJson doc;
    doc["formato"] = DesignFormat;
    doc["versao"] = DesignVersion;
    doc["programa"] = "Kelvora 4.0 (beta)";
    doc["separadorDecimal"] = std::string(1, decimalSeparator);
    if (!shownTab.empty())
        doc["aba"] = std::string(shownTab);
    OrderedJson sheets = OrderedJson::object();
    for (const StoredSheet& stored : storedSheets()) {
        const Sheet* tab = sheetOf(stored.name);
        if (!tab)
            continue;
        OrderedJson values = OrderedJson::object();
        for (const ControlSpec& spec : stored.controls) {
            if (!spec.input || !tab->has(spec.name))
                continue;
            const Control& c = (*tab)[spec.name];
            switch (spec.kind) {
            case Kind::Edit:
            case Kind::Combo:
                values[spec.name] = fieldText(spec, c.text);
                break;
            case Kind::List:
                // A list with nothing chosen (a band list while the frequency is
                // no band's) is left out: opening keeps its start-up state.
                if (c.itemIndex >= 0 && c.itemIndex < int(spec.items.size()))
                    values[spec.name] = spec.items[c.itemIndex];
                break;
            case Kind::Radio:
                values[spec.name] = c.checked;
                break;
            default:
                break;
            }
        }
        sheets[stored.name] = std::move(values);
    }
    doc["folhas"] = std::move(sheets);
    // A text from the command line may hold bytes that are no UTF-8: they are
    // replaced rather than making the whole document fail.
    return doc.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string writeDesign(const DesignInputs& inputs, char decimalSeparator)
{
    return writeDesign([&](std::string_view name) { return &inputs[name]; }, decimalSeparator,
                       inputs.tab);
}

DesignInputs readDesign(std::string_view bytes, char decimalSeparator)
{
    const Json doc = parse(bytes);
    checkFormat(doc);
    const char from = separatorOf(doc);
    const auto sheets = doc.find("folhas");
    if (sheets == doc.end())
        fail("faltam as folhas do projeto (\"folhas\")");
    if (!sheets->is_object())
        fail("as folhas do projeto (\"folhas\") devem ser um objeto JSON");
    DesignInputs inputs(decimalSeparator);
    for (const StoredSheet& stored : storedSheets())
        if (const auto values = sheets->find(stored.name); values != sheets->end())
            readSheet(inputs[stored.name], *values, stored.name, from, decimalSeparator);
    // Where the window was: a convenience, so whatever is no tab's name is
    // passed over here or by the window.
    if (const auto tab = doc.find("aba"); tab != doc.end() && tab->is_string())
        if (std::string name = tab->get<std::string>(); !name.empty() && name.size() <= 64)
            inputs.tab = std::move(name);
    return inputs;
}

} // namespace kelvora
