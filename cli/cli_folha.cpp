#include "cli_folha.h"

#include "catalogue.h"
#include "report_file.h"
#include "sheet_owner.h"
#include "winding_sheet.h"
#include "winding_sheet_pdf.h"

#include <QGuiApplication>

namespace kelvora {

std::optional<std::string> writeFolha(const std::string& path, bool pdf, const Design& design,
                                      const Sheet& tab, const DesignResults& state, bool tabFailed,
                                      Sheet& construcao, const Settings& cfg,
                                      TextEncoding encoding, std::string* textOut)
{
    const construction::ConstructionSettings set = construction::readSettings(construcao, cfg);
    if (!design.part)
        return "o projeto " + design.name + " não tem folha de enrolamento";
    const construction::WoundPart& part = *design.part;
    const std::optional<SheetSubject> subject
        = construction::sheetRun(part, tab, state, tabFailed, set, cfg);
    // The sheet in the language of --idioma.
    const Translator tr = inInstalledLanguage;
    if (auto refusal = windingSheetRefusal(subject->analysis, tr))
        return refusal;
    const std::string text = withOwner(windingSheetText(part.caption, subject->analysis,
                                                        subject->core, construcao,
                                                        subject->activeSecondaries, cfg, tr),
                                       part, tab, tr);
    if (textOut && !pdf) {
        *textOut = text;
        return std::nullopt;
    }
    const QString file = QString::fromStdString(path);
    std::optional<QString> failure;
    if (!pdf) {
        failure =
            writeReportFile(file, text, encoding,
                            fileText(QT_TRANSLATE_NOOP("FileError", "a folha de enrolamento")));
    } else {
        // Fonts and the PDF painter need a GUI application (main() makes one).
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return std::string("--folha-pdf precisa de uma aplicação gráfica do Qt");
        SheetPages pages;
        pages.text = text;
        pages.section = {&subject->analysis, set, subject->core.a};
        pages.a = subject->core.a;
        pages.b = subject->core.b;
        pages.separator = cfg.decimalSeparator;
        pages.captions = windingSheetCaptions(tr);
        failure = writeWindingSheetPdf(file, pages);
    }
    if (failure)
        return failure->toStdString();
    return std::nullopt;
}

} // namespace kelvora
