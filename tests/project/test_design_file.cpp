#include "design_file.h"

#include "designs.h"
#include "numbers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

using namespace kelvora;

namespace {

// Every input of every stored sheet set away from its start-up state: each
// edit and combo box a text of its own (within its field), each list its last
// item, each radio group its last button.
DesignInputs everyInputChanged()
{
    DesignInputs in;
    int n = 0;
    for (const StoredSheet& s : storedSheets()) {
        Sheet& tab = in[s.name];
        std::map<std::string, std::string> lastOfGroup;
        for (const ControlSpec& spec : s.controls) {
            if (!spec.input)
                continue;
            Control& c = tab[spec.name];
            switch (spec.kind) {
            case Kind::Edit:
            case Kind::Combo:
                // Short numeric texts fit every field (the shortest takes 4).
                c.text = std::to_string(++n) + ",5";
                c.itemIndex = -1;
                break;
            case Kind::List:
                c.itemIndex = int(spec.items.size()) - 1;
                c.text = spec.items.back();
                break;
            case Kind::Radio:
                lastOfGroup[spec.group] = spec.name;
                break;
            default:
                break;
            }
        }
        for (const ControlSpec& spec : s.controls)
            if (spec.input && spec.kind == Kind::Radio)
                tab[spec.name].checked = lastOfGroup[spec.group] == spec.name;
    }
    return in;
}

std::string messageOf(const std::string& document, char separator = ',')
{
    try {
        readDesign(document, separator);
    } catch (const DesignFileError& e) {
        return e.what();
    }
    return "(lido sem erro)";
}

std::string withSheets(const std::string& sheets, const std::string& head = "")
{
    return "{\"formato\": \"kelvora-projeto\", \"versao\": 1, \"separadorDecimal\": \",\", " + head
           + "\"folhas\": {" + sheets + "}}";
}

} // namespace

TEST(DesignFile, StoresTheDesignSheetsAndTheSettingsInOneList)
{
    std::vector<std::string> names;
    for (const StoredSheet& s : storedSheets())
        names.push_back(s.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"TTrafoAlim", "TModValvul", "TModTransis", "TReatorFiltro",
                                        "FCalcPI", "TAjustes", "FConstrucao", "FFonte", "FFonte1",
                                        "FFonte2", "FFonte3", "FFonte4", "FFonte5", "FFonte6"}));
}

TEST(DesignFile, AListWithNothingChosenIsLeftOutAndKeepsItsStartUpState)
{
    DesignInputs inputs;
    Sheet& pi = inputs["FCalcPI"];
    const int startUp = pi["CBPiBanda"].itemIndex;
    ASSERT_GE(startUp, 0);
    // A frequency that is no band's leaves the band list without a choice.
    pi["EPiFreq"].text = "5,3";
    pi["CBPiBanda"].itemIndex = -1;
    pi["CBPiBanda"].text.clear();
    const std::string doc = writeDesign(inputs, ',');
    EXPECT_EQ(doc.find("CBPiBanda"), std::string::npos) << doc;
    const DesignInputs back = readDesign(doc, ',');
    EXPECT_EQ(back["FCalcPI"]["CBPiBanda"].itemIndex, startUp);
    EXPECT_EQ(back["FCalcPI"]["EPiFreq"].text, "5,3");
}

