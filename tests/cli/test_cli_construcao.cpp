#include "cli_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <string>
#include <vector>

using kelvora::test::CliRun;
using kelvora::test::cliRun;
using ::testing::HasSubstr;
using Json = nlohmann::ordered_json;

namespace {

// The analysis of the tab's own turns, whose figures these tests check.
Json construcao(std::vector<std::string> args)
{
    args.push_back("CBCoProjeto=Espiras da aba");
    args.push_back("--construcao");
    args.push_back("--json");
    args.push_back("--decimal-separator=,");
    const CliRun r = cliRun(args);
    EXPECT_EQ(r.code, 0) << r.err;
    return Json::parse(r.out)["construcao"];
}

std::vector<std::string> keys(const Json& j)
{
    std::vector<std::string> v;
    for (auto it = j.begin(); it != j.end(); ++it)
        v.push_back(it.key());
    return v;
}

// Every number in the document is finite (a NaN would not even parse back).
void allFinite(const Json& j)
{
    if (j.is_number_float()) {
        EXPECT_TRUE(std::isfinite(j.get<double>()));
    }
    if (j.is_structured())
        for (const Json& e : j)
            allFinite(e);
}

const std::vector<std::string> Common = {"projeto", "notes", "windings",  "build_mm",  "fill_pct", "fits",  "m_fe_g",
                                         "m_cu_g",    "m_total_g", "pcu_w",    "pfe_w", "area_cm2",
                                         "psi_w_cm2", "dt_k",      "t_hot_c"};

std::vector<std::string> with(std::vector<std::string> v, std::initializer_list<const char*> more)
{
    v.insert(v.end(), more.begin(), more.end());
    return v;
}

} // namespace

TEST(CliConstrucao, PowerTransformerJsonParsesBackInTheDocumentedShape)
{
    const Json c = construcao({"trafo-alimentacao"});
    EXPECT_EQ(keys(c), with(Common, {"b_peak_gauss", "efficiency_pct", "mains", "verdicts"}));
    allFinite(c);
    // Defaults: a simple primary and three secondaries.
    ASSERT_EQ(c["windings"].size(), 4u);
    const Json& p = c["windings"][0];
    EXPECT_EQ(keys(p),
              (std::vector<std::string>{"name", "turns", "awg", "d_bare_mm", "d_over_mm",
                                        "turns_per_layer", "layers", "build_mm", "length_m",
                                        "r20_ohm", "rhot_ohm", "i_rms_a", "pcu_w", "mass_g",
                                        "turns_tab", "j_a_mm2", "v_nl", "v_fl",
                                        "regulation_pct"}));
    EXPECT_EQ(c["projeto"], "aba");
    EXPECT_EQ(c["notes"], Json::array());
    EXPECT_NEAR(p["turns_tab"].get<double>(), 467.2, 0.05);
    EXPECT_EQ(p["name"], "Primário");
    EXPECT_TRUE(p["turns"].is_number_integer());
    EXPECT_EQ(p["turns"], 467); // 467.2 turns on the tab
    EXPECT_EQ(p["awg"], 21);
    EXPECT_TRUE(p["v_nl"].is_null());
    const Json& s3 = c["windings"][3];
    EXPECT_EQ(s3["name"], "Secundário 3");
    EXPECT_EQ(s3["turns"], 20);
    EXPECT_TRUE(s3["regulation_pct"].is_number());
    // 125 V x 20 / 467 = 5.353 V open circuit.
    EXPECT_NEAR(s3["v_nl"].get<double>(), 125.0 * 20 / 467, 1e-9);
    // The default part is declared good by the tab but its coil does not fit.
    EXPECT_FALSE(c["fits"].get<bool>());
    EXPECT_EQ(keys(c["verdicts"]),
              (std::vector<std::string>{"fit", "temperature", "flux", "regulation", "no_load"}));
    EXPECT_EQ(c["verdicts"]["fit"][0], "O enrolamento não cabe na janela (127,9 % da largura)");
    EXPECT_EQ(c["verdicts"]["fit"][1], false);
    EXPECT_NEAR(c["m_total_g"].get<double>(),
                1.1 * (c["m_fe_g"].get<double>() + c["m_cu_g"].get<double>()), 1e-9);
}

