#pragma once
// Rectifier and filter of a power supply simulated in the time domain on the
// winding that feeds it: the secondary's no-load EMF behind its resistance and
// leakage inductance, a rectifier (half wave, full wave with centre tap,
// bridge, full-wave doubler) of silicon diodes or vacuum/vapour valves, a
// ladder of up to four C, R and L elements, and the load. Integrated to the
// periodic steady state. Plain C++, SI units.
#include "shown_text.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvora::supply {

enum class Rectifier { HalfWave, CentreTap, Bridge, Doubler };

// Stable keys of the rectifiers ("meia-onda", "onda-completa-ct", "ponte",
// "dobrador") and their Portuguese captions.
const char* rectifierKey(Rectifier r);
const char* rectifierCaption(Rectifier r);
std::optional<Rectifier> rectifierFromKey(const std::string& key);

// The forward law of one rectifying element.
//   silicon and gas valves: V = v0 + rs*I (a constant drop when rs = 0);
//   vacuum valves (Child-Langmuir, per plate): I = k*V^1.5.
struct DiodeLaw {
    bool childLangmuir = false;
    double v0 = 0, rs = 0; // V, ohms
    double k = 0;          // A/V^1.5
};

// Ratings of a rectifying element; an absent one is not checked.
struct Ratings {
    std::optional<double> piv;         // peak inverse voltage, V
    std::optional<double> pivAt[3][2]; // a PIV that falls with the DC current: {mA, V}, up to 3
    std::optional<double> iPeak;       // peak current per plate or diode, A
    std::optional<double> iAvg;        // average current per diode, A
    std::optional<double> iSurge;      // one-cycle surge (I_FSM), A
    std::optional<double> iDcCapInput, iDcChokeInput; // largest DC output, A
    std::optional<double> cMax;        // largest first capacitor, F
    std::optional<double> rMin;        // least plate-supply resistance per plate, ohms
    std::optional<double> lMin;        // least input choke, H
};

struct Device {
    std::string name;
    bool valve = false;
    DiodeLaw law;
    Ratings ratings;
};

// The silicon diodes and the valves whose figures come from a datasheet.
const std::vector<Device>& devices();
const Device* findDevice(const std::string& name);
// k of a vacuum valve's I = k V^1.5 from one datasheet drop V at a current I (A).
double childLangmuirK(double dropV, double currentA);

enum class ElementKind { None, C, R, L };

struct Element {
    ElementKind kind = ElementKind::None;
    double value = 0; // F, ohms or H
    double loss = 0;  // ESR of a C, DCR of an L, ohms
};

struct Source {
    double vNl = 0;   // no-load rms EMF of the whole secondary, V
    double r = 0;     // winding resistance hot plus the primary's referred, ohms
    double rPrimary = 0; // of r, the primary's part (a half of a centre tap takes a quarter of it)
    double lLeak = 0; // leakage inductance referred to the secondary, H
    double f = 60;    // mains frequency, Hz
};

struct Load {
    bool constantCurrent = true;
    double value = 0;   // A, or ohms
    double bleeder = 0; // ohms in parallel; 0: none
};

struct Circuit {
    Source source;
    Rectifier rectifier = Rectifier::Bridge;
    Device device;
    std::vector<Element> ladder; // up to four, the first C or L
    Load load;
};

// One node of the ladder (the output of each element, the last the load).
struct NodeResult {
    double vdc = 0, ripplePp = 0, rippleRms = 0, ripplePct = 0;
};

enum class VerdictKey { Piv, PeakCurrent, AverageCurrent, Surge, DcCurrent, FirstCapacitor,
                        PlateResistance, InputChoke, Continuity };

// `text` is the Portuguese (the JSON's); `words` the same as a message whose
// first and third arguments are themselves messages (`what`, `whose`) in a
// rating's verdict: verdictText() fills them in in a language.
struct Verdict {
    VerdictKey key;
    bool good;
    std::string text;
    ShownText words;
    Words what;      // "Tensão inversa de pico"; none in the continuity's verdict
    ShownText whose; // "do 5U4G", "da válvula própria"
};

// A verdict's text in the language of `translate`.
std::string verdictText(const Verdict& v, const Translator& translate);
// The rectifier's name as the supply's table writes it ("Ponte").
Words rectifierCaptionWords(Rectifier r);

// Stable JSON key of a verdict: "piv", "peak_current", ...
const char* verdictKey(VerdictKey k);

struct Waveform {
    std::vector<double> t, vOut, iWinding; // s, V, A
};

struct Result {
    std::optional<std::string> error; // when set, nothing else is meaningful
    ShownText errorWords;             // the error as a message
    std::vector<NodeResult> nodes;
    double windingRms = 0;            // rms current of the winding (each half for a centre tap)
    double diodePeak = 0, diodeAvg = 0, diodeRms = 0, piv = 0;
    double surgePeak = 0, t95 = 0;    // turn-on at the crest of the mains
    std::vector<double> powerW;       // power in each element's loss (ESR, R, DCR), per element
    double sourcePowerW = 0;          // in the source resistance
    std::optional<double> lCritical;  // choke input: least choke for continuous current, H
    bool discontinuous = false;       // choke input: the choke current stops each cycle
    double loadCurrent = 0;           // A, mean
    std::vector<Verdict> verdicts;
    Waveform steady;                  // the last two cycles
    Waveform transient;               // from switch-on
};

struct Options {
    bool transient = true;     // also the turn-on (surge, t95)
    int stepsPerCycle = 1024;
    double maxTransientS = 20; // the turn-on is followed at most this long
};

// Checks the circuit; the first problem as a Portuguese message.
std::optional<std::string> check(const Circuit& c);
// The same problem as a message.
std::optional<ShownText> checkWords(const Circuit& c);

Result simulate(const Circuit& c, const Options& o = {}, char decimalSeparator = ',');

struct SweepPoint {
    double iLoad = 0; // A
    double vdc = 0, ripplePp = 0;
};

// The output against load current from a tenth to twice the circuit's own
// load, `points` steps, each from the previous point's steady state.
std::vector<SweepPoint> sweep(const Circuit& c, int points = 24);

} // namespace kelvora::supply
