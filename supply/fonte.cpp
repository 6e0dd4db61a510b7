#include "fonte.h"

#include "construction_output.h"
#include "shown_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace kelvora::fonte {

namespace {

constexpr double Mu0 = 4e-7 * std::numbers::pi;
constexpr int EditMaxLength = 12;
// A valve whose law and limits the builder types.
const char* const OwnValve = KELVORA_SHOWN("Item", "válvula própria");

// A list and its items' keys (one per item, in the same order).
ControlSpec list(std::string name, std::vector<std::string> items, std::vector<std::string> keys,
                 int index, bool visible = true)
{
    return ControlSpec{.name = std::move(name),
                       .kind = Kind::List,
                       .text = items[std::size_t(index)],
                       .items = std::move(items),
                       .keys = std::move(keys),
                       .visible = visible,
                       .itemIndex = index,
                       .input = true};
}

std::vector<std::string> deviceNames()
{
    std::vector<std::string> v;
    for (const supply::Device& d : supply::devices())
        v.push_back(d.name);
    v.push_back(OwnValve);
    return v;
}

// A datasheet part's key is its type number in lower case ("1n4007", "5u4g").
std::vector<std::string> deviceKeys()
{
    std::vector<std::string> v;
    for (const supply::Device& d : supply::devices()) {
        std::string key = d.name;
        for (char& c : key)
            if (c >= 'A' && c <= 'Z')
                c = char(c - 'A' + 'a');
        v.push_back(std::move(key));
    }
    v.push_back("own-valve");
    return v;
}

int item(const Sheet& sheet, const char* name)
{
    const Control& c = sheet[name];
    const int n = int(sheet.spec(name).items.size());
    return c.itemIndex >= 0 && c.itemIndex < n ? c.itemIndex
                                               : std::max(sheet.spec(name).itemIndex, 0);
}

// An edit read like the tabs' fields; empty gives `empty` without a mark.
double edit(Sheet& s, const std::string& name, double empty, double fallback, const Settings& cfg,
            bool positive)
{
    const std::string& text = s[name].text;
    if (std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; }))
        return empty;
    const double v = readTolerant(s, name, float(fallback), cfg);
    if (positive ? !(v > 0) : !(v >= 0)) {
        s[name].background = Colour::Red;
        return fallback;
    }
    return v;
}

} // namespace

std::string secondarySheet(int k) { return "FFonte" + std::to_string(k); }

std::vector<ControlSpec> selectorControls()
{
    return {
        list("CBFoSecundario", {"1", "2", "3", "4", "5", "6"}, {"1", "2", "3", "4", "5", "6"}, 0)};
}

std::vector<ControlSpec> secondaryControls()
{
    std::vector<ControlSpec> v;
    v.push_back(list("CBFoRetificador",
                     {KELVORA_SHOWN("Item", "meia-onda"), KELVORA_SHOWN("Item", "onda-completa-ct"),
                      KELVORA_SHOWN("Item", "ponte"), KELVORA_SHOWN("Item", "dobrador")},
                     {"half-wave", "full-wave-ct", "bridge", "doubler"}, 2));
    v.push_back(list("CBFoDiodo", deviceNames(), deviceKeys(), 0));
    v.push_back(inputEdit("EFoRede", "", EditMaxLength));
    v.push_back(inputEdit("EFoDispersao", "", EditMaxLength));
    const char* kinds[] = {"C", "", "", ""};
    const char* values[] = {"47", "", "", ""};
    const char* losses[] = {"0", "", "", ""};
    for (int k = 1; k <= 4; ++k) {
        const std::string n = std::to_string(k);
        v.push_back(list("CBFoElem" + n, {"", "C", "R", "L"}, {"none", "c", "r", "l"},
                         kinds[k - 1][0] ? 1 : 0));
        v.push_back(inputEdit("EFoValor" + n, values[k - 1], EditMaxLength));
        v.push_back(inputEdit("EFoPerda" + n, losses[k - 1], EditMaxLength));
    }
    // "válvula própria": k, or a drop (V) at a current (mA), and the limits
    // (peak plate current mA, PIV V, largest first capacitor uF, least plate
    // resistance ohms); an empty limit is not checked.
    for (const char* name : {"EFoValvK", "EFoValvQueda", "EFoValvCorrente", "EFoValvPico",
                             "EFoValvPIV", "EFoValvCmax", "EFoValvRmin"})
        v.push_back(inputEdit(name, "", EditMaxLength));
    // "usar o reator da aba": the first L of the ladder is the filter reactor tab's.
    v.push_back(list("CBFoReator", {KELVORA_SHOWN("Item", "não"), KELVORA_SHOWN("Item", "sim")},
                     {"no", "yes"}, 0));
    v.push_back(list("CBFoCarga",
                     {KELVORA_SHOWN("Item", "corrente"), KELVORA_SHOWN("Item", "resistencia")},
                     {"current", "resistance"}, 0));
    v.push_back(inputEdit("EFoCarga", "", EditMaxLength));
    v.push_back(inputEdit("EFoSangria", "", EditMaxLength));
    // Set once the secondary has been simulated: the construction then takes
    // its simulated current.
    v.push_back(list("CBFoAtivo", {KELVORA_SHOWN("Item", "não"), KELVORA_SHOWN("Item", "sim")},
                     {"no", "yes"}, 0, false));
    return v;
}