TEST(CliConstrucao, ModulatorAndReactorCarryTheirOwnFigures)
{
    const Json m = construcao({"modulador-valvulado"});
    EXPECT_EQ(keys(m),
              with(Common, {"gap_mm", "spacer_mm", "lp_h", "xp_ohm", "b_ac_gauss", "b_dc_gauss",
                            "verdicts"}));
    EXPECT_DOUBLE_EQ(m["spacer_mm"].get<double>(), m["gap_mm"].get<double>() / 2);
    EXPECT_EQ(keys(m["verdicts"]),
              (std::vector<std::string>{"fit", "temperature", "reactance", "flux"}));
    EXPECT_NEAR(m["xp_ohm"].get<double>(), 284.6, 0.1);
    EXPECT_TRUE(m["windings"][2]["v_fl"].is_null());
    allFinite(m);

    const Json r = construcao({"reator-filtro"});
    EXPECT_EQ(keys(r), with(Common, {"gap_mm", "spacer_mm", "l_h", "b_dc_gauss", "verdicts"}));
    EXPECT_EQ(keys(r["verdicts"]), (std::vector<std::string>{"fit", "temperature", "inductance"}));
    EXPECT_EQ(r["verdicts"]["inductance"][0], "Indutância calculada 15,0 H ≥ Lr");
    EXPECT_EQ(r["pfe_w"], 0.0);
    allFinite(r);
}

TEST(CliConstrucao, SettingsAreAssignedLikeControls)
{
    const Json base = construcao({"trafo-alimentacao"});
    // A bridge with capacitor input: 100 mA DC is 100 / 0.62 = 161.3 mA rms.
    const Json bridge = construcao({"trafo-alimentacao", "CBCoRet1=Ponte, entrada capacitiva"});
    EXPECT_NEAR(bridge["windings"][1]["i_rms_a"].get<double>(), 0.1 / 0.62, 1e-7);
    EXPECT_NEAR(base["windings"][1]["i_rms_a"].get<double>(), 0.1, 1e-7);
    // Ambient: the copper runs at ambient + rise.
    const Json cool = construcao({"trafo-alimentacao", "ECoTamb=30"});
    EXPECT_NEAR(cool["t_hot_c"].get<double>() - cool["dt_k"].get<double>(), 30, 1e-9);
    // A setting that is not a number falls back to its default (40 °C).
    const Json bad = construcao({"trafo-alimentacao", "ECoTamb=quente"});
    EXPECT_NEAR(bad["t_hot_c"].get<double>() - bad["dt_k"].get<double>(), 40, 1e-9);
    // Stacking factor typed with the chosen separator: iron scales with k_s.
    const Json thin = construcao({"trafo-alimentacao", "ECoEmpil=0,9"});
    EXPECT_NEAR(thin["m_fe_g"].get<double>() / base["m_fe_g"].get<double>(),
                double(0.9f) / double(0.95f), 1e-9);
    // Better steel, lower iron loss: 4.00 against 8.00 W/kg.
    const Json m400 = construcao({"trafo-alimentacao", "CBCoAco=M400-50A"});
    EXPECT_LT(m400["pfe_w"].get<double>(), base["pfe_w"].get<double>());
}

