// Start-up: the main window first, then the core drawing, the PI-network
// and the modulation reactor windows; all live until the program ends.
#include "Ucalcpi.h"
#include "Ucalcreator.h"
#include "Ukelvora1.h"
#include "Unucleo.h"
#include "translations.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvora"));
    QApplication::setApplicationVersion(QStringLiteral("4.0 (beta)"));
    kelvora::installQtPortuguese();
    try {
        // The first page at once, the others right after the first frame.
        kelvora::TFKelvora FKelvora(nullptr, kelvora::TFKelvora::Pages::AfterFirstPaint);
        kelvora::TFNucleo FNucleo;
        kelvora::TFCalcPI FCalcPI;
        kelvora::TFCalcReator FCalcReator;
        // Closing a secondary window only hides it; closing the main one ends the program.
        for (QWidget* w : {static_cast<QWidget*>(&FNucleo), static_cast<QWidget*>(&FCalcPI),
                           static_cast<QWidget*>(&FCalcReator)})
            w->setAttribute(Qt::WA_QuitOnClose, false);
        FKelvora.attach(&FNucleo, &FCalcPI, &FCalcReator);
        FKelvora.show();
        return app.exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Kelvora"), QString::fromUtf8(e.what()));
    }
    return 0;
}
