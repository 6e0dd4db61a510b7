#pragma once
// Construction analysis of a wound part: the layer-by-layer build in a
// scrapless E/I lamination (or, for the power transformer, a U/I core with a
// coil on each leg), fill of the window, copper resistance and loss,
// iron loss, temperature rise, loaded voltages and weight, for the power
// transformer, the valve modulation transformer and the filter reactor.
// Plain C++: the window (FConstrucao) and kelvora-cli share it.
#include "lamination.h"
#include "mains.h"
#include "numbers.h"
#include "results.h"
#include "sheet.h"

#include "shown_text.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora::construction {

// ---------------------------------------------------------------- settings

// The controls of FConstrucao, in the order the window shows them. Edits
// holding a fraction ("0,95") are written with `decimalSeparator`.
std::vector<ControlSpec> construcaoControls(char decimalSeparator = ',');
// Whether `name` is one of those controls.
bool isConstrucaoControl(std::string_view name);

// CBCoProjeto: which turns are wound. ForCore designs the windings (and the
// gaps) for the chosen core; TabTurns winds the tab's own turns.
enum class Projeto { ForCore, TabTurns };

// Rows of the windings table whose gauge the builder can set (ECoAWG1-16).
inline constexpr int GaugeRows = 16;

// The settings as the analysis uses them (lengths in mm, temperatures in °C);
// the defaults are the single-precision values the fields read.
struct ConstructionSettings {
    Projeto projeto = Projeto::ForCore; // CBCoProjeto
    int steel = 4;                    // CBCoAco item: index into steelGrades()
    double ks = 0.95f;                // ECoEmpil: stacking factor
    double kbf = 1.2f;                // ECoFatorPerdas: building factor of the iron loss
    int enamelGrade = 2;              // CBCoGrauFio: 1 or 2
    double tube = 1.0;                // ECoParede: bobbin tube wall t_b
    double flange = 1.0;              // ECoAba: bobbin flange t_f
    double margin = 0.0;              // ECoMargem: end margin at each end of a layer
    double interlayer = 0.05f;        // ECoIsolCamada: insulation between layers t_il
    double wrap = 0.2f;               // ECoIsolEnrol: insulation over each winding t_iw
    double lay = 1.1f;                // ECoFatorEnrol: winding (lay) factor k_lay
    double bulge = 1.1f;              // ECoAbaulamento: bulge factor k_b
    double clearance = 0.5;           // ECoFolga: clearance between coil and core
    double uiWindow = 0, uiHeight = 0; // ECoUIJanela, ECoUIAltura: U/I window c x h; 0 scrapless
    double ambient = 40.0;            // ECoTamb
    int insulationClass = 0;          // CBCoClasse item: index into insulationClasses()
    double mur = 5000.0;              // ECoMur: relative permeability of the steel
    double bdcMax = 12000.0;          // ECoBdcMax: highest DC flux of a choke, gauss
    int load[6] = {0, 0, 0, 0, 0, 0}; // CBCoRet1-6 items: index into loads()
    double bdcDesign = 8000.0;        // ECoBdcProjeto: DC flux a choke is designed at, gauss
    double regMax = 15.0;             // ECoRegMax: highest regulation of a secondary, %
    // ECoAWG1-16: the builder's gauge for each row of the windings table, -1
    // where the rule of the design chooses it.
    int awg[GaugeRows] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    double lineTolerancePct = 10.0;   // ECoTolRede: how far the mains runs high, %
    double jointMm = 0.01f;           // ECoJunta: equivalent air gap of each E-I joint
    double noLoadMaxPct = 25.0;       // ECoImagMax: highest no-load current, % of full load
    int insulation = 0;               // CBCoIsolacao item: 0 basic, 1 reinforced
    // CBCoCorrRet: a secondary simulated in FFonte carries its simulated rms
    // current instead of the fixed factor's.
    bool simulatedCurrent = true;
};

// Reads the settings sheet like the tabs read their fields: an edit that is
// not a number or lies outside its range turns red and gives its default; a
// list without a valid item gives its default item.
ConstructionSettings readSettings(Sheet& construcao, const Settings& cfg);

// ------------------------------------------------------------------ inputs