TEST(CliConstrucao, MainsSettingsAndObject)
{
    // The default part: 125 V primary, I_p = 0.988 A: 1.5 I_p = 1.48 A, the 1.6 A fuse.
    const Json base = construcao({"trafo-alimentacao"});
    const Json& m = base["mains"];
    EXPECT_EQ(m["fuse_a"], 1.6);
    EXPECT_NEAR(m["b_high_gauss"].get<double>(), 1.1 * base["b_peak_gauss"].get<double>(), 1e-9);
    ASSERT_EQ(m["insulation"].size(), 3u);
    // Secundário 1: (125 + 425.86) x 1.1 = 605.9 V, just above the 600 V row.
    const double vnl = base["windings"][1]["v_nl"].get<double>();
    EXPECT_EQ(m["insulation"][0]["secondary"], "Secundário 1");
    EXPECT_NEAR(m["insulation"][0]["u_w_v"].get<double>(), (125 + vnl) * 1.1, 1e-9);
    EXPECT_EQ(m["insulation"][0]["test_v"], 2500.0);
    EXPECT_EQ(m["insulation"][0]["clearance_mm"], 5.5);
    EXPECT_TRUE(m["insulation"][0]["dti_mm"].is_null());
    EXPECT_EQ(base["verdicts"]["no_load"][1], true);

    // A 5 % high line: (125 + 425.9) x 1.05 = 578 V, in the 600 V row.
    const Json low = construcao({"trafo-alimentacao", "ECoTolRede=5"});
    EXPECT_EQ(low["mains"]["insulation"][0]["test_v"], 2100.0);
    EXPECT_LT(low["mains"]["i_mag_high_a"].get<double>(), m["i_mag_high_a"].get<double>());
    // Reinforced: 0.5 mm through the insulation at 605.9 V; 0.2 mm over each winding is short.
    const Json r = construcao({"trafo-alimentacao", "CBCoIsolacao=Reforçada"});
    EXPECT_EQ(r["mains"]["insulation"][0]["dti_mm"], 0.5);
    EXPECT_EQ(r["verdicts"]["insulation"][1], false);
    EXPECT_EQ(r["verdicts"]["insulation"][0],
              "Isolação 0,20 mm menor que 0,50 mm exigidos (reforçada, 605,9 V)");
    // A tight limit on the no-load current, typed like any control.
    const Json tight = construcao({"trafo-alimentacao", "ECoImagMax=1"});
    EXPECT_EQ(tight["verdicts"]["no_load"][1], false);

    const CliRun t = cliRun({"trafo-alimentacao", "--construcao", "--decimal-separator=,"});
    EXPECT_THAT(t.out, HasSubstr("\nFusível do primário: 1,6 A retardado\n"));
    EXPECT_THAT(t.out, HasSubstr("IEC 61558-1 (valores de referência; confira na norma)"));
    EXPECT_THAT(t.out, HasSubstr("Corrente em vazio 0,"));
}

TEST(CliConstrucao, UsageErrorsOfTheSettings)
{
    struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"reator-filtro", "--construcao", "CBCoAco=M999"},
         "valor que a lista CBCoAco não tem: M999"},
        {{"reator-filtro", "ECoTamb=1234567890123"}, "texto longo demais para ECoTamb"},
        {{"trafo-alimentacao", "CBCoIsolacao=Dupla"},
         "valor que a lista CBCoIsolacao não tem: Dupla"},
        {{"reator-filtro", "CBCoRet7=Ponte, entrada capacitiva"},
         "controle de entrada desconhecido neste projeto: CBCoRet7"},
        {{"modulador-transistorizado", "--construcao"},
         "o projeto modulador-transistorizado não tem construção"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const CliRun r = cliRun(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_THAT(r.err, HasSubstr(c.message));
        EXPECT_EQ(r.out, "");
    }
}