bool isSelectorControl(std::string_view name) { return name == "CBFoSecundario"; }

bool isSecondaryControl(std::string_view name)
{
    static const std::vector<ControlSpec> specs = secondaryControls();
    return std::any_of(specs.begin(), specs.end(),
                       [&](const ControlSpec& c) { return c.name == name; });
}

int chosenSecondary(const Sheet& selector) { return item(selector, "CBFoSecundario") + 1; }

bool simulated(const Sheet& secondary) { return item(secondary, "CBFoAtivo") == 1; }

void markSimulated(Sheet& secondary)
{
    secondary["CBFoAtivo"].itemIndex = 1;
    secondary["CBFoAtivo"].text = "sim";
}

namespace {

std::size_t primaryCount(const construction::TrafoAlimInput& in) { return in.tipoPri == 0 ? 1 : 2; }

// Mean length of a turn of a winding, m.
double mlt(const construction::Winding& w) { return w.turns > 0 ? w.lengthM / w.turns : 0; }

} // namespace

double leakageInductance(const construction::Analysis& a, const construction::TrafoAlimInput& in,
                         const construction::ConstructionSettings& set, std::size_t secondary)
{
    const std::size_t np = primaryCount(in);
    if (secondary >= a.windings.size() || secondary < np)
        return 0;
    const construction::Winding& s = a.windings[secondary];
    double b1 = 0, mltP = 0;
    for (std::size_t i = 0; i < np; ++i) {
        b1 += a.windings[i].buildMm;
        mltP += mlt(a.windings[i]) / double(np);
    }
    double gap = 0; // the secondaries wound between: no part of this pair's current sheets
    for (std::size_t i = np; i < secondary; ++i)
        gap += a.windings[i].buildMm;
    const double h = (1.5 * in.a - 2 * set.flange - 2 * set.margin) / 1000;
    if (!(h > 0) || !(s.turns > 0))
        return 0;
    const double meanTurn = (mltP + mlt(s)) / 2;
    return Mu0 * s.turns * s.turns * meanTurn * (gap + (b1 + s.buildMm) / 3) / 1000 / h;
}

std::optional<supply::Source> sourceOf(const construction::Analysis& a,
                                       const construction::TrafoAlimInput& in,
                                       const construction::ConstructionSettings& set, int k,
                                       double mains)
{
    const std::size_t np = primaryCount(in);
    const std::size_t idx = np + std::size_t(k) - 1;
    if (a.error || idx >= a.windings.size() || !a.windings[idx].vNl)
        return std::nullopt;
    const construction::Winding& s = a.windings[idx];
    const double vp = in.tipoPri == 2 ? in.vp[4] : in.vp[1];
    double npTurns = a.windings[0].turns;
    double rp = a.windings[0].rHotOhm; // the primary's resistance behind V_p, as its drop is taken
    if (in.tipoPri == 1)
        rp = (a.windings[0].rHotOhm + a.windings[1].rHotOhm) / 4;
    if (in.tipoPri == 2) {
        npTurns += a.windings[1].turns;
        rp = a.windings[0].rHotOhm + a.windings[1].rHotOhm;
    }
    if (!(vp > 0) || !(npTurns > 0))
        return std::nullopt;
    const double ratio = s.turns / npTurns;
    supply::Source src;
    src.vNl = *s.vNl * mains / vp;
    src.rPrimary = rp * ratio * ratio;
    src.r = s.rHotOhm + src.rPrimary;
    src.lLeak = leakageInductance(a, in, set, idx);
    src.f = in.fo;
    return src;
}