TEST(DesignFile, EveryInputOfEverySheetComesBackFromTheDocument)
{
    const DesignInputs changed = everyInputChanged();
    const std::string doc = writeDesign(changed, ',');
    const DesignInputs back = readDesign(doc, ',');
    int inputs = 0;
    for (const StoredSheet& s : storedSheets()) {
        SCOPED_TRACE(s.name);
        EXPECT_TRUE(sameInputs(back[s.name], changed[s.name]));
        EXPECT_FALSE(sameInputs(back[s.name], DesignInputs{}[s.name]));
        for (const ControlSpec& spec : s.controls) {
            SCOPED_TRACE(spec.name);
            const bool stored = doc.find("\"" + spec.name + "\":") != std::string::npos;
            // Results, read-only fields and pictures are never stored.
            EXPECT_EQ(stored, spec.input);
            if (!spec.input)
                continue;
            ++inputs;
            const Control& a = back[s.name][spec.name];
            const Control& b = changed[s.name][spec.name];
            EXPECT_EQ(a.text, b.text);
            EXPECT_EQ(a.checked, b.checked);
            EXPECT_EQ(a.itemIndex, b.itemIndex);
        }
    }
    // The coupling choice, the report fields and the current density are among them.
    EXPECT_EQ(back["TModValvul"]["CBSelTM"].text, changed["TModValvul"]["CBSelTM"].text);
    EXPECT_TRUE(back["TTrafoAlim"]["RBNucleoU"].checked);
    EXPECT_FALSE(back["TTrafoAlim"]["RBNucleoE"].checked);
    EXPECT_EQ(back["TTrafoAlim"]["CNumPri"].itemIndex, 2);
    EXPECT_GT(inputs, 50);
}

TEST(DesignFile, DocumentHasTheFormatVersionSeparatorAndTypedValues)
{
    DesignInputs in;
    in["TTrafoAlim"]["EFo"].text = "50";
    in["TTrafoAlim"]["EUserNameTA"].text = "José \"Zé\" Ávila";
    in["TAjustes"]["CBSigma"].text = "2,5";
    const std::string doc = writeDesign(in, ',');
    EXPECT_TRUE(doc.starts_with("{\n"
                                "  \"formato\": \"kelvora-projeto\",\n"
                                "  \"versao\": 1,\n"
                                "  \"programa\": \"Kelvora 4.0 (beta)\",\n"
                                "  \"separadorDecimal\": \",\",\n"
                                "  \"folhas\": {\n"
                                "    \"TTrafoAlim\": {\n"
                                "      \"EBn1\": \"32\",\n"))
        << doc;
    for (const char* line :
         {"      \"RBNucleoE\": true,\n", "      \"RBNucleoU\": false,\n",
          "      \"EFo\": \"50\",\n", "      \"CNumPri\": \"Simples\",\n",
          "      \"CNumSec\": \"3\",\n", "      \"EUserNameTA\": \"José \\\"Zé\\\" Ávila\",\n",
          "      \"CBSelTM\": \"Convencional\",\n",
          "    \"TAjustes\": {\n      \"CBSigma\": \"2,5\"\n    },\n",
          "      \"ECoEmpil\": \"0,95\",\n"}) {
        SCOPED_TRACE(line);
        EXPECT_NE(doc.find(line), std::string::npos);
    }
    EXPECT_TRUE(doc.ends_with("\n    }\n  }\n}\n"));
    // Results are not stored: opening recalculates them.
    EXPECT_EQ(doc.find("LPas"), std::string::npos);
    EXPECT_EQ(doc.find("EVp2"), std::string::npos);
}

TEST(DesignFile, NumbersTravelBetweenSeparatorsAndOtherTextsStayAsTyped)
{
    DesignInputs in;
    Sheet& ta = in["TTrafoAlim"];
    ta["EFo"].text = "62,5";
    ta["EBn1"].text = "-1,5e3";
    ta["EEn1"].text = ",5";
    ta["EVs1"].text = "12.5"; // not a number where the separator is a comma
    ta["EVs2"].text = "abc";
    ta["EIs1"].text = "1,2,3";
    ta["EUserNameTA"].text = "Ana, 3 transformadores";
    ta["CBTaBmax"].text = "9500,5";
    in["TAjustes"]["CBSigma"].text = "3,25";
    const DesignInputs point = readDesign(writeDesign(in, ','), '.');
    const Sheet& p = point["TTrafoAlim"];
    EXPECT_EQ(p["EFo"].text, "62.5");
    EXPECT_EQ(p["EBn1"].text, "-1.5e3");
    EXPECT_EQ(p["EEn1"].text, ".5");
    EXPECT_EQ(p["EVs1"].text, "12.5");
    EXPECT_EQ(p["EVs2"].text, "abc");
    EXPECT_EQ(p["EIs1"].text, "1,2,3");
    EXPECT_EQ(p["EUserNameTA"].text, "Ana, 3 transformadores");
    EXPECT_EQ(p["CBTaBmax"].text, "9500.5");
    EXPECT_EQ(point["TAjustes"]["CBSigma"].text, "3.25");
    EXPECT_EQ(p["CNumPri"].text, "Simples"); // list items are fixed texts

    // And back: a point file read where the separator is a comma.
    const DesignInputs comma = readDesign(writeDesign(point, '.'), ',');
    EXPECT_EQ(comma["TTrafoAlim"]["EFo"].text, "62,5");
    EXPECT_EQ(comma["TTrafoAlim"]["EVs1"].text, "12,5"); // now a number written with "."
    EXPECT_EQ(comma["TAjustes"]["CBSigma"].text, "3,25");
    // The same separator changes nothing.
    EXPECT_EQ(readDesign(writeDesign(in, ','), ',')["TTrafoAlim"]["EFo"].text, "62,5");
}

