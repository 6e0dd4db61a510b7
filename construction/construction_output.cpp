#include "construction_output.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace kelvora::construction {

using Json = nlohmann::ordered_json;

namespace {

Json optional(const std::optional<double>& v) { return v ? Json(*v) : Json(nullptr); }

Json windingFields(const Winding& w)
{
    return Json{{"name", w.name},
                {"turns", jsonNumber(w.turns)},
                {"awg", w.awg},
                {"d_bare_mm", w.dBareMm},
                {"d_over_mm", w.dOverMm},
                {"turns_per_layer", jsonNumber(w.turnsPerLayer)},
                {"layers", jsonNumber(w.layers)},
                {"build_mm", w.buildMm},
                {"length_m", w.lengthM},
                {"r20_ohm", w.r20Ohm},
                {"rhot_ohm", w.rHotOhm},
                {"i_rms_a", w.iRmsA},
                {"pcu_w", w.pcuW},
                {"mass_g", w.massG},
                {"turns_tab", optional(w.turnsTab)},
                {"j_a_mm2", w.jAmm2},
                {"v_nl", optional(w.vNl)},
                {"v_fl", optional(w.vFl)},
                {"regulation_pct", optional(w.regulationPct)}};
}

Json windingJson(const Winding& w)
{
    Json j = windingFields(w);
    // Said only where the current is not the loads' rule: the rectifier's simulation.
    if (w.simulatedCurrent)
        j["i_rms_from"] = "simulação";
    return j;
}

// Characters a terminal shows for a UTF-8 text.
std::size_t width(const std::string& s)
{
    return std::size_t(std::count_if(s.begin(), s.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string pad(const std::string& s, std::size_t w, bool left)
{
    const std::string fill(w > width(s) ? w - width(s) : 0, ' ');
    return left ? s + fill : fill + s;
}

} // namespace

Json jsonNumber(double v)
{
    if (v == std::floor(v) && std::fabs(v) <= 9007199254740992.0)
        return std::int64_t(v);
    return v;
}

std::string alignedTable(const std::vector<std::vector<std::string>>& rows)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], width(row[c]));
    }
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += (c ? "  " : "") + pad(row[c], widths[c], c == 0);
        out += line + "\n";
    }
    return out;
}

Json construcaoJson(const Analysis& a)
{
    if (a.error)
        return Json{{"error", *a.error}};
    Json j;
    j["projeto"] = a.projeto == Projeto::ForCore ? "nucleo" : "aba";
    j["notes"] = a.notes;
    const bool ui = a.core.family == CoreFamily::UI;
    if (ui) {
        // The U/I core wound on, and each winding's half on each leg's coil.
        const LaminationGeometry g = geometryOf(a.core);
        j["core"] = Json{{"family", "UI"},       {"a_mm", a.core.a},   {"b_mm", a.core.b},
                         {"c_mm", a.core.c},     {"h_mm", a.core.h},   {"path_mm", g.pathMm},
                         {"joints", g.joints},   {"coils", g.coils}};
    }
    Json windings = Json::array();
    for (const Winding& w : a.windings) {
        Json wj = windingJson(w);
        if (ui) {
            Json legs = Json::array();
            for (const Winding::LegHalf& l : w.legs)
                legs.push_back({{"turns", jsonNumber(l.turns)},
                                {"layers", jsonNumber(l.layers)},
                                {"build_mm", l.buildMm}});
            wj["legs"] = std::move(legs);
        }
        windings.push_back(std::move(wj));
    }
    j["windings"] = std::move(windings);
    j["build_mm"] = a.buildMm;
    j["fill_pct"] = a.fillPct;
    j["fits"] = a.fits;
    j["m_fe_g"] = a.mFeG;
    j["m_cu_g"] = a.mCuG;
    j["m_total_g"] = a.mTotalG;
    j["pcu_w"] = a.pcuW;
    j["pfe_w"] = a.pfeW;
    j["area_cm2"] = a.areaCm2;
    j["psi_w_cm2"] = a.psiWcm2;
    j["dt_k"] = a.dtK;
    j["t_hot_c"] = a.tHotC;
    switch (a.part) {
    case PartType::MainsTransformer:
        j["b_peak_gauss"] = a.bPeakGauss;
        j["efficiency_pct"] = a.efficiencyPct;
        if (a.mains)
            j["mains"] = mainsJson(*a.mains);
        break;
    case PartType::Choke:
        j["gap_mm"] = a.gapMm;
        j["spacer_mm"] = a.spacerMm;
        j["l_h"] = a.lH;
        j["b_dc_gauss"] = a.bDcGauss;
        break;
    case PartType::DcTransformer:
        j["gap_mm"] = a.gapMm;
        j["spacer_mm"] = a.spacerMm;
        j["lp_h"] = a.lpH;
        j["xp_ohm"] = a.xpOhm;
        j["b_ac_gauss"] = a.bAcGauss;
        j["b_dc_gauss"] = a.bDcGauss;
        break;
    }
    Json verdicts = Json::object();
    for (const Verdict& v : a.verdicts)
        verdicts[verdictKey(v.kind)] = Json::array({v.text, v.good});
    j["verdicts"] = std::move(verdicts);
    return j;
}