// What the analysis takes from each design (the numeric results of the tab's
// last calculation). Turns are the tab's (fractional), currents in A,
// voltages in V, lengths in mm unless the name says otherwise.
struct TrafoAlimInput {
    bool tabError = false;  // the tab's last calculation ended in an error
    bool uCore = false;     // RBNucleoU: U/I laminations
    double a = 0, b = 0;    // centre-leg width Bn, stack En (mm)
    double fo = 0;          // frequency, Hz
    double bmax = 0;        // chosen Bmax, gauss
    double efficiency = 0;  // n, %
    int tipoPri = 0;        // 0 Simples, 1 Duplo, 2 Derivação
    int numSec = 1;         // active secondaries, 0-6
    double vp[5] = {};      // Vp1-Vp4 (1..4 used)
    double nprim[5] = {};   // Nprim1-4
    double awgPrim[5] = {}; // AWGprim1-4
    double vs[7] = {}, is[7] = {}, ns[7] = {}, awgs[7] = {}; // 1..6 used
    // The rms current of a secondary from the rectifier's simulation (A),
    // used instead of Is / k of its load; 1..6 used.
    std::optional<double> iRmsSimulated[7];
};

struct TrafoModInput {
    bool tabError = false;
    double a = 0, b = 0;          // Bn, En (mm)
    double paMod = 0;             // audio power, W
    double fmin = 0;              // Hz
    double zmod = 0;              // plate-to-plate load, ohms
    double ib1mod = 0;            // full-signal plate current of both valves, A
    double ibrf = 0;              // RF stage plate current, A
    double bmax = 0;              // gauss
    double np = 0, ns = 0;        // turns, whole primary and secondary
    double kn = 0;                // turns ratio Np/Ns of the tab
    double sfp = 0, sfs = 0;      // gauges
    double gapMm = 0;             // Ae: spacer at each joint, mm
    bool reactorCoupling = false; // CBSelTM on the reactor item
};

struct ReatorFiltroInput {
    bool tabError = false;
    double a = 0, b = 0; // RFBn, RFEn (mm)
    double lr = 0;       // wanted inductance, H
    double ir = 0;       // DC current, A
    double nesp = 0;     // turns
    double gapCm = 0;    // RFAee: spacer at each joint, cm
};

// The power transformer's core: the tab's Bn and En, U/I with the window of
// the settings when RBNucleoU is chosen.
Core coreOf(const TrafoAlimInput& in, const ConstructionSettings& set);

// Adapters from a design's result record and the tab's sheet.
TrafoAlimInput trafoAlimInput(const Sheet& tab, const TrafoAlimResult& s, bool tabError);
TrafoModInput trafoModInput(const Sheet& tab, const TrafoModResult& s, bool tabError);
ReatorFiltroInput reatorFiltroInput(const Sheet& tab, const ReatorFiltroResult& s, bool tabError);

// ------------------------------------------------------------------ result

// What kind of iron a part is, which decides the physics of its analysis.
enum class PartType {
    MainsTransformer, // a mains primary and loaded secondaries, no gap: E/I interleaved or U/I
    DcTransformer,    // a primary carrying the stage's DC (class-B modulator): gapped, judged
                      // by its reactance at the lowest frequency
    Choke,            // one winding carrying DC: gapped for its inductance
};

// What a winding is in its part, beside its name.
enum class WindingRole {
    Primary,        // the whole primary
    PrimaryHalf,    // one of two equal halves: in parallel or in series on the mains, or
                    // the two sides of a push-pull primary
    PrimarySection, // a tapped primary's section below or above the tap
    Secondary,
    Choke, // a choke's one winding
};

// One winding, listed from the tube outwards.
struct Winding {
    std::string name; // "Primário", "Secundário 1", ...
    ShownText nameWords; // the same, as a message
    WindingRole role = WindingRole::Primary;
    int number = 0; // the secondary's number on the tab (1-6); 0 for the others
    double turns = 0; // whole turns wound
    int awg = 0;
    double dBareMm = 0, dOverMm = 0;
    double turnsPerLayer = 0, layers = 0;
    double buildMm = 0;
    double lengthM = 0;
    double r20Ohm = 0, rHotOhm = 0; // at 20 °C and at the temperature of the last pass
    double iRmsA = 0;
    double pcuW = 0;
    double massG = 0;
    std::optional<double> turnsTab; // the tab's turns, unrounded (none where the tab has none)
    double jAmm2 = 0;               // current density, A/mm^2
    bool simulatedCurrent = false; // iRmsA from the rectifier's simulation
    // Power transformer secondaries only.
    std::optional<double> vNl, vFl, regulationPct;
    // U/I: the half on each leg's coil, in series with the other (leg 1
    // takes the odd turn). Then turns, length, resistances and mass are the
    // whole winding's, layers and build those of leg 1's coil. Empty on E/I.
    struct LegHalf {
        double turns = 0, layers = 0, buildMm = 0;
    };
    std::vector<LegHalf> legs;
};

enum class VerdictKind { Fit, Temperature, Flux, Inductance, Reactance, Regulation, NoLoad, Insulation };