TEST(DesignFile, ConvertSeparatorUsesTheTolerantReader)
{
    EXPECT_EQ(convertSeparator("1,5", ',', '.'), "1.5");
    EXPECT_EQ(convertSeparator(" 7,25 ", ',', '.'), " 7.25 ");
    EXPECT_EQ(convertSeparator("1.5", '.', ','), "1,5");
    EXPECT_EQ(convertSeparator("1.5", ',', '.'), "1.5");
    EXPECT_EQ(convertSeparator("1,5x", ',', '.'), "1,5x");
    EXPECT_EQ(convertSeparator("1,5e99", ',', '.'), "1,5e99"); // beyond a float: no number
    EXPECT_EQ(convertSeparator("", ',', '.'), "");
}

TEST(DesignFile, MissingControlsKeepTheStartUpStateAndUnknownExtrasAreIgnored)
{
    const DesignInputs in =
        readDesign(withSheets("\"TTrafoAlim\": {\"EFo\": \"50\", \"RBNucleoU\": true},"
                              "\"FConstrucaoAntiga\": {\"CBCoAco\": \"M6\", \"ECoFator\": 3},"
                              "\"TAjustes\": {}",
                              "\"comentario\": [1, {\"a\": null}], "),
                   ',');
    EXPECT_EQ(in["TTrafoAlim"]["EFo"].text, "50");
    EXPECT_EQ(in["TTrafoAlim"]["EBn1"].text, "32");
    // The file names the group, so its other button is off.
    EXPECT_TRUE(in["TTrafoAlim"]["RBNucleoU"].checked);
    EXPECT_FALSE(in["TTrafoAlim"]["RBNucleoE"].checked);
    EXPECT_EQ(in["TModValvul"]["EPaMod"].text, "50");
    EXPECT_TRUE(in["TModValvul"]["RBConserv"].checked);
    EXPECT_EQ(in["TAjustes"]["CBSigma"].text, "3");
}

