// The mains checks as kelvora-cli writes them: the "mains" object and a
// readable Portuguese part of the construction table.
#include "construction_output.h"

namespace kelvora::construction {

using Json = nlohmann::ordered_json;

namespace {

Json optional(const std::optional<double>& v) { return v ? Json(*v) : Json(nullptr); }

Json figure(const InsulationRow& r, double v) { return r.aboveTable ? Json(nullptr) : Json(v); }

} // namespace

Json mainsJson(const MainsChecks& m)
{
    Json j;
    j["b_high_gauss"] = m.bHighGauss;
    j["i_mag_a"] = m.iMagA;
    j["i_mag_high_a"] = m.iMagHighA;
    j["i_mag_high_pct"] = optional(m.iMagHighPct);
    j["p0_w"] = m.p0W;
    j["p0_high_w"] = m.p0HighW;
    j["fuse_a"] = optional(m.fuseA);
    if (m.halves)
        j["fuse_series_a"] = optional(m.fuseSeriesA);
    Json rows = Json::array();
    for (const InsulationRow& r : m.insulation)
        rows.push_back({{"secondary", r.secondary},
                        {"u_w_v", r.workingV},
                        {"test_v", figure(r, r.testV)},
                        {"clearance_mm", figure(r, r.clearanceMm)},
                        {"creepage_mm", figure(r, r.creepageMm)},
                        {"dti_mm", optional(r.throughMm)}});
    j["insulation"] = std::move(rows);
    j["notes"] = m.notes;
    return j;
}

std::string mainsTable(const MainsChecks& m, const Settings& cfg)
{
    auto num = [&](double v, int d) { return fixed(v, 15, d, cfg); };
    auto pct = [&](const std::optional<double>& v) { return v ? " (" + num(*v, 1) + " %)" : ""; };
    std::string out = "Rede (tolerância " + num(m.tolerancePct, 1) + " %)\n";
    out += "Indução: nominal " + num(m.bGauss, 1) + " G; na rede alta " + num(m.bHighGauss, 1)
           + " G\n";
    out += "Corrente em vazio: nominal " + num(m.iMagA, 3) + " A" + pct(m.iMagPct)
           + "; na rede alta " + num(m.iMagHighA, 3) + " A" + pct(m.iMagHighPct) + "\n";
    out += "Perda em vazio: nominal " + num(m.p0W, 2) + " W; na rede alta " + num(m.p0HighW, 2)
           + " W\n";
    out += fuseText(m, cfg.decimalSeparator) + "\n";
    for (const std::string& note : m.notes)
        out += "Nota: " + note + "\n";
    if (m.insulation.empty())
        return out;
    out += std::string("Isolação ") + (m.reinforced ? "reforçada" : "básica") + ", " + Iec61558Note
           + "\n";
    std::vector<std::vector<std::string>> rows = {
        {"Secundário", "U trabalho (V)", "Ensaio (V)", "No ar (mm)", "Escoamento (mm)",
         "Através (mm)"}};
    for (const InsulationRow& r : m.insulation) {
        if (r.aboveTable) {
            rows.push_back({r.secondary, num(r.workingV, 1), "acima da tabela", "-", "-", "-"});
            continue;
        }
        rows.push_back({r.secondary, num(r.workingV, 1), num(r.testV, 0), num(r.clearanceMm, 1),
                        num(r.creepageMm, 1), r.throughMm ? num(*r.throughMm, 2) : "-"});
    }
    return out + alignedTable(rows);
}

} // namespace kelvora::construction
