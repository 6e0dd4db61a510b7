#include "cli.h"

#include "adviser.h"
#include "ajustes.h"
#include "catalogue.h"
#include "cli_folha.h"
#include "construction_output.h"
#include "control_list.h"
#include "design_file_io.h"
#include "designs.h"
#include "field_text.h"
#include "fonte.h"
#include "nucleo.h"
#include "recalculation.h"
#include "report_file.h"
#include "translations.h"
#include "version.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <map>
#include <functional>
#include <optional>
#include <ostream>
#include <utility>

namespace kelvora {

namespace {

// kelvora-cli's own texts, in the language of --idioma (the results, the
// JSON keys and the reports stay as they are). A function that returns a
// std::string names the context itself: the catalogue's reader takes its
// texts for another class.
struct CliText {
    Q_DECLARE_TR_FUNCTIONS(KelvoraCli)
};

std::string text(const QString& s) { return s.toStdString(); }
QString q(const std::string& s) { return QString::fromStdString(s); }

const char* const Usage = QT_TRANSLATE_NOOP(
    "KelvoraCli",
    "Uso: kelvora-cli PROJETO [CONTROLE=TEXTO]... [--json] [--construcao] [--report=ARQUIVO] "
    "[--decimal-separator=C]\n"
    "                 [--codificacao=windows-1252|utf-8]\n"
    "                 [--projeto=ARQUIVO] [--salva-projeto=ARQUIVO]\n"
    "     kelvora-cli --help | --version | --controles\n"
    "     (todas aceitam --idioma=pt|en)\n");

std::string usage() { return text(CliText::tr(Usage)); }

// The supply of a secondary: the power transformer's design and its
// construction, then the rectifier and filter of the window FFonte.
const char* const FonteDesign = "fonte";

struct UsageError {
    std::string message;
    bool showUsage = true; // a file that cannot be read needs no usage text
};

// The warning for a field the calculation did not use as typed; `typed` is
// its text before the run (a range rule may have rewritten it). The note
// ends in "usado X" when a value stood in for the text.
std::string readWarning(const std::string& name, const std::string& typed, const Control& c)
{
    std::string w = text(
        QCoreApplication::translate("KelvoraCli", "kelvora-cli: aviso: %1 = \"%2\": ")
            .arg(q(name), q(typed)));
    // In another language the note is its message, whole.
    if (installedLanguage() != Language::Portuguese && !c.readNoteWords.empty()
        && portuguese(c.readNoteWords) == c.readNote)
        return w + text(shownWords(c.readNoteWords)) + "\n";
    const std::string used = ": usado ";
    if (const std::size_t at = c.readNote.rfind(used); at != std::string::npos)
        return w + c.readNote.substr(0, at)
               + text(QCoreApplication::translate("KelvoraCli", "; o cálculo usou %1")
                          .arg(q(c.readNote.substr(at + used.size()))))
               + "\n";
    return w + c.readNote + "\n";
}

// Warnings for every field of `sheet` whose read left a note, in the sheet's order.
void warnReads(const Sheet& sheet, const std::map<std::string, std::string>& typed,
               std::ostream& err)
{
    for (const std::string& name : sheet.names()) {
        const Control& c = sheet[name];
        if (!sheet.spec(name).input || c.readNote.empty())
            continue;
        const auto it = typed.find(name);
        err << readWarning(name, it != typed.end() ? it->second : c.text, c);
    }
}

std::map<std::string, std::string> inputTexts(const Sheet& sheet)
{
    std::map<std::string, std::string> m;
    for (const std::string& name : sheet.names())
        if (sheet.spec(name).input)
            m[name] = sheet[name].text;
    return m;
}

std::string designList()
{
    std::string s;
    for (const Design& d : designs())
        s += (s.empty() ? "" : ", ") + d.name;
    return s + ", " + FonteDesign;
}

void printHelp(std::ostream& out)
{
    out << text(CliText::tr("kelvora-cli - Cálculo de Transformadores sem janela (Kelvora %1 %2)")
                    .arg(QString::fromLatin1(VersionNumber), QString::fromLatin1(VersionStage)))
        << "\n\n"
        << usage() << text(CliText::tr("\nPROJETO: %1\n").arg(q(designList())))
        << text(CliText::tr(
               "\nOpções:\n"
               "  CONTROLE=TEXTO         digita TEXTO no controle de entrada da aba (ou CBSigma);\n"
               "                         listas tomam o item com esse texto (ou a sua chave,\n"
               "                         veja --controles), botões de opção =1\n"
               "  --json                 todos os controles da aba em JSON\n"
               "  --construcao           construção e perdas do projeto (transformador de\n"
               "                         alimentação, modulador valvulado, reator de filtro);\n"
               "                         ajustes como controles: CBCoAco=M400-50A ECoTamb=30\n"
               "  --sugere-nucleo        os núcleos do catálogo que passam em todas as\n"
               "                         verificações, os mais leves primeiro\n"
               "  --report=ARQUIVO       grava o relatório do projeto (- para a saída padrão)\n"
               "  --folha=ARQUIVO        grava a folha de enrolamento (texto; - para a saída\n"
               "                         padrão); --folha-pdf=ARQUIVO\n"
               "                         a mesma folha em PDF, com os desenhos\n"
               "  --decimal-separator=C  separador decimal , ou . (padrão: o da localidade)\n"
               "  --codificacao=C        codificação do relatório e da folha em texto:\n"
               "                         windows-1252 (CR LF, o padrão) ou utf-8 (LF)\n"
               "  --projeto=ARQUIVO      toma as entradas de um arquivo de projeto (.kelvora);\n"
               "                         as atribuições CONTROLE=TEXTO valem por cima dele\n"
               "  --salva-projeto=ARQUIVO\n"
               "                         grava as entradas desta execução num arquivo de projeto\n"
               "  --controles            lista os controles de entrada de cada projeto\n"
               "  --idioma=I             idioma das mensagens e desta ajuda: pt (o padrão) ou en;\n"
               "                         os resultados, o JSON e os relatórios não mudam\n"
               "  --help                 mostra esta ajuda\n"
               "  --version              mostra a versão\n"
               "\nSaída: uma linha por resultado, NOME<TAB>texto. Código de saída 0 quando o "
               "cálculo\nterminou, 1 quando um erro de cálculo o interrompeu ou um arquivo (ou a "
               "saída\npadrão) não pôde ser gravado, 2 para erro de uso. Um campo que não é "
               "número\n"
               "(ou fora da faixa) é lido com um valor substituto, como a janela faz, e um aviso\n"
               "nomeia o campo e o valor que o cálculo usou.\n"));
}


// Sets a control as if the user had typed or chosen TEXT.
void assign(Sheet& tab, Sheet& ajustes, const std::string& name, const std::string& text)
{
    Sheet* sheet = tab.has(name) ? &tab : ajustes.has(name) ? &ajustes : nullptr;
    if (!sheet || !sheet->spec(name).input)
        throw UsageError{kelvora::text(
            CliText::tr("controle de entrada desconhecido neste projeto: %1").arg(q(name)))};
    const ControlSpec& spec = sheet->spec(name);
    // A field takes what a design file can carry back: no longer than the
    // field and without control characters (the window's fields take none).
    if (const std::size_t limit = fieldLimit(spec);
        spec.kind != Kind::Radio && std::size_t(QString::fromStdString(text).size()) > limit)
        throw UsageError{
            kelvora::text(CliText::tr("texto longo demais para %1 (no máximo %2 caracteres)")
                              .arg(q(name))
                              .arg(limit))};
    if (hasControlCharacter(text))
        throw UsageError{kelvora::text(
            CliText::tr("o texto de %1 contém caracteres de controle (tabulação, quebra de "
                        "linha)")
                .arg(q(name)))};
    Control& c = (*sheet)[name];
    switch (spec.kind) {
    case Kind::Edit:
        c.text = text;
        break;
    case Kind::Combo:
        // An item's key stands for its text; any other text is typed as given.
        c.text = text;
        c.itemIndex = itemIndexOfTextOrKey(spec, text);
        if (c.itemIndex >= 0)
            c.text = spec.items[std::size_t(c.itemIndex)];
        break;
    case Kind::List: {
        const int index = itemIndexOfTextOrKey(spec, text);
        if (index < 0)
            throw UsageError{kelvora::text(
                CliText::tr("valor que a lista %1 não tem: %2").arg(q(name), q(text)))};
        c.text = spec.items[std::size_t(index)];
        c.itemIndex = index;
        break;
    }
    case Kind::Radio:
        if (text != "1")
            throw UsageError{kelvora::text(
                CliText::tr("um botão de opção é selecionado com =1: %1").arg(q(name)))};
        for (const std::string& other : sheet->names())
            if (sheet->spec(other).kind == Kind::Radio && sheet->spec(other).group == spec.group)
                (*sheet)[other].checked = false;
        c.checked = true;
        break;
    default:
        throw UsageError{kelvora::text(
            CliText::tr("controle de entrada desconhecido neste projeto: %1").arg(q(name)))};
    }
}

// Why writing to standard output failed, from the failed write's errno.
std::string writeFailure(int error)
{
    switch (error) {
    case ENOSPC:
        return text(QCoreApplication::translate("KelvoraCli", "disco cheio"));
    case EDQUOT:
        return text(QCoreApplication::translate("KelvoraCli", "cota de disco esgotada"));
    case EFBIG:
        return text(QCoreApplication::translate("KelvoraCli", "arquivo grande demais"));
    case EROFS:
        return text(
            QCoreApplication::translate("KelvoraCli", "sistema de arquivos somente leitura"));
    case EPIPE:
        return text(
            QCoreApplication::translate("KelvoraCli", "o programa que lia a saída já terminou"));
    case EBADF:
        return text(QCoreApplication::translate("KelvoraCli", "a saída padrão está fechada"));
    case EIO:
        return text(
            QCoreApplication::translate("KelvoraCli", "erro de entrada e saída no dispositivo"));
    default:
        return text(QCoreApplication::translate("KelvoraCli", "erro de escrita"));
    }
}

// Writes one block to standard output and pushes it out at once, so that a
// full disk, a closed output or a reader that has gone is seen here and
// not lost at exit. Returns the message when the block was not written.
std::optional<std::string> printBlock(std::ostream& out, const std::function<void()>& write)
{
    errno = 0;
    if (out) {
        write();
        out.flush();
    }
    if (out)
        return std::nullopt;
    return text(
        CliText::tr("não foi possível escrever na saída padrão (%1)").arg(q(writeFailure(errno))));
}

// The exit status after a block written to standard output.
int finish(std::optional<std::string> failure, std::ostream& err, int status)
{
    if (!failure)
        return status;
    err << "kelvora-cli: " << *failure << '\n';
    return 1;
}

nlohmann::ordered_json controlsJson(const Sheet& tab)
{
    nlohmann::ordered_json controls = nlohmann::ordered_json::object();
    for (const std::string& name : tab.names()) {
        const Control& c = tab[name];
        nlohmann::ordered_json j = {{"text", c.text},
                                    {"background", colourName(c.background)},
                                    {"font", colourName(c.font)},
                                    {"visible", c.visible}};
        const Kind kind = tab.spec(name).kind;
        if (kind == Kind::Panel || kind == Kind::Shape)
            j["top"] = c.top;
        if (kind == Kind::Shape)
            j["height"] = c.height;
        if (kind == Kind::Radio)
            j["checked"] = c.checked;
        if (kind == Kind::Combo || kind == Kind::List)
            j["itemIndex"] = c.itemIndex;
        controls[name] = std::move(j);
    }
    return controls;
}

// Takes --idioma=pt|en out of the arguments, wherever it stands, and installs
// that language's catalogue (Portuguese without it).
std::vector<std::string> withLanguage(const std::vector<std::string>& args)
{
    Language language = Language::Portuguese;
    std::vector<std::string> rest;
    for (const std::string& a : args) {
        if (a.rfind("--idioma=", 0) != 0) {
            rest.push_back(a);
            continue;
        }
        const std::optional<Language> chosen = languageOfCode(q(a.substr(9)));
        if (!chosen)
            throw UsageError{text(CliText::tr("o idioma deve ser pt ou en"))};
        language = *chosen;
    }
    if (QCoreApplication::instance() && language != installedLanguage())
        installLanguage(language);
    return rest;
}

// The command's verb: one of the three answers that need no design, or a design's run.
enum class Verb { Help, Controls, Version, Calculate };

Verb verbOf(const std::vector<std::string>& args)
{
    if (args.empty())
        throw UsageError{text(CliText::tr("falta o nome do projeto"))};
    // Help is asked for wherever it stands, also after the design name.
    for (const std::string& a : args)
        if (a == "--help" || a == "-h")
            return Verb::Help;
    if (args[0] == "--controles")
        return Verb::Controls;
    if (args[0] == "--version")
        return Verb::Version;
    return Verb::Calculate;
}

struct FolhaOut {
    std::string path; // "-" for standard output
    bool pdf = false;
};

// What one design's run is asked for, every option already checked against the design.
struct Request {
    const Design* design = nullptr;
    bool isFonte = false;
    std::vector<std::pair<std::string, std::string>> assignments;
    std::string projectIn, projectOut;
    bool json = false;
    bool wantConstrucao = false;
    bool wantSugestoes = false;
    bool wantReport = false;
    std::string reportPath;
    std::vector<FolhaOut> folhas;
    char separator = 0;
    TextEncoding encoding = TextEncoding::Windows1252CrLf;

