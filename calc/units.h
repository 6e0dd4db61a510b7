#pragma once
// Pieces every design shares: how a quantity with its unit is written, the
// lamination sizes the combo boxes offer, and the verdict on the chosen core.
#include "calc_error.h"
#include "numbers.h"
#include "sheet.h"
#include "verdicts.h"

#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// pi as the single-precision constant the modulator formulas use.
inline constexpr float Pi = 3.1415925f;

// A fixed-format number followed by its unit text: "12,3 Esp".
std::string fixedUnit(long double v, int p, int d, std::string_view unit, const Settings& cfg);
// A fixed-format number as the argument of a message: "%1 Esp" with "12,3".
ShownText fixedWords(Words w, long double v, int p, int d, const Settings& cfg);
// A number of turns, fixed (p, d): "12,3 Esp" on the mains transformer's tab.
ShownText turnsWords(long double n, int p, int d, const Settings& cfg);
// The same in lower case, as the modulation transformer's tab writes it: "12,3 esp".
ShownText turnsLowerWords(long double n, int p, int d, const Settings& cfg);
// Square root of a quantity that must not be negative: a negative one (or
// not a number) stops the run with `fault`, the message that names it.
long double rootOf(long double x, Words fault);
// A whole wire gauge: "21 AWG".
std::string gauge(float awg, const Settings& cfg);

// Centre-leg widths (mm) of the standard scrapless E/I laminations the
// combo boxes offer; 50 mm stands twice in the list the builders know.
const std::vector<std::string>& centreLegWidths();
// Stack heights (mm) offered beside them.
const std::vector<std::string>& stackHeights();

// Whether the chosen core is big enough (CoreVerdict): both comparisons as the three tabs make them: section in cm^2, side and width in mm.
CoreVerdict judgeCore(long double chosenSection, long double neededSection, long double neededSide,
                      long double chosenWidth);
// The verdict's message in `label`, its colours there and on the width and
// stack fields (the stack is only faulted by a small section).
void presentCoreVerdict(Sheet& tab, CoreVerdict v, std::string_view label,
                        std::string_view widthField, std::string_view stackField);

// Runs a design's steps on a copy of the last record: the steps note in
// `reached` how far they came, and the CalcError of a step stops them and is kept.
template <typename Inputs, typename Result>
Result runSteps(void (*steps)(const Inputs&, const Settings&, Result&), const Inputs& in,
                const Settings& cfg, const Result& last)
{
    Result r = last;
    r.reached = 0;
    r.error.reset();
    try {
        steps(in, cfg, r);
    } catch (const CalcError& e) {
        r.error = e;
    }
    return r;
}

// A design on its tab: read, compute, present; a failed run's error is thrown
// after what it reached is shown.
template <typename Inputs, typename Result>
void calculateOnTab(Sheet& tab, Result& r, const Settings& cfg, Inputs (*read)(const Sheet&),
                    Result (*compute)(const Inputs&, const Settings&, const Result&),
                    void (*present)(const Result&, Sheet&, const Settings&))
{
    r = compute(read(tab), cfg, r);
    present(r, tab, cfg);
    if (r.error)
        throw *r.error;
}

} // namespace kelvora
