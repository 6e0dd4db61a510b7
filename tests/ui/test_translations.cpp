// Qt's standard texts in Portuguese whatever the system locale is.
#include "translations.h"

#include <QDialogButtonBox>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void englishBeforeLoading()
    {
        // Guards the test itself: without the catalogue the button is English.
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
    }
    void standardButtonsArePortuguese()
    {
        // An English system locale must not keep the program's dialogs English.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(kelvora::installQtPortuguese());

        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                             | QDialogButtonBox::Save);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancelar"));
        QCOMPARE(box.button(QDialogButtonBox::Save)->text(), QStringLiteral("Salvar"));

        QMessageBox mb(QMessageBox::Warning, QStringLiteral("Kelvora"), QStringLiteral("x"),
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(mb.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancelar"));
        QCOMPARE(mb.button(QMessageBox::Yes)->text(), QStringLiteral("&Sim"));
        QCOMPARE(mb.button(QMessageBox::No)->text(), QStringLiteral("&Não"));
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