TEST(DesignFile, BadDocumentsAreRefusedWithTheirReason)
{
    const std::string big(MaxDesignFileBytes + 1, ' ');
    const struct {
        std::string doc;
        std::string message;
    } cases[] = {
        {"", "o arquivo está vazio"},
        {" \r\n", "o arquivo está vazio"},
        {"isto não é JSON", "o conteúdo não é JSON válido (erro no byte 1)"},
        {"{\"formato\": \"kelvora-projeto\",", "o conteúdo não é JSON válido (erro no byte 31)"},
        {"{\"a\": \"\xff\"}", "o conteúdo não é JSON válido (erro no byte 8)"},
        {big, "o arquivo tem 1048577 bytes, mais que o limite de 1 MB de um projeto"},
        {std::string(40, '[') + std::string(40, ']'),
         "o conteúdo tem objetos aninhados demais para um projeto"},
        // Found by the fuzzer: the JSON library refuses the literal with an
        // exception of its own, which must not escape the reader.
        {"{\"versao\": 44444444444444444444444444444e44444444444444444}",
         "o conteúdo tem um número grande demais para ser lido"},
        {"[1, 2]", "o arquivo não é um projeto do Kelvora"},
        {"{\"formato\": \"outro\", \"versao\": 1}",
         "o arquivo não é um projeto do Kelvora (formato diferente de \"kelvora-projeto\")"},
        {"{\"versao\": 1}",
         "o arquivo não é um projeto do Kelvora (formato diferente de \"kelvora-projeto\")"},
        {"{\"formato\": \"kelvora-projeto\"}", "falta a versão do formato (\"versao\")"},
        {"{\"formato\": \"kelvora-projeto\", \"versao\": \"1\"}",
         "a versão do formato (\"versao\") deve ser um número inteiro"},
        {"{\"formato\": \"kelvora-projeto\", \"versao\": 1.0}",
         "a versão do formato (\"versao\") deve ser um número inteiro"},
        {"{\"formato\": \"kelvora-projeto\", \"versao\": 2}",
         "o arquivo é da versão 2 do formato, mais nova que a 1 que este programa lê; abra-o "
         "com uma versão mais nova do Kelvora"},
        {"{\"formato\": \"kelvora-projeto\", \"versao\": 0}", "versão do formato inválida: 0"},
        {"{\"formato\": \"kelvora-projeto\", \"versao\": -3}", "versão do formato inválida: -3"},
        {"{\"formato\": \"kelvora-projeto\", \"versao\": 1, \"folhas\": {}}",
         "falta o separador decimal (\"separadorDecimal\")"},
        {"{\"formato\": \"kelvora-projeto\", \"versao\": 1, \"separadorDecimal\": \";\"}",
         "o separador decimal deve ser \",\" ou \".\""},
        {"{\"formato\": \"kelvora-projeto\", \"versao\": 1, \"separadorDecimal\": \",\"}",
         "faltam as folhas do projeto (\"folhas\")"},
        {"{\"formato\": \"kelvora-projeto\", \"versao\": 1, \"separadorDecimal\": \",\", "
         "\"folhas\": []}",
         "as folhas do projeto (\"folhas\") devem ser um objeto JSON"},
        {withSheets("\"TTrafoAlim\": \"x\""), "a folha TTrafoAlim deve ser um objeto JSON"},
        {withSheets("\"TTrafoAlim\": {\"EFo\": 50}"),
         "o valor de EFo (folha TTrafoAlim) deve ser um texto entre aspas"},
        {withSheets("\"TTrafoAlim\": {\"RBNucleoU\": \"1\"}"),
         "o valor de RBNucleoU (folha TTrafoAlim) deve ser true ou false"},
        {withSheets("\"TTrafoAlim\": {\"EFo\": \"1234567\"}"),
         "o texto de EFo (folha TTrafoAlim) tem 7 caracteres; o campo aceita no máximo 6"},
        // Length as the field counts it: "ção" is three characters in six bytes.
        {withSheets("\"TModValvul\": {\"EPaMod\": \"5ção\"}"), "(lido sem erro)"},
        {withSheets("\"TModValvul\": {\"EPaMod\": \"5 ção\"}"),
         "o texto de EPaMod (folha TModValvul) tem 5 caracteres; o campo aceita no máximo 4"},
        {withSheets("\"TModValvul\": {\"EUserNameTM\": \"" + std::string(32768, 'x') + "\"}"),
         "o texto de EUserNameTM (folha TModValvul) tem 32768 caracteres; o campo aceita no "
         "máximo 32767"},
        {withSheets("\"TTrafoAlim\": {\"EFo\": \"5\\n0\"}"),
         "o texto de EFo (folha TTrafoAlim) contém caracteres de controle"},
        {withSheets("\"TTrafoAlim\": {\"EXyz\": \"1\"}"),
         "controle desconhecido na folha TTrafoAlim: \"EXyz\""},
        {withSheets("\"TTrafoAlim\": {\"LPas\": \"1\"}"),
         "controle desconhecido na folha TTrafoAlim: \"LPas\""},
        {withSheets("\"TAjustes\": {\"CBSelTM\": \"Convencional\"}"),
         "controle desconhecido na folha TAjustes: \"CBSelTM\""},
        {withSheets("\"TTrafoAlim\": {\"" + std::string(60, 'E') + "\": \"1\"}"),
         "controle desconhecido na folha TTrafoAlim: \"" + std::string(40, 'E') + "…\""},
        {withSheets("\"TTrafoAlim\": {\"CNumPri\": \"Triplo\"}"),
         "a lista CNumPri (folha TTrafoAlim) não tem o item \"Triplo\""},
        {withSheets("\"TTrafoAlim\": {\"RBNucleoE\": true, \"RBNucleoU\": true}"),
         "na folha TTrafoAlim, um e só um dos botões RBNucleoE, RBNucleoU deve estar marcado"},
        {withSheets("\"TModValvul\": {\"RBConserv\": false}"),
         "na folha TModValvul, um e só um dos botões RBNormal, RBConserv, RBMuitoCons deve "
         "estar marcado"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.doc.substr(0, 100));
        EXPECT_EQ(messageOf(c.doc), c.message);
    }
}