std::string construcaoTable(const Analysis& a, const Settings& cfg)
{
    std::string out = "\nConstrução e perdas\n";
    if (a.error)
        return out + "Erro: " + *a.error + "\n";
    auto num = [&](double v, int d) { return fixed(v, 15, d, cfg); };
    auto opt = [&](const std::optional<double>& v, int d) { return v ? num(*v, d) : "-"; };

    // 1. One row per winding, from the tube outwards.
    const std::vector<std::string> head = {
        "Enrolamento", "Espiras",       "Aba",         "AWG",         "Diâmetro (mm)",
        "Esp/camada",  "Camadas",       "Altura (mm)", "Fio (m)",     "R20 (ohms)",
        "R quente (ohms)", "I (A)",     "J (A/mm²)",   "Pcu (W)",     "Cobre (g)",
        "V vazio (V)", "V carga (V)",   "Regulação (%)"};
    std::vector<std::vector<std::string>> rows = {head};
    for (const Winding& w : a.windings)
        rows.push_back({w.name, num(w.turns, 0), opt(w.turnsTab, 1), std::to_string(w.awg),
                        num(w.dOverMm, 3), num(w.turnsPerLayer, 0), num(w.layers, 0),
                        num(w.buildMm, 3), num(w.lengthM, 2), num(w.r20Ohm, 4), num(w.rHotOhm, 4),
                        num(w.iRmsA, 3), num(w.jAmm2, 2), num(w.pcuW, 3), num(w.massG, 1), opt(w.vNl, 2), opt(w.vFl, 2),
                        opt(w.regulationPct, 1)});
    out += alignedTable(rows);

    // 2. The whole part.
    if (a.core.family == CoreFamily::UI)
        out += "Núcleo U/I: pernas de " + num(a.core.a, 2) + " mm, janela " + num(a.core.c, 2)
               + " x " + num(a.core.h, 2)
               + " mm; uma bobina em cada perna, com metade de cada enrolamento\n";
    out += "Altura do enrolamento: " + num(a.buildMm, 3)
           + " mm; ocupação da janela: " + num(a.fillPct, 1) + " %\n";
    out += "Massa: ferro " + num(a.mFeG, 1) + " g, cobre " + num(a.mCuG, 1) + " g, total "
           + num(a.mTotalG, 1) + " g\n";
    // The iron loss of a gapped part is not modelled (its audio or ripple flux
    // is not known): said, rather than a 0 W.
    const std::string iron = a.part == PartType::MainsTransformer ? num(a.pfeW, 3) + " W"
                                                               : std::string("não calculada");
    out += "Perdas: cobre " + num(a.pcuW, 3) + " W, ferro " + iron + "; superfície "
           + num(a.areaCm2, 1) + " cm², " + num(a.psiWcm2, 4) + " W/cm²\n";
    out += "Elevação de temperatura: " + num(a.dtK, 1) + " K; cobre a " + num(a.tHotC, 1) + " °C\n";
    switch (a.part) {
    case PartType::MainsTransformer:
        out += "Indução real: " + num(a.bPeakGauss, 1)
               + " G; rendimento: " + num(a.efficiencyPct, 1) + " %\n";
        if (a.mains)
            out += mainsTable(*a.mains, cfg);
        break;
    case PartType::Choke:
        out += "Entreferro: " + num(a.gapMm, 3) + " mm; indutância: " + num(a.lH, 3)
               + " H; indução CC: " + num(a.bDcGauss, 1) + " G\n";
        break;
    case PartType::DcTransformer:
        out += "Entreferro: " + num(a.gapMm, 3) + " mm; indutância do primário: " + num(a.lpH, 3)
               + " H; reatância em Fmin: " + num(a.xpOhm, 1) + " ohms\n";
        out += "Indução CA: " + num(a.bAcGauss, 1) + " G; indução CC: " + num(a.bDcGauss, 1)
               + " G\n";
        break;
    }

    if (a.part != PartType::MainsTransformer)
        out += stackingText(a, cfg.decimalSeparator) + "\n";
    for (const std::string& note : a.notes)
        out += "Nota: " + note + "\n";

    // 3. Verdicts.
    for (const Verdict& v : a.verdicts)
        out += std::string(v.good ? "[bom]  " : "[ruim] ") + v.text + "\n";
    return out;
}

} // namespace kelvora::construction