    bool reportToStdout() const { return wantReport && reportPath == "-"; }
    bool folhaToStdout() const
    {
        return std::any_of(folhas.begin(), folhas.end(),
                           [](const FolhaOut& f) { return f.path == "-"; });
    }
    // The construction settings are read (and their reads warned of) for these outputs only.
    bool usesConstrucao() const { return wantConstrucao || wantSugestoes || !folhas.empty(); }
};

const Design& designNamed(const std::string& name)
{
    const bool isFonte = name == FonteDesign;
    const Design* design = isFonte ? &powerTransformer() : findDesign(name);
    if (!design || (!isFonte && name != design->name))
        throw UsageError{text(
            CliText::tr("projeto desconhecido: %1 (projetos: %2)").arg(q(name), q(designList())))};
    return *design;
}

void requireConstruction(const Design& design, const char* what)
{
    if (!design.part)
        throw UsageError{
            text(CliText::tr("o projeto %1 não tem %2").arg(q(design.name), CliText::tr(what)))};
}

// One option or assignment after the design's name, into `r`.
void parseOption(const std::string& a, Request& r)
{
    const Design& design = *r.design;
    if (a == "--json") {
        r.json = true;
    } else if (a == "--construcao") {
        requireConstruction(design, QT_TRANSLATE_NOOP("KelvoraCli", "construção"));
        r.wantConstrucao = true;
    } else if (a == "--sugere-nucleo") {
        requireConstruction(design, QT_TRANSLATE_NOOP("KelvoraCli", "construção"));
        r.wantSugestoes = true;
    } else if (a.rfind("--report=", 0) == 0) {
        r.reportPath = a.substr(9);
        r.wantReport = true;
        if (r.reportPath.empty())
            throw UsageError{text(CliText::tr("--report precisa de um nome de arquivo (ou -)"))};
        if (!design.report)
            throw UsageError{
                text(CliText::tr("o projeto %1 não tem relatório").arg(q(design.name)))};
    } else if (a.rfind("--folha=", 0) == 0 || a.rfind("--folha-pdf=", 0) == 0) {
        const bool pdf = a[7] == '-';
        r.folhas.push_back({a.substr(pdf ? 12 : 8), pdf});
        if (r.folhas.back().path.empty())
            throw UsageError{text(
                CliText::tr("%1 precisa de um nome de arquivo").arg(q(a.substr(0, a.find('=')))))};
        requireConstruction(design, QT_TRANSLATE_NOOP("KelvoraCli", "folha de enrolamento"));
    } else if (a.rfind("--decimal-separator=", 0) == 0) {
        const std::string c = a.substr(20);
        if (c != "," && c != ".")
            throw UsageError{text(CliText::tr("o separador decimal deve ser , ou ."))};
        r.separator = c[0];
    } else if (a.rfind("--codificacao=", 0) == 0) {
        const std::optional<TextEncoding> e = textEncodingNamed(a.substr(14));
        if (!e)
            throw UsageError{text(CliText::tr("a codificação deve ser windows-1252 ou utf-8"))};
        r.encoding = *e;
    } else if (a.rfind("--projeto=", 0) == 0 || a.rfind("--salva-projeto=", 0) == 0) {
        const std::size_t eq = a.find('=');
        (eq == 9 ? r.projectIn : r.projectOut) = a.substr(eq + 1);
        if (a.size() == eq + 1)
            throw UsageError{
                text(CliText::tr("%1 precisa de um nome de arquivo").arg(q(a.substr(0, eq))))};
    } else if (a.rfind("--", 0) == 0) {
        throw UsageError{text(CliText::tr("opção desconhecida: %1").arg(q(a)))};
    } else if (std::size_t eq = a.find('='); eq != std::string::npos && eq > 0) {
        r.assignments.emplace_back(a.substr(0, eq), a.substr(eq + 1));
    } else {
        throw UsageError{
            text(CliText::tr("argumento inválido: %1 (esperado CONTROLE=TEXTO)").arg(q(a)))};
    }
}

// Standard output carries one thing: the results, the JSON, the report or the sheet.
void checkOutputs(const Request& r)
{
    const int toStdout = r.json + r.reportToStdout()
                         + int(std::count_if(r.folhas.begin(), r.folhas.end(),
                                             [](const FolhaOut& f) { return f.path == "-"; }));
    if (toStdout > 1)
        throw UsageError{text(CliText::tr("só uma saída vai para a saída padrão: --json, "
                                          "--report=- ou --folha=-"))};
    for (const FolhaOut& f : r.folhas)
        if (f.pdf && f.path == "-")
            throw UsageError{text(CliText::tr("--folha-pdf precisa de um nome de arquivo (o PDF "
                                              "não vai para a saída padrão)"))};
}

Request parseRequest(const std::vector<std::string>& args)
{
    Request r;
    r.design = &designNamed(args[0]);
    r.isFonte = args[0] == FonteDesign;
    for (std::size_t i = 1; i < args.size(); ++i)
        parseOption(args[i], r);
    checkOutputs(r);
    if (!r.separator)
        r.separator = localeDecimalSeparator();
    return r;
}

// Every stored sheet, from the design file when one is given, with the
// command line's assignments typed over it; so that a design file read and
// written keeps the other tabs.
DesignInputs readInputs(const Request& r)
{
    DesignInputs inputs(r.separator);
    if (!r.projectIn.empty()) {
        try {
            inputs = openDesignFile(QString::fromStdString(r.projectIn), r.separator);
        } catch (const DesignFileError& e) {
            throw UsageError{e.what(), false};
        }
    }
    Sheet& tab = inputs[r.design->tab];
    Sheet& ajustes = inputs["TAjustes"];
    Sheet& construcao = inputs["FConstrucao"];
    Sheet& fonteSelector = inputs[fonte::SelectorSheet];
    // The supply's secondary is chosen first: its sheet takes the secondary's controls.
    for (const auto& [name, text] : r.assignments)
        if (r.isFonte && fonte::isSelectorControl(name))
            assign(fonteSelector, fonteSelector, name, text);
    Sheet& fonteSheet = inputs[fonte::secondarySheet(fonte::chosenSecondary(fonteSelector))];
    for (const auto& [name, text] : r.assignments) {
        if (construction::isConstrucaoControl(name))
            assign(construcao, construcao, name, text);
        else if (r.isFonte && fonte::isSecondaryControl(name))
            assign(fonteSheet, fonteSheet, name, text);
        else if (!(r.isFonte && fonte::isSelectorControl(name)))
            assign(tab, ajustes, name, text);
    }
    return inputs;
}

// What a run computed: the tab's results and whatever else was asked for.
struct Run {
    Settings cfg;
    DesignResults state;
    std::string error; // the calculation's message, empty when it finished
    ShownText errorWords; // the same as a message, for the chosen language
    std::optional<construction::Analysis> analysis;
    std::optional<construction::Advice> advice;
    std::optional<fonte::Run> supplyRun;
};

// The filter reactor tab's choke, for a ladder that uses it.
std::optional<fonte::Reactor> supplyChoke(DesignInputs& inputs, const Settings& cfg)
{
    const Design* rd = &filterReactor();
    Sheet& rf = inputs[rd->tab];
    DesignResults rs;
    const bool failed = runCalculation(rf, rd->outputs, [&] { rd->show(rf, rs, cfg); }).has_value();
    return fonte::reactorOf(construction::reatorFiltroInput(rf, rs.reatorFiltro, failed),
                            construction::readSettings(inputs["FConstrucao"], cfg), cfg);
}

// The chosen secondary's rectifier and filter, fed by the power transformer's construction.
fonte::Run supplyOf(const Sheet& tab, DesignInputs& inputs, const Run& run,
                    const std::optional<fonte::Reactor>& reactor)
{
    const int secondary = fonte::chosenSecondary(inputs[fonte::SelectorSheet]);
    Sheet& fonteSheet = inputs[fonte::secondarySheet(secondary)];
    const construction::TrafoAlimInput in
        = construction::trafoAlimInput(tab, run.state.trafoAlim, !run.error.empty());
    construction::ConstructionSettings set
        = construction::readSettings(inputs["FConstrucao"], run.cfg);
    set.simulatedCurrent = false; // the source: the analysis with the fixed factor
    const construction::Analysis a = construction::analyseTrafoAlim(in, set, run.cfg);
    fonte::Run supply
        = fonte::runSecondary(fonteSheet, a, in, set, secondary, run.cfg, true, reactor);
    if (!supply.error)
        fonte::markSimulated(fonteSheet);
    return supply;
}

// The construction analysis of the design; the power transformer's with the
// rectifiers' simulated currents, where it could be analysed at all (a
// refused design stays refused). None for a design without one.
std::optional<construction::Analysis> analysisOf(const Design& design, DesignInputs& inputs,
                                                 const Run& run,
                                                 const std::optional<fonte::Reactor>& reactor)
{
    Sheet& tab = inputs[design.tab];
    const bool failed = !run.error.empty();
    const construction::ConstructionSettings set
        = construction::readSettings(inputs["FConstrucao"], run.cfg);
    std::optional<construction::Analysis> a
        = analyseDesign(design, tab, run.state, failed, set, run.cfg);
    if (a && !a->error && &design == &powerTransformer())
        a = fonte::analyseWithSupply(construction::trafoAlimInput(tab, run.state.trafoAlim, failed),
                                     construction::readSettings(inputs["FConstrucao"], run.cfg),
                                     [&](int k) { return &inputs[fonte::secondarySheet(k)]; },
                                     run.cfg, reactor);
    return a;
}

// Runs the design on its tab and then what the request adds to it. A field
// that holds no number, or one a range rule corrected, was read as another
// value (the window paints it red): said on `err` with the value used, so that
// a script does not take the results for those of the text it gave. The
// construction settings likewise, when used.
Run calculate(const Request& r, DesignInputs& inputs, std::ostream& err)
{
    const Design& design = *r.design;
    Sheet& tab = inputs[design.tab];
    Sheet& construcao = inputs["FConstrucao"];
    Run run;
    run.cfg = settingsFrom(inputs["TAjustes"], r.separator);
    const std::map<std::string, std::string> typed = inputTexts(tab);
    const std::map<std::string, std::string> typedConstrucao = inputTexts(construcao);
    run.error = runCalculation(
                    tab, design.outputs, [&] { design.show(tab, run.state, run.cfg); }, nullptr,
                    &run.errorWords)
                    .value_or(std::string());
    warnReads(tab, typed, err);
    if (r.usesConstrucao()) {
        construction::readSettings(construcao, run.cfg);
        warnReads(construcao, typedConstrucao, err);
    }
    const std::optional<fonte::Reactor> reactor
        = r.isFonte || r.wantConstrucao ? supplyChoke(inputs, run.cfg) : std::nullopt;
    if (r.isFonte)
        run.supplyRun = supplyOf(tab, inputs, run, reactor);
    if (r.wantConstrucao)
        run.analysis = analysisOf(design, inputs, run, reactor);
    if (r.wantSugestoes)
        run.advice = construction::adviseCore(*design.part, tab, run.state, !run.error.empty(),
                                              construction::readSettings(construcao, run.cfg),
                                              run.cfg);
    return run;
}

// --json: every control of the tab, the core drawing's labels and the extra results.
std::optional<std::string> printJson(const Request& r, const Sheet& tab, const Run& run,
                                     std::ostream& out)
{
    const Design& design = *r.design;
    nlohmann::ordered_json j;
    j["design"] = r.isFonte ? std::string(FonteDesign) : design.name;
    j["error"] = run.error.empty() ? nlohmann::ordered_json(nullptr)
                                   : nlohmann::ordered_json(run.error);
    j["controls"] = controlsJson(tab);
    // The core the "Visualiza núcleo" button shows now: also after an
    // error, when it is the one the failed run stored.
    if (design.core) {
        const auto [En, Bn] = design.core(run.state);
        nlohmann::ordered_json labels = nlohmann::ordered_json::object();
        auto written = VisNucleoLabels(En, Bn, run.cfg);
        for (int k = 1; k <= 19; ++k)
            for (const auto& [name, text] : written)
                if (name == "Label" + std::to_string(k))
                    labels[name] = text;
        j["nucleo"] = labels;
    }
    if (run.analysis)
        j["construcao"] = construcaoJson(*run.analysis);
    if (run.advice)
        j["sugestoes"] = sugestoesJson(*run.advice);
    if (run.supplyRun)
        j["fonte"] = fonte::fonteJson(*run.supplyRun);
    // Typed texts are bytes as given: invalid UTF-8 becomes U+FFFD.
    const std::string text = j.dump(2, ' ', false,
                                    nlohmann::ordered_json::error_handler_t::replace);
    return printBlock(out, [&] { out << text << "\n"; });
}

// The plain output: one line per result, NAME<TAB>text, then the extra tables.
std::optional<std::string> printTable(const Request& r, const Sheet& tab, const Run& run,
                                      std::ostream& out)
{
    return printBlock(out, [&] {
        for (const std::string& name : r.design->outputs)
            out << name << '\t' << tab[name].text << '\n';
        if (run.analysis)
            out << construcaoTable(*run.analysis, run.cfg);
        if (run.advice)
            out << sugestoesTable(*run.advice, run.cfg);
        if (run.supplyRun)
            out << fonte::fonteTable(*run.supplyRun, run.cfg);
    });
}

// Text bytes for standard output, in the report's encoding.
std::optional<std::string> printEncoded(const std::string& text, TextEncoding encoding,
                                        std::ostream& out)
{
    const QByteArray bytes = encodeReport(text, encoding);
    return printBlock(out, [&] { out.write(bytes.constData(), bytes.size()); });
}

// --report: the design's report to its file or to standard output. Returns
// the exit status; `printed` takes a block written to standard output.
int writeReport(const Request& r, const Sheet& tab, const Run& run, std::ostream& out,
                std::ostream& err, std::optional<std::string>& printed)
{
    const std::string text = r.design->report(tab, run.state, run.cfg);
    if (r.reportPath == "-") {
        printed = printEncoded(text, r.encoding, out);
    } else if (auto failure = writeReportFile(QString::fromStdString(r.reportPath), text,
                                              r.encoding)) {
        err << "kelvora-cli: " << failure->toStdString() << '\n';
        return 1;
    }
    return 0;
}

// --folha and --folha-pdf, in the order given; the first that fails ends them.
int writeFolhas(const Request& r, const Sheet& tab, Sheet& construcao, const Run& run,
                std::ostream& out, std::ostream& err, std::optional<std::string>& printed)
{
    for (const FolhaOut& f : r.folhas) {
        std::string text;
        if (auto failure = writeFolha(f.path, f.pdf, *r.design, tab, run.state, false,
                                      construcao, run.cfg, r.encoding,
                                      f.path == "-" ? &text : nullptr)) {
            err << "kelvora-cli: " << *failure << '\n';
            return 1;
        }
        if (f.path == "-")
            printed = printEncoded(text, r.encoding, out);
    }
    return 0;
}

// A design's run: its results on standard output (unless the report or the
// sheet goes there), the design file, then the report and the sheets, which a
// failed calculation does not write.
int runDesign(const Request& r, std::ostream& out, std::ostream& err)
{
    DesignInputs inputs = readInputs(r);
    const Run run = calculate(r, inputs, err);
    Sheet& tab = inputs[r.design->tab];
    std::optional<std::string> printed;
    if (r.json)
        printed = printJson(r, tab, run, out);
    else if (!r.reportToStdout() && !r.folhaToStdout())
        printed = printTable(r, tab, run, out);
    if (!r.projectOut.empty())
        if (auto failure = saveDesignFile(QString::fromStdString(r.projectOut),
                                          writeDesign(inputs, r.separator))) {
            err << "kelvora-cli: " << failure->toStdString() << '\n';
            return finish(printed, err, 1);
        }
    if (!run.error.empty()) {
        err << "kelvora-cli: "
            << (run.errorWords.empty() ? run.error : text(shownWords(run.errorWords))) << '\n';
        return finish(printed, err, 1);
    }
    if (run.supplyRun && run.supplyRun->error) {
        err << "kelvora-cli: " << *run.supplyRun->error << '\n';
        return finish(printed, err, 1);
    }
    int status = 0;
    if (r.wantReport)
        status = writeReport(r, tab, run, out, err, printed);
    if (writeFolhas(r, tab, inputs["FConstrucao"], run, out, err, printed))
        status = 1;
    return finish(printed, err, status);
}

} // namespace

int runCli(const std::vector<std::string>& allArgs, std::ostream& out, std::ostream& err)
{
    try {
        const std::vector<std::string> args = withLanguage(allArgs);
        switch (verbOf(args)) {
        case Verb::Help:
            return finish(printBlock(out, [&] { printHelp(out); }), err, 0);
        case Verb::Controls:
            return finish(printBlock(out, [&] { out << controlList(); }), err, 0);
        case Verb::Version:
            return finish(printBlock(out, [&] { out << "kelvora-cli " << versionText() << "\n"; }),
                          err, 0);
        case Verb::Calculate:
            break;
        }
        return runDesign(parseRequest(args), out, err);
    } catch (const UsageError& u) {
        err << "kelvora-cli: " << u.message << '\n';
        if (u.showUsage)
            err << usage();
        return 2;
    }
}

} // namespace kelvora
