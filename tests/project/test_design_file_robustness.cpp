// Design files that must never be lost: whatever a field holds is written so
// that it reads again, and a document that says two things is refused.
#include "design_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace kelvora;

namespace {

std::string messageOf(const std::string& document)
{
    try {
        readDesign(document, ',');
    } catch (const DesignFileError& e) {
        return e.what();
    }
    return "(lido sem erro)";
}

// Texts a user may paste or a script may pass: letters, accents, a symbol
// outside the BMP, tabs and line breaks, bytes that are no UTF-8, and now and
// then more than any field takes.
std::string randomText(std::mt19937_64& rng)
{
    static const char* const pieces[] = {"a",    "Z",    "7",  ",",  " ",    "\t",   "\n",
                                         "\r\n", "\x7f", "é",  "ç",  "\xff", "\xc3", "😀",
                                         "\x01", "\"",   "\\", "Ω",  "{",    "}"};
    std::string s;
    const std::size_t n = rng() % 12 == 0 ? 33000 + rng() % 2000 : rng() % 40;
    for (std::size_t i = 0; i < n; ++i)
        s += pieces[rng() % std::size(pieces)];
    return s;
}

} // namespace

// The field keeps a paste as the file can carry it: control characters as
// blanks, invalid bytes as U+FFFD, cut at the field's length on a whole character.
TEST(DesignFileRobustness, FieldTextIsWhatTheReaderTakes)
{
    const ControlSpec name{.name = "EUserNameTA", .kind = Kind::Edit, .input = true};
    EXPECT_EQ(fieldText(name, "Ana\tMaria\nSilva"), "Ana Maria Silva");
    EXPECT_EQ(fieldText(name, "a\xff"
                              "b"),
              "a\xEF\xBF\xBD"
              "b");
    const ControlSpec four = inputEdit("EVp1", "125", 4);
    EXPECT_EQ(fieldText(four, "12345"), "1234");
    EXPECT_EQ(fieldText(four, "ab😀c"), "ab😀"); // the emoji counts two, as in a line edit
    EXPECT_EQ(fieldText(four, "abc😀"), "abc");  // never half a surrogate pair
    EXPECT_EQ(fieldText(name, std::string(40000, 'x')).size(), 32767u);
}

// The property: random texts in every text field, saved and opened, give the
// same inputs the fields held; and a document is written for any text at
// all (the writer's last guard) without the reader refusing it.
TEST(DesignFileRobustness, RandomTextsSavedAndOpenedAreTheSameInputs)
{
    std::mt19937_64 rng(28);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        DesignInputs held, raw;
        for (const StoredSheet& s : storedSheets())
            for (const ControlSpec& spec : s.controls) {
                if (!spec.input || spec.kind != Kind::Edit || rng() % 3 != 0)
                    continue;
                const std::string text = randomText(rng);
                raw[s.name][spec.name].text = text;
                held[s.name][spec.name].text = fieldText(spec, text);
            }
        DesignInputs back;
        ASSERT_NO_THROW(back = readDesign(writeDesign(held, ','), ','));
        for (const StoredSheet& s : storedSheets())
            EXPECT_TRUE(sameInputs(held[s.name], back[s.name])) << s.name;
        DesignInputs fromRaw;
        ASSERT_NO_THROW(fromRaw = readDesign(writeDesign(raw, ','), ','));
        for (const StoredSheet& s : storedSheets())
            EXPECT_TRUE(sameInputs(held[s.name], fromRaw[s.name])) << s.name;
    }
}

TEST(DesignFileRobustness, DuplicateKeysAndDataAfterTheDocumentAreRefused)
{
    const std::string head = "{\"formato\": \"kelvora-projeto\", \"versao\": 1, "
                             "\"separadorDecimal\": \",\", ";
    EXPECT_EQ(messageOf(head + "\"folhas\": {\"TTrafoAlim\": {\"EBn1\": \"32\", \"EBn1\": "
                               "\"40\"}}}"),
              "a chave \"EBn1\" aparece mais de uma vez no mesmo objeto");
    EXPECT_EQ(messageOf(head + "\"folhas\": {\"TTrafoAlim\": {}, \"TTrafoAlim\": {}}}"),
              "a chave \"TTrafoAlim\" aparece mais de uma vez no mesmo objeto");
    EXPECT_EQ(messageOf(head + "\"versao\": 1, \"folhas\": {}}"),
              "a chave \"versao\" aparece mais de uma vez no mesmo objeto");
    // The same key in two different objects is no duplicate.
    EXPECT_EQ(messageOf(head + "\"folhas\": {\"TTrafoAlim\": {\"EBn1\": \"32\"}, "
                               "\"TModValvul\": {\"EPaMod\": \"32\"}}}"),
              "(lido sem erro)");
    const std::string whole = head + "\"folhas\": {}}";
    EXPECT_EQ(messageOf(whole + std::string("\0{\"EBn1\": 5}", 12)),
              "o arquivo tem dados depois do fim do documento JSON (a partir do byte "
                  + std::to_string(whole.size() + 1) + ")");
    EXPECT_EQ(messageOf(whole + "\n  \n"), "(lido sem erro)");
    EXPECT_EQ(messageOf(whole + " {}"), "o conteúdo não é JSON válido (erro no byte "
                                            + std::to_string(whole.size() + 2) + ")");
}