// A version-1 file may carry more than this program knows, at the top and
// as whole sheets; it reads, and the known part is applied.
TEST(DesignFile, FileOfASheetThisBuildLacksStillReads)
{
    const DesignInputs in = readDesign(withSheets("\"FOutraJanela\": {\"CBCoAco\": \"E-110\", "
                                                  "\"ECoTemp\": \"40\", \"CBCoRet1\": 2},"
                                                  "\"TReatorFiltro\": {\"ERFLr\": \"12,5\"}"),
                                       '.');
    EXPECT_EQ(in["TReatorFiltro"]["ERFLr"].text, "12.5");
    EXPECT_THROW(in["FOutraJanela"], std::out_of_range);
}

TEST(DesignFile, ConstructionSettingsTravelWithTheSeparatorInForce)
{
    // The fractional defaults are written with the separator of the window
    // that reads them, whatever the file left out.
    EXPECT_EQ(DesignInputs(',')["FConstrucao"]["ECoEmpil"].text, "0,95");
    EXPECT_EQ(DesignInputs('.')["FConstrucao"]["ECoEmpil"].text, "0.95");
    EXPECT_EQ(DesignInputs('.')["FConstrucao"]["ECoTamb"].text, "40");
    const DesignInputs in = readDesign(withSheets("\"FConstrucao\": {\"CBCoAco\": \"M400-50A\", "
                                                  "\"ECoIsolCamada\": \"0,08\","
                                                  " \"CBCoRet1\": \"Ponte, entrada capacitiva\"}"),
                                       '.');
    EXPECT_EQ(in["FConstrucao"]["CBCoAco"].text, "M400-50A");
    EXPECT_EQ(in["FConstrucao"]["ECoIsolCamada"].text, "0.08");
    EXPECT_EQ(in["FConstrucao"]["CBCoRet1"].text, "Ponte, entrada capacitiva");
    EXPECT_EQ(in["FConstrucao"]["ECoEmpil"].text, "0.95"); // absent: the default
    // A steel grade the list lacks is refused like any other list item.
    EXPECT_EQ(messageOf(withSheets("\"FConstrucao\": {\"CBCoAco\": \"M6\"}")),
              "a lista CBCoAco (folha FConstrucao) não tem o item \"M6\"");
}

TEST(DesignFile, CopyAndCompareTouchOnlyInputs)
{
    DesignInputs a, b;
    a["TTrafoAlim"]["LPas"].text = "99 W";
    EXPECT_TRUE(sameInputs(a["TTrafoAlim"], b["TTrafoAlim"]));
    a["TTrafoAlim"]["CNumSec"].itemIndex = 0;
    EXPECT_FALSE(sameInputs(a["TTrafoAlim"], b["TTrafoAlim"]));
    a["TTrafoAlim"]["EFo"].text = "50";
    copyInputs(a["TTrafoAlim"], b["TTrafoAlim"]);
    EXPECT_TRUE(sameInputs(a["TTrafoAlim"], b["TTrafoAlim"]));
    EXPECT_EQ(b["TTrafoAlim"]["EFo"].text, "50");
    EXPECT_EQ(b["TTrafoAlim"]["LPas"].text, "");
}

