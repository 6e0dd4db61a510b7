// Start-up: the main window first, then the core drawing, the PI-network
// and the modulation reactor windows; all live until the program ends.
#include "Ucalcpi.h"
#include "Ucalcreator.h"
#include "Ukelvora1.h"
#include "Unucleo.h"
#include "design_files.h"
#include "language.h"
#include "scroll_window.h"
#include "version.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>

#include <cstdlib>
#include <exception>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));
    QApplication::setApplicationName(QStringLiteral("Kelvora"));
    QApplication::setApplicationVersion(QString::fromStdString(kelvora::versionText()));
    // Portuguese unless the user chose English, or on the first start the
    // system speaks English.
    kelvora::LanguageChoice::instance().start(
        kelvora::savedLanguage(QSettings(), QLocale::system()));
    try {
        // The first page at once, the others right after the first frame.
        kelvora::TFKelvora FKelvora(nullptr, kelvora::TFKelvora::Pages::AfterFirstPaint);
        // The secondary windows open only from buttons of the later pages:
        // they are made with those pages, after the main window is up.
        std::unique_ptr<kelvora::TFNucleo> FNucleo;
        std::unique_ptr<kelvora::TFCalcPI> FCalcPI;
        std::unique_ptr<kelvora::TFCalcReator> FCalcReator;
        QObject::connect(&FKelvora, &kelvora::TFKelvora::allPagesBuilt, &FKelvora, [&] {
            FNucleo = std::make_unique<kelvora::TFNucleo>();
            FCalcPI = std::make_unique<kelvora::TFCalcPI>();
            FCalcReator = std::make_unique<kelvora::TFCalcReator>();
            // Closing a secondary window only hides it; closing the main one ends the program.
            for (QWidget* w :
                 {static_cast<QWidget*>(FNucleo.get()), static_cast<QWidget*>(FCalcPI.get()),
                  static_cast<QWidget*>(FCalcReator.get())})
                w->setAttribute(Qt::WA_QuitOnClose, false);
            FKelvora.attach(FNucleo.get(), FCalcPI.get(), FCalcReator.get());
            if (const QScreen* s = FKelvora.screen())
                FKelvora.growToPages(s->availableGeometry().size());
        });
        // At a large scale or on a small screen a window takes the screen
        // and its content scrolls: the main window's tabs, and each other
        // window as it opens.
        kelvora::fitWindowsToScreens(&app);
        FKelvora.show();
        // `kelvora FILE`: the design file the desktop (or the user) names.
        if (const QStringList args = QApplication::arguments(); args.size() > 1)
            FKelvora.designFiles().openFile(args.at(1));
        const int code = app.exec();
        FKelvora.attach(nullptr, nullptr, nullptr);
        return code;
    } catch (const std::exception& e) {
        // A fault of the program itself: said in the chosen language, with
        // the runtime's own words (often English) after it for the bug report.
        QMessageBox::critical(nullptr, QStringLiteral("Kelvora"),
                              QCoreApplication::translate("kelvora", "Erro interno do programa; o "
                                                                     "Kelvora será "
                                                                     "fechado.\n\nDetalhe: %1")
                                  .arg(QString::fromUtf8(e.what())));
    }
    // Reached only after an exception: the program did not end normally.
    return EXIT_FAILURE;
}
