#include "checked.h"

#include "calc_error.h"

#include <cmath>
#include <limits>
#include <string>

namespace kelvora {

namespace fault {
void divisionByZero()
{
    throw CalcError(
        say(KELVORA_WORDS("Error", "Erro de cálculo: divisão por zero. Verifique os valores "
                                   "digitados (um valor igual a zero onde o cálculo divide por "
                                   "ele).")));
}
void invalidOperation(const char* what)
{
    if (what)
        throw CalcError(say(KELVORA_WORDS("Error", "Erro de cálculo: %1 deve ser maior que zero "
                                                   "(raiz quadrada de número negativo)."),
                            {what}));
    throw CalcError(
        say(KELVORA_WORDS("Error", "Erro de cálculo: operação inválida (raiz quadrada ou "
                                   "logaritmo de um número negativo ou zero). Verifique os "
                                   "valores digitados.")));
}
void overflow()
{
    throw CalcError(say(KELVORA_WORDS("Error", "Erro de cálculo: resultado grande demais para ser "
                                               "representado (estouro). Verifique os valores "
                                               "digitados.")));
}
} // namespace fault

long double log10c(long double x)
{
    if (std::isnan(x) || x <= 0.0L)
        fault::invalidOperation(nullptr);
    // log10l is the x87 FYL2X, good to about one unit in the last place, and
    // processors differ in that last bit: some give 3 + 2^-62 for log10(1000).
    // A wire gauge is floor(50 - 10 log10(...)), so an exact power of ten must
    // give its exact logarithm on every machine, or AWG 20 becomes AWG 19.
    // 10^1 ... 10^27 are the powers a 64-bit mantissa holds exactly.
    const long double r = std::log10(x);
    if (r > 0.5L && r < 27.5L) {
        const int k = int(r + 0.5L); // the nearest whole number: r is positive here
        if (std::fabs(r - k) < 1e-15L) {
            long double p = 1.0L;
            for (int i = 0; i < k; ++i)
                p *= 10.0L;
            if (x == p)
                return k;
        }
    }
    return r;
}

long double power(long double x, long double y)
{
    if (std::isnan(x) || std::isnan(y) || x < 0.0L)
        fault::invalidOperation(nullptr);
    if (x == 0.0L && y < 0.0L)
        fault::divisionByZero();
    return finite(std::pow(x, y));
}

float storeScaledPower(long double c, float x, double y)
{
    // The extended power (glibc's x87 powl) costs about 0.4 us; the state keeps
    // only 24 bits of c * x^y. glibc's double pow is within about half an ulp
    // of x^y (under 2^-52 relative, by its error analysis) and powl within a
    // few units of its 64-bit mantissa, so the two products differ by less
    // than 2^-50 of their value.
    // When the double one lies farther than 2^-44 of its value from both
    // rounding boundaries of its single (the midpoints to the neighbouring
    // singles), the extended one lies strictly between them too and rounds to
    // the same single. Otherwise, and for every case that might fault, zero and
    // singles out of the normal range, the extended path decides.
    if (x > 0.0f && std::isfinite(x)) {
        const long double v = c * static_cast<long double>(std::pow(double(x), y));
        const float f = static_cast<float>(v);
        if (std::isnormal(f) && std::fabs(f) < std::numeric_limits<float>::max()) {
            const float inf = std::numeric_limits<float>::infinity();
            const long double below = (static_cast<long double>(f) + std::nextafter(f, -inf)) / 2;
            const long double above = (static_cast<long double>(f) + std::nextafter(f, inf)) / 2;
            const long double margin = std::fabs(v) * 0x1p-44L;
            if (v - below > margin && above - v > margin)
                return f;
        }
    }
    return store(c * power(x, y));
}

} // namespace kelvora
