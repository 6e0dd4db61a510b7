// The construction analysis under arbitrary input: a wound design's tab, the
// settings tab and the construction settings get fuzzed texts and choices,
// the tab is shown (its error, if any, passed on) and the analysis run. It
// either gives finite numbers everywhere (figures, JSON, table) or one of its
// defined errors; nothing else escapes.
#include "ajustes.h"
#include "calc_error.h"
#include "construction.h"
#include "construction_output.h"
#include "designs.h"
#include "fuzz_input.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace kelvora;
using namespace kelvora::fuzz;

namespace {

[[noreturn]] void fail(const std::string& design, const std::string& what)
{
    std::fprintf(stderr, "fuzz_construction: %s: %s\n", design.c_str(), what.c_str());
    std::abort();
}

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// The analysis's own messages.
bool definedError(const std::string& e)
{
    for (const char* fixed :
         {"O cálculo da aba terminou com erro.", "Bn e En devem ser maiores que zero.",
          "Margens e abas maiores que a janela.", "O primário não tem espiras.",
          "Os dados da aba levam a valores fora do alcance do cálculo.",
          "A densidade de corrente dos ajustes não permite dimensionar o fio.",
          "Nenhum número de espiras atende à indutância e ao Bmax neste núcleo.",
          "O produto LI^2 está fora dos ábacos do método (a aba indica Falha): corrija a "
          "indutância ou a corrente.",
          "A corrente Ir está fora dos limites para a indutância informada: corrija a "
          "corrente ou a indutância."})
        if (e == fixed)
            return true;
    if (startsWith(e, "O projeto se apoia em entradas inválidas ou substituídas: ")
        && e.ends_with(". Corrija-as na aba."))
        return true;
    if (startsWith(e, "Espiras negativas em ") && e.ends_with(": corrija os dados da aba."))
        return true;
    return startsWith(e, "O fio de ") && e.ends_with(" mm).");
}

void finiteJson(const std::string& design, const nlohmann::ordered_json& j)
{
    if (j.is_number_float() && !std::isfinite(j.get<double>()))
        fail(design, "non-finite number in the JSON: " + j.dump());
    if (j.is_structured())
        for (const auto& e : j)
            finiteJson(design, e);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    Bytes in{data, size};
    static const char* const wound[] = {"trafo-alimentacao", "modulador-valvulado",
                                        "reator-filtro"};
    const Design* d = findDesign(wound[in.next() % 3]);
    if (!d)
        return 0;
    const char separator = (in.next() & 1) ? '.' : ',';

    Sheet tab(d->controls);
    Sheet ajustes(ajustesControls());
    const std::vector<ControlSpec> coSpecs = construction::construcaoControls(separator);
    Sheet construcao(coSpecs);
    DesignResults state;
    try { // as at start-up, then with the user's input over what that run left
        d->show(tab, state, settingsFrom(ajustes, separator));
    } catch (const CalcError&) {
    }
    fill(ajustes, ajustesControls(), in);
    fill(tab, d->controls, in);
    fill(construcao, coSpecs, in);
    const Settings cfg = settingsFrom(ajustes, separator);
    bool tabError = false;
    try {
        d->show(tab, state, cfg);
    } catch (const CalcError&) {
        tabError = true;
    }

    construction::Analysis a;
    try {
        const construction::ConstructionSettings set = construction::readSettings(construcao, cfg);
        a = *analyseDesign(*d, tab, state, tabError, set, cfg);
    } catch (const std::exception& e) {
        fail(d->name, std::string("the analysis threw: ") + e.what());
    }
    if (a.error) {
        if (!definedError(*a.error))
            fail(d->name, "undefined error: " + *a.error);
        if (tabError && *a.error != "O cálculo da aba terminou com erro.")
            fail(d->name, "the tab's error is not the first: " + *a.error);
    }
    finiteJson(d->name, construction::construcaoJson(a));
    const std::string table = construction::construcaoTable(a, cfg);
    if (nonNumber(table))
        fail(d->name, "the table shows a non-number:\n" + table);
    for (const construction::Verdict& v : a.verdicts)
        if (nonNumber(v.text))
            fail(d->name, "verdict shows a non-number: " + v.text);
    return 0;
}
