// Keystroke latency on the real window (offscreen platform): from the key
// press to the end of the recalculation and repaint it causes.
#include "Ucalcpi.h"
#include "Ucalcreator.h"
#include "Uconstrucao.h"
#include "Ukelvora1.h"
#include "Unucleo.h"
#include "language.h"
#include "translations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMap>
#include <QPaintEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kelvora;

namespace {

// Counts paint events per widget class and the painted area, to see what a
// keystroke makes the window redraw.
class PaintCounter : public QObject {
public:
    QMap<QString, QPair<int, qint64>> byClass;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            const QRect r = static_cast<QPaintEvent*>(e)->rect();
            const QString key = QString::fromLatin1(o->metaObject()->className())
                                + (qEnvironmentVariableIntValue("BENCH_PAINTS") > 1
                                       ? QLatin1Char(' ') + o->objectName()
                                       : QString());
            auto& c = byClass[key];
            ++c.first;
            c.second += qint64(r.width()) * r.height();
        }
        if (e->type() == QEvent::LayoutRequest && o->isWidgetType())
            ++byClass[QStringLiteral("(layout) ") + o->objectName() + QLatin1Char(' ')
                      + QString::fromLatin1(o->metaObject()->className())]
                  .first;
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    installQtPortuguese();
    // BENCH_LANGUAGE=en: the window in English, every text a key writes
    // translated on its way to the widgets.
    if (qgetenv("BENCH_LANGUAGE") == "en")
        kelvora::LanguageChoice::instance().start(kelvora::Language::English);
    TFKelvora main;
    TFNucleo nucleo;
    TFCalcPI calcPi;
    TFCalcReator calcReator;
    main.attach(&nucleo, &calcPi, &calcReator);
    int errors = 0;
    main.setErrorReporter([&](const QString&) { ++errors; });
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;

    const int n = argc > 1 ? std::atoi(argv[1]) : 400;
    auto* tabs = main.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    std::printf("%-8s %6s %10s %10s %12s %12s %7s\n", "field", "keys", "median_us", "worst_us",
                "handler_med", "paint_med", "errors");
    const QString only = argc > 2 ? QString::fromLatin1(argv[2]) : QString(); // one field
    // The last cases type into the power transformer with its construction window
    // open, then also with the core adviser's table shown (its search follows once the
    // typing pauses, so a key that comes sooner does not run it).
    const char* const fields[] = {"EIs1", "EPaMod", "EPo", "ERFIr", "EIs1", "EIs1"};
    for (std::size_t f = 0; f < std::size(fields); ++f) {
        const char* name = fields[f];
        const bool construcao = f + 2 >= std::size(fields);
        const bool adviser = f + 1 == std::size(fields);
        const QString label = QString::fromLatin1(name)
                              + (adviser      ? QStringLiteral("+Sug")
                                 : construcao ? QStringLiteral("+Co")
                                              : QString());
        if (!only.isEmpty() && only != label)
            continue;
        auto* e = main.findChild<QLineEdit*>(QString::fromLatin1(name));
        if (!e) {
            std::printf("%-8s (not built yet)\n", name);
            continue;
        }
        QWidget* page = e;
        while (page && page->parentWidget() && tabs->indexOf(page) < 0)
            page = page->parentWidget();
        tabs->setCurrentWidget(page);
        QCoreApplication::processEvents();
        if (construcao) {
            main.findChild<QPushButton*>(QStringLiteral("BBConstrucaoTA"))->click();
            if (!main.construcao() || !QTest::qWaitForWindowExposed(main.construcao()))
                return 1;
            if (adviser)
                main.construcao()
                    ->findChild<QPushButton*>(QStringLiteral("BSugereNucleo"))
                    ->click();
            // BENCH_HIDE=A,B: those widgets hidden, to see what each costs a key.
            const QStringList hidden =
                qEnvironmentVariable("BENCH_HIDE").split(QLatin1Char(','), Qt::SkipEmptyParts);
            for (const QString& widgetName : hidden)
                if (auto* w = main.construcao()->findChild<QWidget*>(widgetName))
                    w->hide();
            main.activateWindow();
            QCoreApplication::processEvents();
        }
        e->setFocus();
        e->end(false);
        const int before = errors;
        std::vector<qint64> ns, handler, paint;
        ns.reserve(n);
        QElapsedTimer t;
        // Append a digit, then take it away: the value stays valid and each
        // key runs the full chain of calculations of that field.
        for (int i = 0; i < n; ++i) {
            const Qt::Key key = (i % 2 == 0) ? Qt::Key_1 : Qt::Key_Backspace;
            t.start();
            QTest::keyClick(e, key); // edit, recalculation, texts and colours written back
            const qint64 h = t.nsecsElapsed();
            QCoreApplication::processEvents(); // the repaint the key caused
            ns.push_back(t.nsecsElapsed());
            handler.push_back(h);
            paint.push_back(ns.back() - h);
        }
        if (qEnvironmentVariableIsSet("BENCH_PAINTS")) { // 2: by object name too
            PaintCounter pc;
            app.installEventFilter(&pc);
            for (int i = 0; i < 10; ++i) {
                QTest::keyClick(e, (i % 2 == 0) ? Qt::Key_1 : Qt::Key_Backspace);
                QCoreApplication::processEvents();
            }
            app.removeEventFilter(&pc);
            for (auto it = pc.byClass.cbegin(); it != pc.byClass.cend(); ++it)
                std::printf("    %-36s %5.1f paints/key %9.0f px/key\n", qPrintable(it.key()),
                            it.value().first / 10.0, it.value().second / 10.0);
        }
        auto median = [](std::vector<qint64> v) {
            std::sort(v.begin(), v.end());
            return v[v.size() / 2] / 1e3;
        };
        std::printf("%-8s %6d %10.1f %10.1f %12.1f %12.1f %7d\n", qPrintable(label), n, median(ns),
                    *std::max_element(ns.begin(), ns.end()) / 1e3, median(handler), median(paint),
                    errors - before);
    }
    return 0;
}