std::optional<Reactor> reactorOf(const construction::ReatorFiltroInput& in,
                                 const construction::ConstructionSettings& set, const Settings& cfg)
{
    const construction::Analysis a = construction::analyseReatorFiltro(in, set, cfg);
    if (a.error || a.windings.empty() || !(in.lr > 0))
        return std::nullopt;
    return Reactor{in.lr, a.windings[0].rHotOhm};
}

namespace {

// Stops reading the circuit with `why`.
void fail(Setup& st, ShownText why)
{
    st.error = portuguese(why);
    st.errorWords = std::move(why);
}

} // namespace

Setup readCircuit(Sheet& sh, const construction::Analysis& a,
                  const construction::TrafoAlimInput& in,
                  const construction::ConstructionSettings& set, int k, const Settings& cfg,
                  const std::optional<Reactor>& reactor)
{
    Setup st;
    for (const std::string& name : sh.names())
        sh[name].background = Colour::Window;
    const double vp = in.tipoPri == 2 ? in.vp[4] : in.vp[1];
    const double mains = edit(sh, "EFoRede", vp, vp, cfg, true);
    const std::optional<supply::Source> src = sourceOf(a, in, set, k, mains);
    if (!src) {
        if (a.error)
            st.error = *a.error;
        else
            fail(st, say(KELVORA_WORDS("Supply", "O secundário %1 não está ativo."),
                         {std::to_string(k)}));
        return st;
    }
    supply::Circuit& c = st.circuit;
    c.source = *src;
    c.source.lLeak = edit(sh, "EFoDispersao", src->lLeak * 1000, src->lLeak * 1000, cfg, false)
                     / 1000;
    c.rectifier = *supply::rectifierFromKey(
        sh.spec("CBFoRetificador").items[std::size_t(item(sh, "CBFoRetificador"))]);
    const std::size_t device = std::size_t(item(sh, "CBFoDiodo"));
    if (device < supply::devices().size()) {
        c.device = supply::devices()[device];
    } else {
        c.device = supply::Device{};
        c.device.name = OwnValve;
        c.device.valve = true;
        c.device.law.childLangmuir = true;
        const double drop = edit(sh, "EFoValvQueda", 0, 0, cfg, true);
        const double at = edit(sh, "EFoValvCorrente", 0, 0, cfg, true) / 1000;
        c.device.law.k = edit(sh, "EFoValvK", supply::childLangmuirK(drop, at), 0, cfg, true);
        if (!(c.device.law.k > 0)) {
            fail(st, say(KELVORA_WORDS("Supply", "A válvula própria precisa de k ou de uma queda a "
                                                 "uma corrente.")));
            return st;
        }
        auto limit = [&](const char* name, double scale) -> std::optional<double> {
            const double v = edit(sh, name, 0, 0, cfg, true);
            return v > 0 ? std::optional<double>(v * scale) : std::nullopt;
        };
        supply::Ratings& rt = c.device.ratings;
        rt.iPeak = limit("EFoValvPico", 1e-3);
        rt.piv = limit("EFoValvPIV", 1);
        rt.cMax = limit("EFoValvCmax", 1e-6);
        rt.rMin = limit("EFoValvRmin", 1);
    }
    for (int e = 1; e <= 4; ++e) {
        const std::string n = std::to_string(e);
        const int kind = item(sh, ("CBFoElem" + n).c_str());
        supply::Element el;
        el.kind = kind == 1   ? supply::ElementKind::C
                  : kind == 2 ? supply::ElementKind::R
                  : kind == 3 ? supply::ElementKind::L
                              : supply::ElementKind::None;
        if (el.kind != supply::ElementKind::None) {
            const double v = edit(sh, "EFoValor" + n, 0, 0, cfg, true);
            if (!(v > 0)) {
                sh["EFoValor" + n].background = Colour::Red;
                fail(st, say(KELVORA_WORDS("Supply", "Falta o valor do elemento %1."), {n}));
                return st;
            }
            el.value = el.kind == supply::ElementKind::C ? v * 1e-6 : v;
            el.loss = edit(sh, "EFoPerda" + n, 0, 0, cfg, false);
        }
        c.ladder.push_back(el);
    }
    if (item(sh, "CBFoReator") == 1) {
        auto l = std::find_if(c.ladder.begin(), c.ladder.end(), [](const supply::Element& e) {
            return e.kind == supply::ElementKind::L;
        });
        if (l == c.ladder.end()) {
            fail(st,
                 say(KELVORA_WORDS("Supply", "Não há indutor no filtro para o reator da aba.")));
            return st;
        }
        if (!reactor) {
            fail(st, say(KELVORA_WORDS("Supply", "O reator da aba não tem cálculo válido.")));
            return st;
        }
        l->value = reactor->henry;
        l->loss = reactor->dcr;
    }
    c.load.constantCurrent = item(sh, "CBFoCarga") == 0;
    const double typed = std::fabs(in.is[k]) * 1000; // the tab's current as the DC load, mA
    if (c.load.constantCurrent)
        c.load.value = edit(sh, "EFoCarga", typed, typed, cfg, false) / 1000;
    else
        c.load.value = edit(sh, "EFoCarga", 0, 0, cfg, true);
    if (!c.load.constantCurrent && !(c.load.value > 0)) {
        sh["EFoCarga"].background = Colour::Red;
        fail(st, say(KELVORA_WORDS("Supply", "Falta a resistência da carga.")));
        return st;
    }
    c.load.bleeder = edit(sh, "EFoSangria", 0, 0, cfg, true);
    return st;
}

