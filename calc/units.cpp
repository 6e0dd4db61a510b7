#include "units.h"

#include <cmath>

namespace kelvora {

std::string fixedUnit(long double v, int p, int d, std::string_view unit, const Settings& cfg)
{
    std::string s = fixed(v, p, d, cfg);
    s += unit;
    return s;
}

ShownText fixedWords(Words w, long double v, int p, int d, const Settings& cfg)
{
    return say(w, {fixed(v, p, d, cfg)});
}

ShownText turnsWords(long double n, int p, int d, const Settings& cfg)
{
    return fixedWords(KELVORA_WORDS("Result", "%1 Esp"), n, p, d, cfg);
}

ShownText turnsLowerWords(long double n, int p, int d, const Settings& cfg)
{
    return fixedWords(KELVORA_WORDS("Result", "%1 esp"), n, p, d, cfg);
}

long double rootOf(long double x, Words fault)
{
    if (std::isnan(x) || x < 0.0L)
        throw CalcError(say(fault));
    return std::sqrt(x);
}

std::string gauge(float awg, const Settings& cfg) { return general(awg, cfg) + " AWG"; }

const std::vector<std::string>& centreLegWidths()
{
    static const std::vector<std::string> v = {"15", "19", "22", "25", "28", "32", "35", "36",
                                               "38", "40", "44", "50", "50", "60", "80", "100"};
    return v;
}

const std::vector<std::string>& stackHeights()
{
    static const std::vector<std::string> v = {"12",  "15",  "19",  "21",  "23", "25", "27",
                                               "30",  "32",  "36",  "38",  "40", "44", "48",
                                               "50",  "55",  "60",  "65",  "70", "80", "90",
                                               "100", "110", "120", "130", "140"};
    return v;
}

// A NaN section or side cannot reach here: every section and side is stored
// through the checked arithmetic, which refuses what is not a number.
CoreVerdict judgeCore(long double chosenSection, long double neededSection, long double neededSide,
                      long double chosenWidth)
{
    if (!(chosenSection >= neededSection))
        return CoreVerdict::SmallSection;
    if (neededSide > chosenWidth)
        return CoreVerdict::NarrowLeg;
    return CoreVerdict::Fits;
}

void presentCoreVerdict(Sheet& tab, CoreVerdict v, std::string_view label,
                        std::string_view widthField, std::string_view stackField)
{
    const VerdictLabel shown = verdictLabel(v);
    Control& aval = tab[label];
    write(aval, shown.words);
    paint(aval, shown.colours);
    paint(tab[widthField], shown.colours);
    paint(tab[stackField], v == CoreVerdict::SmallSection ? BadPair : GoodPair);
}

} // namespace kelvora
