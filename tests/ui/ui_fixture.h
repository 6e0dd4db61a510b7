#pragma once
// The program as start-up builds it, for widget tests on the offscreen platform.
#include "Ucalcpi.h"
#include "Ucalcreator.h"
#include "Ukelvora1.h"
#include "Unucleo.h"
#include "binding.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace kelvora::test {

struct App {
    App(char separator = ',')
    {
        main = std::make_unique<TFKelvora>();
        nucleo = std::make_unique<TFNucleo>();
        calcPi = std::make_unique<TFCalcPI>();
        calcReator = std::make_unique<TFCalcReator>();
        // The separator first, as the program's settings give it before the
        // secondary windows are attached (the pi network's inputs are taken then).
        main->setDecimalSeparator(separator);
        main->attach(nucleo.get(), calcPi.get(), calcReator.get());
        // Errors are counted and kept instead of shown in a modal box; a
        // question is kept and answered with `answer`.
        main->setErrorReporter([this](const QString& m) { errors << m; });
        // A failed recalculation shows its error on the tab's message line:
        // kept with the boxes' messages.
        main->setErrorLineObserver([this](const QString& m) { errors << m; });
        main->setQuestioner([this](const QString& q) {
            questions << q;
            return answer;
        });
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    }
    ~App() { main->hide(); }

    template <class W = QWidget>
    W* find(const char* name) const
    {
        W* w = main->findChild<W*>(QString::fromLatin1(name));
        if (!w)
            qWarning("no control %s", name);
        return w;
    }
    QString text(const char* name) const
    {
        if (auto* l = main->findChild<QLabel*>(QString::fromLatin1(name)))
            return l->text();
        if (auto* e = main->findChild<QLineEdit*>(QString::fromLatin1(name)))
            return e->text();
        if (auto* c = main->findChild<QComboBox*>(QString::fromLatin1(name)))
            return c->currentText();
        qWarning("no text control %s", name);
        return QStringLiteral("<none>");
    }
    // Shows the tab with that control name (runs its show handler).
    void showTab(const char* name) const
    {
        auto* pc = find<QTabWidget>("PageControl1");
        pc->setCurrentWidget(find<QWidget>(name));
    }
    // Replaces a field's text as the user would: select all, type.
    void type(const char* name, const QString& text) const
    {
        QWidget* w = find<QWidget>(name);
        if (auto* c = qobject_cast<QComboBox*>(w); c && c->isEditable())
            w = c->lineEdit();
        w->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->selectAll();
        QTest::keyClick(w, Qt::Key_Delete);
        QTest::keyClicks(w, text);
    }

    std::unique_ptr<TFKelvora> main;
    std::unique_ptr<TFNucleo> nucleo;
    std::unique_ptr<TFCalcPI> calcPi;
    std::unique_ptr<TFCalcReator> calcReator;
    QStringList errors;
    QStringList questions;
    bool answer = false; // "Não"
};

inline QColor lime() { return QColor(0, 255, 0); }
inline QColor red() { return QColor(255, 0, 0); }
inline QColor white() { return QColor(255, 255, 255); }
inline QColor black() { return QColor(0, 0, 0); }

} // namespace kelvora::test