Run runSecondary(Sheet& sh, const construction::Analysis& a, const construction::TrafoAlimInput& in,
                 const construction::ConstructionSettings& set, int k, const Settings& cfg,
                 bool withSweep, const std::optional<Reactor>& reactor)
{
    Run r;
    Setup st = readCircuit(sh, a, in, set, k, cfg, reactor);
    r.circuit = st.circuit;
    if (st.error) {
        r.error = st.error;
        r.errorWords = st.errorWords;
        return r;
    }
    r.result = supply::simulate(r.circuit, {}, cfg.decimalSeparator);
    if (r.result.error) {
        r.error = r.result.error;
        r.errorWords = r.result.errorWords;
        return r;
    }
    if (withSweep)
        r.sweep = supply::sweep(r.circuit, 24);
    return r;
}

nlohmann::ordered_json fonteJson(const Run& r)
{
    using J = nlohmann::ordered_json;
    if (r.error)
        return J{{"error", *r.error}};
    const supply::Result& s = r.result;
    J nodes = J::array();
    for (const supply::NodeResult& n : s.nodes)
        nodes.push_back({{"vdc", n.vdc},
                         {"ripple_pp_v", n.ripplePp},
                         {"ripple_rms_v", n.rippleRms},
                         {"ripple_pct", n.ripplePct}});
    J verdicts = J::object();
    for (const supply::Verdict& v : s.verdicts)
        verdicts[supply::verdictKey(v.key)] = J::array({v.text, v.good});
    J sweep = J::array();
    for (const supply::SweepPoint& p : r.sweep)
        sweep.push_back(
            {{"i_load_ma", p.iLoad * 1000}, {"vdc", p.vdc}, {"ripple_pp_v", p.ripplePp}});
    J power = J::array();
    for (double p : s.powerW)
        power.push_back(p);
    J j = {{"source",
            {{"v_nl", r.circuit.source.vNl},
             {"r_ohm", r.circuit.source.r},
             {"l_leak_h", r.circuit.source.lLeak}}},
           {"rectifier", supply::rectifierKey(r.circuit.rectifier)},
           {"device", r.circuit.device.name},
           {"nodes", nodes},
           {"winding_rms_a", s.windingRms},
           {"diode_peak_a", s.diodePeak},
           {"diode_avg_a", s.diodeAvg},
           {"diode_rms_a", s.diodeRms},
           {"piv_v", s.piv},
           {"surge_peak_a", s.surgePeak},
           {"t95_s", s.t95},
           {"load_a", s.loadCurrent},
           {"power_w", power},
           {"source_power_w", s.sourcePowerW},
           {"l_critical_h", s.lCritical ? J(*s.lCritical) : J(nullptr)},
           {"discontinuous", s.discontinuous},
           {"verdicts", verdicts},
           {"sweep", sweep}};
    return j;
}