TEST(CliConstrucao, ErrorsReplaceTheAnalysisAndKeepTheTabsExitStatus)
{
    // The tab's own error: exit 1 as without --construcao.
    CliRun r = cliRun({"modulador-valvulado", "EFmin=0", "--construcao", "--json"});
    EXPECT_EQ(r.code, 1);
    Json j = Json::parse(r.out);
    EXPECT_EQ(j["construcao"], Json({{"error", "O cálculo da aba terminou com erro."}}));
    // Margins and flanges that leave no layer: the tab succeeds, the analysis refuses.
    r = cliRun({"trafo-alimentacao", "ECoAba=10", "ECoMargem=20", "--construcao", "--json"});
    EXPECT_EQ(r.code, 0);
    j = Json::parse(r.out);
    EXPECT_EQ(j["construcao"], Json({{"error", "Margens e abas maiores que a janela."}}));
    // Without --construcao there is no such object.
    r = cliRun({"trafo-alimentacao", "--json"});
    EXPECT_FALSE(Json::parse(r.out).contains("construcao"));
}

TEST(CliConstrucao, ReadableTableAfterTheUsualOutput)
{
    CliRun r = cliRun(
        {"reator-filtro", "CBCoProjeto=Espiras da aba", "--construcao", "--decimal-separator=,"});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::size_t outputs = r.out.find("LRFNAval\t");
    const std::size_t table = r.out.find("\nConstrução e perdas\n");
    ASSERT_NE(outputs, std::string::npos);
    ASSERT_NE(table, std::string::npos);
    EXPECT_LT(outputs, table);
    EXPECT_THAT(r.out, HasSubstr("Enrolamento  Espiras     Aba  AWG"));
    // 2688 turns (2687.6 on the tab) of AWG 28 (0.373 mm), 126 a layer, 22 layers.
    EXPECT_THAT(r.out,
                ::testing::ContainsRegex("\nEnrolamento +2688 +2687,6 +28 +0,373 +126 +22 "));
    EXPECT_THAT(r.out, HasSubstr("\nEspaçador em cada junta E–I: 0,35 mm, E e I topo a topo\n"));
    EXPECT_THAT(r.out, HasSubstr("Entreferro: 0,702 mm; indutância: 15,001 H"));
    EXPECT_THAT(r.out, HasSubstr("\n[bom]  Indutância calculada 15,0 H ≥ Lr\n"));
    // The choke's ripple flux is not known: its iron loss is not given as 0 W.
    EXPECT_THAT(r.out, ::testing::ContainsRegex(" W, ferro não calculada; superfície "));

    r = cliRun({"trafo-alimentacao", "ECoAba=10", "ECoMargem=20", "--construcao"});
    EXPECT_THAT(r.out,
                HasSubstr("Construção e perdas\nErro: Margens e abas maiores que a janela.\n"));
}

TEST(CliConstrucao, HelpNamesTheOption)
{
    const CliRun r = cliRun({"--help"});
    EXPECT_THAT(r.out, HasSubstr("--construcao"));
    EXPECT_THAT(r.out, HasSubstr("CBCoAco=M400-50A"));
}

TEST(CliConstrucao, UICoreIsAnalysedWithItsWindowSettings)
{
    // The tab's defaults on scrapless U/I, a = b = 32: window 32 x 96, path
    // 2 x 32 + 2 x 96 + 4 x 32 = 384 mm; every winding split over the two coils.
    Json j = construcao({"trafo-alimentacao", "RBNucleoU=1"});
    ASSERT_FALSE(j.contains("error")) << j.dump();
    EXPECT_EQ(j["core"], Json::parse(R"({"family": "UI", "a_mm": 32.0, "b_mm": 32.0,
        "c_mm": 32.0, "h_mm": 96.0, "path_mm": 384.0, "joints": 2, "coils": 2})"));
    for (const Json& w : j["windings"]) {
        ASSERT_EQ(w["legs"].size(), 2u) << w.dump();
        EXPECT_EQ(w["legs"][0]["turns"].get<double>() + w["legs"][1]["turns"].get<double>(),
                  w["turns"].get<double>());
    }
    EXPECT_TRUE(j["fits"]);
    allFinite(j);
    // The window typed like any control.
    j = construcao({"trafo-alimentacao", "RBNucleoU=1", "ECoUIJanela=14", "ECoUIAltura=48"});
    EXPECT_EQ(j["core"]["c_mm"], 14.0);
    EXPECT_EQ(j["core"]["path_mm"], 2 * 14 + 2 * 48 + 4 * 32);
    EXPECT_FALSE(j["fits"]);
    // E/I carries no core object: its output is as it was.
    EXPECT_FALSE(construcao({"trafo-alimentacao"}).contains("core"));
}