// Which text a verdict shows.
enum class VerdictCase {
    Fits,
    DoesNotFit,
    TemperatureGood,
    TemperatureBad,
    FluxGood,
    FluxBad, // power transformer
    InductanceGood,
    InductanceLow,
    Saturates, // reactor
    ReactanceGood,
    ReactanceLow, // modulator
    TotalFluxGood,
    TotalFluxBad, // modulator
    RegulationGood,
    RegulationBad,
    RegulationCollapsed, // power transformer: a secondary gives nothing at its load
    NoLoadGood,
    NoLoadBad, // power transformer: magnetising current at the high line
    InsulationGood,
    InsulationBad,
    InsulationAboveTable, // reinforced insulation
};

struct Verdict {
    VerdictKind kind;
    VerdictCase which;
    double value; // the X of the text
    bool good;
    std::string text; // formatted with the separator given to the analysis
    double y = 0, z = 0; // the further numbers of a mains verdict's text
    ShownText words;     // the text, as a message
};

struct Analysis {
    PartType part = PartType::MainsTransformer;
    std::optional<std::string> error; // when set, nothing else is meaningful
    ShownText errorWords;             // the error as a message
    Core core;                        // the core wound on
    Projeto projeto = Projeto::ForCore;
    std::vector<std::string> notes; // what the design could not do as asked
    std::vector<ShownText> noteWords; // the same, as messages

    std::vector<Winding> windings;
    double buildMm = 0, fillPct = 0; // of the fuller coil on U/I
    bool fits = false;
    double mFeG = 0, mCuG = 0, mTotalG = 0;
    double pcuW = 0, pfeW = 0, areaCm2 = 0, psiWcm2 = 0, dtK = 0, tHotC = 0;
    // Power transformer.
    double bPeakGauss = 0, efficiencyPct = 0;
    double primaryDrop = 0; // power transformer: the primary's resistive drop over V_p (delta)
    // Power transformer: the primary as the mains sees it (V_p across N_p
    // turns, the full-load current I_p), the frequency and the magnetic path
    // l_e; two halves that may go in series on 2 V_p. Then the mains checks.
    double primaryVolts = 0, primaryAmps = 0, primaryTurns = 0, frequencyHz = 0, pathMm = 0;
    bool primaryHalves = false;
    std::optional<MainsChecks> mains;
    // Modulator and reactor: magnetic gap l_g (mm), the spacer in each of the
    // two E-I joints (l_g/2; 0: E and I interleaved), DC flux.
    double gapMm = 0, spacerMm = 0, bDcGauss = 0;
    double lH = 0;                           // reactor inductance
    double lpH = 0, xpOhm = 0, bAcGauss = 0; // modulator primary

    // In the design's order: power transformer fit, temperature, flux, regulation;
    // modulator fit, temperature, reactance, flux; reactor fit, temperature, inductance.
    std::vector<Verdict> verdicts;
};

// ------------------------------------------------------------- entry points

Analysis analyseTrafoAlim(const TrafoAlimInput& in, const ConstructionSettings& set,
                          const Settings& cfg);
Analysis analyseTrafoMod(const TrafoModInput& in, const ConstructionSettings& set,
                         const Settings& cfg);
Analysis analyseReatorFiltro(const ReatorFiltroInput& in, const ConstructionSettings& set,
                             const Settings& cfg);

// The stacking of a modulator's or a reactor's laminations: "Espaçador em
// cada junta E–I: X mm, E e I topo a topo" or "Sem espaçador: lâminas intercaladas".
std::string stackingText(const Analysis& a, char decimalSeparator);
ShownText stackingWords(const Analysis& a, char decimalSeparator);

// Temperature rise (K) of a part in natural convection dissipating psi W per
// cm^2 of its outer surface (McLyman's surface method).
double temperatureRise(double psiWcm2);

// ------------------------------------------------------------------- texts

// Ends `a` in the error `why`: its Portuguese in `error`, the message in `errorWords`.
void setError(Analysis& a, ShownText why);

// The line of a verdict, X with one decimal and the given separator; the
// mains verdicts also write y and z.
std::string verdictText(VerdictCase which, double x, char decimalSeparator, double y = 0,
                        double z = 0);
ShownText verdictWords(VerdictCase which, double x, char decimalSeparator, double y = 0,
                       double z = 0);
// "Nota: a; b": the analysis's notes on one line, each translated by `tr`.
std::string notesLine(const std::vector<ShownText>& notes, const Translator& tr);
// "fit", "temperature", "flux", "inductance", "reactance", "regulation", "no_load",
// "insulation".
const char* verdictKey(VerdictKind kind);

} // namespace kelvora::construction