Words failedVerdictName() { return KELVORA_WORDS("Supply", "Fonte: FALHA"); }

std::string fonteTable(const Run& r, const Settings& cfg, const Translator& translate)
{
    // Each line's name and text as messages of "Supply"; the numbers as written.
    const auto line = [&](Words name, Words text, std::vector<std::string> args) {
        return translate(say(name)) + "\t" + translate(say(text, std::move(args))) + "\n";
    };
    const Words source = KELVORA_WORDS("Supply", "Fonte");
    if (r.error) {
        const std::string error = !r.errorWords.empty() && portuguese(r.errorWords) == *r.error
                                      ? translate(r.errorWords)
                                      : *r.error;
        return translate(say(source)) + "\t" + error + "\n";
    }
    const char sep = cfg.decimalSeparator;
    auto f = [&](double v, int d) { return fixed(v, 15, d, sep); };
    const supply::Result& s = r.result;
    std::string t = translate(say(source)) + "\t"
                    + translate(say(supply::rectifierCaptionWords(r.circuit.rectifier))) + ", "
                    + r.circuit.device.name + "\n";
    t += line(KELVORA_WORDS("Supply", "Fonte: tensão em vazio"),
              KELVORA_WORDS("Supply", "%1 V, %2 ohms, dispersão %3 mH"),
              {f(r.circuit.source.vNl, 2), f(r.circuit.source.r, 2),
               f(r.circuit.source.lLeak * 1000, 3)});
    for (std::size_t k = 0; k < s.nodes.size(); ++k)
        t += translate(say(KELVORA_WORDS("Supply", "Fonte: nó %1"), {std::to_string(k + 1)})) + "\t"
             + translate(say(KELVORA_WORDS("Supply", "%1 V CC, ondulação %2 V pp (%3 V rms, %4 %)"),
                             {f(s.nodes[k].vdc, 2), f(s.nodes[k].ripplePp, 3),
                              f(s.nodes[k].rippleRms, 3), f(s.nodes[k].ripplePct, 3)}))
             + "\n";
    t += line(KELVORA_WORDS("Supply", "Fonte: corrente rms do enrolamento"),
              KELVORA_WORDS("Supply", "%1 A"), {f(s.windingRms, 4)});
    t += line(KELVORA_WORDS("Supply", "Fonte: retificador (pico, média, rms)"),
              KELVORA_WORDS("Supply", "%1 A, %2 A, %3 A"),
              {f(s.diodePeak, 4), f(s.diodeAvg, 4), f(s.diodeRms, 4)});
    t += line(KELVORA_WORDS("Supply", "Fonte: tensão inversa de pico"),
              KELVORA_WORDS("Supply", "%1 V"), {f(s.piv, 1)});
    t += line(KELVORA_WORDS("Supply", "Fonte: partida"),
              KELVORA_WORDS("Supply", "surto %1 A, 95 % em %2 ms"),
              {f(s.surgePeak, 3), f(s.t95 * 1000, 1)});
    for (const supply::Verdict& v : s.verdicts)
        t += translate(say(v.good ? KELVORA_WORDS("Supply", "Fonte: ok") : failedVerdictName()))
             + "\t" + supply::verdictText(v, translate) + "\n";
    return t;
}

construction::Analysis analyseWithSupply(construction::TrafoAlimInput in,
                                         const construction::ConstructionSettings& set,
                                         const std::function<Sheet*(int)>& sheets,
                                         const Settings& cfg, const std::optional<Reactor>& reactor)
{
    construction::Analysis a = construction::analyseTrafoAlim(in, set, cfg);
    if (!set.simulatedCurrent || a.error)
        return a;
    // The simulation needs the winding's resistance, which follows the gauge
    // the current chooses: the fixed factor's analysis gives the source, and
    // the analysis is then made once more with the simulated currents.
    bool any = false;
    for (int k = 1; k <= std::clamp(in.numSec, 0, 6); ++k) {
        Sheet* sh = sheets(k);
        if (!sh || !simulated(*sh))
            continue;
        Sheet copy = *sh;
        const Run r = runSecondary(copy, a, in, set, k, cfg, false, reactor);
        if (r.error)
            continue;
        in.iRmsSimulated[k] = r.result.windingRms;
        any = true;
    }
    return any ? construction::analyseTrafoAlim(in, set, cfg) : a;
}

} // namespace kelvora::fonte