TEST(CliConstrucao, DesignForTheCoreAndItsSettingsInDesignFiles)
{
    // The default mode designs: "projeto": "nucleo", the choke at exactly Lr.
    CliRun r = cliRun({"reator-filtro", "--construcao", "--json", "--decimal-separator=,"});
    ASSERT_EQ(r.code, 0) << r.err;
    Json c = Json::parse(r.out)["construcao"];
    EXPECT_EQ(c["projeto"], "nucleo");
    EXPECT_EQ(c["windings"][0]["turns"], 2031);
    EXPECT_NEAR(c["windings"][0]["turns_tab"].get<double>(), 2687.6, 0.05);
    EXPECT_NEAR(c["spacer_mm"].get<double>(), 0.2974, 1e-3);
    EXPECT_EQ(c["verdicts"]["inductance"][0], "Indutância calculada 10,0 H ≥ Lr");

    // The new settings go into a design file and come back from it.
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("p.kelvora")).toStdString();
    r = cliRun({"trafo-alimentacao", "CBCoProjeto=Espiras da aba", "ECoAWG1=18", "ECoRegMax=5",
                "--salva-projeto=" + file});
    ASSERT_EQ(r.code, 0) << r.err;
    r = cliRun({"trafo-alimentacao", "--projeto=" + file, "--construcao", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    c = Json::parse(r.out)["construcao"];
    EXPECT_EQ(c["projeto"], "aba");
    EXPECT_EQ(c["windings"][0]["awg"], 18);
    EXPECT_EQ(c["verdicts"]["regulation"][1], false); // 8.7 % over 5 %
    EXPECT_THAT(c["verdicts"]["regulation"][0].get<std::string>(),
                HasSubstr("% acima do limite escolhido"));

    // A text that is not one of the list's items is a usage error.
    r = cliRun({"reator-filtro", "CBCoProjeto=Outro", "--construcao"});
    EXPECT_EQ(r.code, 2);
    EXPECT_THAT(r.err, HasSubstr("CBCoProjeto"));
}

TEST(CliConstrucao, WindingSheetJoinsTheHalvesAndPlacesTheCentreTap)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("f.txt")).toStdString();
    CliRun r = cliRun({"trafo-alimentacao", "CNumPri=Duplo",
                       "CBCoRet1=Onda completa c/ derivação central, entrada capacitiva",
                       "--decimal-separator=,", "--folha=" + path});
    ASSERT_EQ(r.code, 0) << r.err;
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const std::string sheet = QString::fromLatin1(f.readAll()).toStdString(); // Windows-1252
    EXPECT_THAT(sheet, HasSubstr("Espiras enroladas: Para o núcleo escolhido"));
    EXPECT_THAT(sheet, HasSubstr("Em paralelo (início do 1 com início do 2, fim do 1 com fim do 2)"));
    EXPECT_THAT(sheet, HasSubstr("em série (fim do 1 com início do 2) para o dobro dela."));
    // The centre-tapped secondary is wound with an even count: two equal halves.
    const std::string tap = "Secundário 1: derivação central ao fim da espira ";
    const std::size_t at = sheet.find(tap);
    ASSERT_NE(at, std::string::npos);
    const long half = std::stol(sheet.substr(at + tap.size()));
    EXPECT_THAT(sheet, HasSubstr("(metades de " + std::to_string(half) + " espiras)"));
    EXPECT_THAT(sheet, HasSubstr("     Espiras: " + std::to_string(2 * half) + " (a aba calculou"));
}
