#include "checked.h"

#include "calc_error.h"

#include <cmath>
#include <string>

namespace kelvora {

namespace {
[[noreturn]] void divisionByZero()
{
    throw CalcError("Erro de cálculo: divisão por zero. Verifique os valores digitados "
                    "(um valor igual a zero onde o cálculo divide por ele).");
}
[[noreturn]] void invalidOperation(const char* what)
{
    if (what)
        throw CalcError(std::string("Erro de cálculo: ") + what
                        + " deve ser maior que zero (raiz quadrada de número negativo).");
    throw CalcError("Erro de cálculo: operação inválida (raiz quadrada ou logaritmo de um "
                    "número negativo ou zero). Verifique os valores digitados.");
}
[[noreturn]] void overflow()
{
    throw CalcError("Erro de cálculo: resultado grande demais para ser representado "
                    "(estouro). Verifique os valores digitados.");
}
} // namespace

long double quot(long double a, long double b)
{
    if (b == 0.0L)
        divisionByZero();
    if (std::isnan(a) || std::isnan(b))
        invalidOperation(nullptr);
    return finite(a / b);
}

long double root(long double x, const char* what)
{
    if (std::isnan(x) || x < 0.0L)
        invalidOperation(what);
    return std::sqrt(x);
}

long double log10c(long double x)
{
    if (std::isnan(x) || x <= 0.0L)
        invalidOperation(nullptr);
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
        invalidOperation(nullptr);
    if (x == 0.0L && y < 0.0L)
        divisionByZero();
    return finite(std::pow(x, y));
}

long double finite(long double v)
{
    if (std::isnan(v))
        invalidOperation(nullptr);
    if (std::isinf(v))
        overflow();
    return v;
}

float store(long double v)
{
    finite(v);
    const float f = static_cast<float>(v);
    if (std::isinf(f))
        overflow();
    return f;
}

} // namespace kelvora