// Keys are what a translation keeps: every list item of every stored sheet has
// one, and a combo box either has one per item or offers numbers only (which
// are typed as numbers, not named).
TEST(DesignFile, EveryListItemHasAStableAsciiKey)
{
    int keyed = 0;
    for (const StoredSheet& s : storedSheets())
        for (const ControlSpec& spec : s.controls) {
            if (spec.kind != Kind::List && spec.kind != Kind::Combo)
                continue;
            SCOPED_TRACE(s.name + " " + spec.name);
            if (spec.kind == Kind::Combo && spec.keys.empty()) {
                for (const std::string& item : spec.items)
                    EXPECT_TRUE(parseFloat(item, ',').has_value()) << item;
                continue;
            }
            ASSERT_EQ(spec.keys.size(), spec.items.size());
            std::set<std::string> seen;
            for (std::size_t i = 0; i < spec.keys.size(); ++i) {
                const std::string& key = spec.keys[i];
                EXPECT_TRUE(seen.insert(key).second) << "repeated key " << key;
                EXPECT_FALSE(key.empty());
                EXPECT_LE(key.size(), 24u) << key;
                for (char c : key)
                    EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')
                        << key;
                // No key is another item's text: either names one item only.
                EXPECT_EQ(itemIndexOfTextOrKey(spec, key), int(i)) << key;
                EXPECT_EQ(itemKey(spec, int(i)), key);
            }
            ++keyed;
        }
    // The primary and the secondaries' count, the coupling, the pi network's
    // class and band, 12 construction lists, the supply's selector and 9
    // lists of each of its six secondaries.
    EXPECT_EQ(keyed, 2 + 1 + 2 + 12 + 1 + 6 * 9);
}

namespace {

std::string fixture(const char* name)
{
    std::ifstream f(std::string(KELVORA_SOURCE_DIR "/tests/project/") + name, std::ios::binary);
    EXPECT_TRUE(f.good()) << name;
    std::ostringstream bytes;
    bytes << f.rdbuf();
    return bytes.str();
}

} // namespace

// saved_design.kelvora is a file this program wrote, with lists away from
// their start-up items; saved_design_keys.kelvora is the same file with every
// list (and the coupling) given by its key. Both open to one state, and
// writing it gives the first file back byte for byte: files keep the texts.
TEST(DesignFile, AFileWithItemKeysOpensAsTheSameFileWithItemTexts)
{
    const std::string texts = fixture("saved_design.kelvora");
    const std::string keys = fixture("saved_design_keys.kelvora");
    ASSERT_NE(texts, keys);
    const DesignInputs a = readDesign(texts, ',');
    const DesignInputs b = readDesign(keys, ',');
    for (const StoredSheet& s : storedSheets())
        for (const ControlSpec& spec : s.controls) {
            if (!spec.input)
                continue;
            SCOPED_TRACE(s.name + " " + spec.name);
            EXPECT_EQ(a[s.name][spec.name].text, b[s.name][spec.name].text);
            EXPECT_EQ(a[s.name][spec.name].itemIndex, b[s.name][spec.name].itemIndex);
            EXPECT_EQ(a[s.name][spec.name].checked, b[s.name][spec.name].checked);
        }
    EXPECT_EQ(b["TTrafoAlim"]["CNumPri"].text, "Duplo");
    EXPECT_EQ(b["TModValvul"]["CBSelTM"].text, "Reator (RCA)");
    EXPECT_EQ(b["TModValvul"]["CBSelTM"].itemIndex, 1);
    EXPECT_EQ(writeDesign(a, ','), texts);
    EXPECT_EQ(writeDesign(b, ','), texts);
}
