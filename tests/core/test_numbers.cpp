#include "calc_error.h"
#include "numbers.h"
#include "sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace kelvora;

namespace {

struct FormatCase {
    long double value;
    int p, d; // p < 0: general format
    const char* text;
};

long double single(double v) { return static_cast<float>(v); }

} // namespace

// The check table of the number conventions, with a comma separator.
TEST(NumberFormats, MatchTheCheckTableToTheCharacter)
{
    const FormatCase cases[] = {
        {single(0.06667), 2, 4, "0,0670"},
        {single(0.06667), 2, 6, "0,067000"},
        {single(123.53), 3, 2, "124,00"},
        {105, 3, 2, "105,00"},
        {1050, 3, 2, "1,05E03"},
        {-1050, 3, 2, "-1,05E03"},
        {1000, 3, 2, "1E03"},
        {single(999.7), 3, 1, "1E3"},
        {1234567, 6, 1, "1,23457E6"},
        {1234567, 6, 4, "1,23457E0006"},
        {1234567, 6, 5, "1,23457E6"},
        {single(2687.6), 5, 1, "2687,6"},
        {single(1.2349), 4, 2, "1,23"},
        {single(0.0001234), 4, 6, "0,000123"},
        {2.5, 1, 0, "3"},
        {single(-0.004), 4, 2, "0,00"},
        {single(-0.006), 4, 2, "-0,01"},
        {single(-0.005), 4, 2, "0,00"},
        {0.125, 2, 3, "0,130"},
        {single(12.6), -1, 0, "12,6000003814697"},
        {single(35.4), -1, 0, "35,4000015258789"},
        {single(0.03444623202085495), -1, 0, "0,034446232020855"},
        {100, -1, 0, "100"},
        {0.0L, -1, 0, "0"},
        {-0.0L, -1, 0, "0"},
        {static_cast<long double>(1e20), -1, 0, "1E20"},
        {static_cast<long double>(1.5e-7), -1, 0, "1,5E-7"},
        {static_cast<long double>(0.0001), -1, 0, "0,0001"},
        {static_cast<long double>(0.00005), -1, 0, "5E-5"},
        {single(0.0001), -1, 0, "9,99999974737875E-5"},
        {static_cast<long double>(999999999999999.0), -1, 0, "999999999999999"},
        {static_cast<long double>(1e15), -1, 0, "1E15"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string got = c.p < 0 ? general(c.value, ',') : fixed(c.value, c.p, c.d, ',');
        EXPECT_EQ(got, c.text);
    }
}

TEST(NumberFormats, UseTheGivenSeparator)
{
    EXPECT_EQ(fixed(single(0.06667), 2, 4, '.'), "0.0670");
    EXPECT_EQ(general(single(12.6), '.'), "12.6000003814697");
    EXPECT_EQ(fixed(1050, 3, 2, '.'), "1.05E03");
}

TEST(NumberFormats, FixedFallsBackToScientificWhenIntegerPartIsTooLong)
{
    // Seven integer digits with precision 6.
    EXPECT_EQ(fixed(2436100.0L, 6, 1, ','), "2,4361E6");
    EXPECT_EQ(fixed(999999.0L, 6, 1, ','), "999999,0");
    EXPECT_EQ(fixed(9999995.0L, 6, 1, ','), "1E7");
}

TEST(NumberFormats, FixedZeroAndTinyValues)
{
    EXPECT_EQ(fixed(0.0L, 4, 2, ','), "0,00");
    EXPECT_EQ(fixed(-0.0L, 4, 2, ','), "0,00");
    EXPECT_EQ(fixed(0.0L, 3, 0, ','), "0");
    EXPECT_EQ(fixed(1e-30L, 6, 3, ','), "0,000");
    EXPECT_EQ(fixed(0.0005L, 6, 3, ','), "0,001");
    EXPECT_EQ(fixed(single(0.4), 6, 3, ','), "0,400");
}

TEST(NumberFormats, GeneralCarriesIntoANewDigit)
{
    EXPECT_EQ(general(9.9999999999999999L, ','), "10");
    EXPECT_EQ(general(-123.5L, ','), "-123,5");
    EXPECT_EQ(general(22.0L, ','), "22");
}

// Both formats start from the 18-digit image; the C library's printf is the
// independent reference for it, over the whole long double range.
TEST(NumberFormats, EighteenDigitImageMatchesTheCLibrary)
{
    auto reference = [](long double v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.17Le", v);
        return std::string(buf);
    };
    std::vector<long double> values = {1.0L,
                                       -1.0L,
                                       0.5L,
                                       9.999999999999999999e17L,
                                       1e18L,
                                       1e19L,
                                       1e-19L,
                                       18446744073709551615.0L,
                                       0.1L,
                                       2.0L / 3.0L,
                                       std::numeric_limits<long double>::max(),
                                       std::numeric_limits<long double>::lowest(),
                                       std::numeric_limits<long double>::min(),
                                       std::numeric_limits<long double>::denorm_min(),
                                       std::numeric_limits<float>::max(),
                                       std::numeric_limits<float>::denorm_min()};
    // Exact ties at the 19th digit go to the even 18th: 1e18 + 5 and
    // 617283945061728392.5 are exact in a 64-bit significand.
    for (long double t : {1000000000000000005.0L, 1000000000000000015.0L, 617283945061728392.5L,
                          617283945061728393.5L, 2.5L, 0.125L})
        values.push_back(t);
    std::mt19937_64 rng(20261208);
    for (int i = 0; i < 40000; ++i) {
        // Every exponent and significand bit pattern...
        long double v = std::ldexp(static_cast<long double>(rng() | (1ULL << 63)),
                                   static_cast<int>(rng() % 32700) - 16445 - 64);
        values.push_back(rng() & 1 ? -v : v);
        // ...and the magnitudes a calculation prints: singles and their products.
        const float a = std::ldexp(static_cast<float>(rng() % 16777216),
                                   static_cast<int>(rng() % 60) - 40);
        const float b = static_cast<float>(rng() % 100000) / 7.0f;
        values.push_back(a);
        values.push_back(static_cast<long double>(a) * b / 3.0L);
    }
    int mismatches = 0;
    for (long double v : values) {
        if (printfImage(v) != reference(v) && ++mismatches <= 5)
            ADD_FAILURE() << reference(v) << " printed as " << printfImage(v);
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(printfImage(0.0L), "0.00000000000000000e+00");
    EXPECT_EQ(printfImage(-0.0L), "-0.00000000000000000e+00");
}

TEST(TolerantParse, AcceptsTheConventionsSyntax)
{
    struct {
        const char* text;
        float value;
    } good[] = {
        {"12,5", 12.5f}, {"  7 ", 7.f},    {",", 0.f},     {"5,", 5.f},    {",5", 0.5f},
        {"1e", 1.f},     {"1,5e2", 150.f}, {"-3", -3.f},   {"+2,5", 2.5f}, {"1E-2", 0.01f},
        {"1e+", 1.f},    {"-,", 0.f},      {"0012", 12.f},
    };
    for (const auto& g : good) {
        SCOPED_TRACE(g.text);
        std::optional<float> v = parseFloat(g.text, ',');
        ASSERT_TRUE(v.has_value());
        EXPECT_FLOAT_EQ(*v, g.value);
    }
}

TEST(TolerantParse, RejectsEverythingElse)
{
    for (const char* bad :
         {"",    " ",    "+",     "-",   "1.5", "1.000,5", "1 000", "E5",  "INF",   "NAN",   "inf",
          "nan", "0x10", "1,5,6", "\t5", "5\t", "12a",     "1e5e",  "--1", "1e999", "-1e39", "e"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(parseFloat(bad, ',').has_value());
    }
    // With a point separator the comma is the stranger.
    EXPECT_FALSE(parseFloat("1,5", '.').has_value());
    EXPECT_FLOAT_EQ(*parseFloat("1.5", '.'), 1.5f);
}

TEST(TolerantParse, StoresTheSingleNearestTheDecimal)
{
    EXPECT_EQ(*parseFloat("12,6", ','), 12.6f);
    EXPECT_EQ(*parseFloat("35,4", ','), 35.4f);
    EXPECT_EQ(*parseFloat("3,4028234e38", ','), 3.4028234e38f);
}

// Short decimals take an exact path of their own; the C library's strtold,
// then the cast to single, is the reference for every text alike. Texts
// near a tie between two singles show any double rounding that differs.
TEST(TolerantParse, MatchesTheCLibraryDigitForDigit)
{
    auto reference = [](std::string text) -> std::optional<float> {
        for (char& c : text)
            if (c == ',')
                c = '.';
        // A lone separator reads as 0, which strtold would not parse.
        const std::size_t mantissa = std::min(text.find('e'), text.size());
        if (text.find_first_of("0123456789") >= mantissa)
            text.insert(mantissa, "0");
        const float f = static_cast<float>(std::strtold(text.c_str(), nullptr));
        if (std::isinf(f))
            return std::nullopt;
        return f;
    };
    std::vector<std::string> texts = {"0",
                                      "-0",
                                      "0,0",
                                      ",5",
                                      "5,",
                                      "1e27",
                                      "1e28",
                                      "1e-27",
                                      "1e-28",
                                      "9999999999999999999",
                                      "99999999999999999999",
                                      "0,0000000000000000000000001",
                                      "1234567890123456789e-20",
                                      "16777217",
                                      "16777219",
                                      "3,4028235e38",
                                      "3,4028236e38",
                                      "1,401298e-45",
                                      "7e-46",
                                      "0,1",
                                      "0,2",
                                      "0,3",
                                      "12,6",
                                      "1e+5",
                                      "-2,5e-3"};
    std::mt19937_64 rng(8122026);
    for (int i = 0; i < 50000; ++i) {
        std::string t = rng() & 1 ? "-" : "";
        const int intDigits = static_cast<int>(rng() % 12),
                  fracDigits = static_cast<int>(rng() % 14);
        for (int k = 0; k < intDigits; ++k)
            t += static_cast<char>('0' + rng() % 10);
        if (fracDigits || !intDigits) {
            t += ',';
            for (int k = 0; k < fracDigits; ++k)
                t += static_cast<char>('0' + rng() % 10);
        }
        if (rng() % 3 == 0)
            t += "e" + std::to_string(static_cast<int>(rng() % 80) - 40);
        texts.push_back(t);
        // Halfway between two neighbouring singles, and a hair either side.
        const float f = std::ldexp(static_cast<float>(rng() % 16777216 + 8388608),
                                   static_cast<int>(rng() % 40) - 60);
        const long double half = (static_cast<long double>(f) + std::nextafter(f, INFINITY)) / 2;
        char buf[64];
        for (long double v : {half, half * (1 + 1e-18L), half * (1 - 1e-18L)}) {
            std::snprintf(buf, sizeof buf, "%.*Lg", 17 + static_cast<int>(rng() % 6), v);
            std::string d = buf;
            for (char& c : d)
                if (c == '.')
                    c = ',';
            texts.push_back(d);
        }
    }
    int mismatches = 0;
    for (const std::string& t : texts) {
        const std::optional<float> got = parseFloat(t, ','), want = reference(t);
        const bool same = got.has_value() == want.has_value()
                          && (!got || std::memcmp(&*got, &*want, sizeof(float)) == 0);
        if (!same && ++mismatches <= 5)
            ADD_FAILURE() << "'" << t << "' read as " << (got ? *got : -1.0f) << " against "
                          << (want ? *want : -1.0f);
    }
    EXPECT_EQ(mismatches, 0);
}

// Plain decimals ("  0012,50 ") take a short path; a leading '+' sends the
// same text through the full reader, and both must give the same single.
TEST(TolerantParse, PlainDecimalsReadAsTheFullReaderReadsThem)
{
    std::mt19937_64 rng(20261208);
    for (int i = 0; i < 20000; ++i) {
        std::string t(rng() % 3, ' ');
        for (int k = int(rng() % 22); k > 0; --k)
            t += char('0' + rng() % 10);
        if (rng() % 2) {
            t += ',';
            for (int k = int(rng() % 30); k > 0; --k)
                t += char('0' + rng() % 10);
        }
        t += std::string(rng() % 3, ' ');
        const std::size_t first = t.find_first_not_of(' ');
        std::string signedText = t;
        signedText.insert(first == std::string::npos ? 0 : first, "+");
        const std::optional<float> plain = parseFloat(t, ','), full = parseFloat(signedText, ',');
        ASSERT_EQ(plain.has_value(), full.has_value()) << "'" << t << "'";
        if (plain) {
            ASSERT_EQ(std::memcmp(&*plain, &*full, sizeof(float)), 0) << "'" << t << "'";
        }
    }
    EXPECT_EQ(parseFloat(" 0012,50 ", ','), 12.5f);
    EXPECT_EQ(parseFloat(",", ','), 0.0f); // a lone separator reads as 0
    EXPECT_EQ(parseFloat("5,", ','), 5.0f);
    EXPECT_EQ(parseFloat("1,5", '.'), std::nullopt); // the other separator is no number
    EXPECT_EQ(parseFloat("1,2,3", ','), std::nullopt);
    EXPECT_EQ(parseFloat("   ", ','), std::nullopt);
}

TEST(TolerantRead, ColoursTheFieldAndUsesTheFallback)
{
    Sheet tab({{.name = "EFo", .kind = Kind::Edit, .text = "60", .input = true}});
    Settings cfg;
    EXPECT_FLOAT_EQ(readTolerant(tab, "EFo", 1, cfg), 60.f);
    EXPECT_EQ(tab["EFo"].background, Colour::Window);
    EXPECT_FALSE(tab["EFo"].substituted);
    tab["EFo"].text = "12.5";
    EXPECT_FLOAT_EQ(readTolerant(tab, "EFo", 1, cfg), 1.f);
    EXPECT_EQ(tab["EFo"].background, Colour::Red);
    EXPECT_TRUE(tab["EFo"].substituted); // a report asks before using the fallback
    tab["EFo"].text = "";
    EXPECT_FLOAT_EQ(readTolerant(tab, "EFo", 0, cfg), 0.f);
    EXPECT_EQ(tab["EFo"].background, Colour::Red);
    EXPECT_TRUE(tab["EFo"].substituted);
    tab["EFo"].text = "12,5";
    EXPECT_FLOAT_EQ(readTolerant(tab, "EFo", 1, cfg), 12.5f);
    EXPECT_EQ(tab["EFo"].background, Colour::Window);
    EXPECT_FALSE(tab["EFo"].substituted);
}

TEST(StrictRead, RaisesAConversionErrorNamingTheText)
{
    EXPECT_FLOAT_EQ(strictFloat("10000", ','), 10000.f);
    try {
        strictFloat("12a", ',');
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_STREQ(e.what(), "'12a' não é um valor numérico válido");
    }
    EXPECT_THROW(strictFloat("", ','), CalcError);
    EXPECT_THROW(strictFloat("1e40", ','), CalcError);
}

TEST(StrictRead, IntegersAcceptLeadingBlanksSignAndDigitsOnly)
{
    EXPECT_EQ(strictInt("3"), 3);
    EXPECT_EQ(strictInt("  -12"), -12);
    EXPECT_EQ(strictInt("+7"), 7);
    EXPECT_EQ(strictInt("2147483647"), 2147483647);
    EXPECT_EQ(strictInt("-2147483648"), -2147483647 - 1);
    try {
        strictInt("4,5");
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_STREQ(e.what(), "'4,5' não é um número inteiro válido");
    }
    for (const char* bad : {"", " ", "-", "3 ", "2147483648", "-2147483649", "99999999999999999999",
                            "1e2", "abc", "0x1"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(strictInt(bad), CalcError);
    }
}
