// The file dialogs made on first use: none before the first question, one
// and the same dialog for every question after, set up for its kind of file,
// and the name chosen once offered again.
#include "file_dialog.h"

#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QWidget>

using namespace kelvora;

class TestFileDialog : public QObject {
    Q_OBJECT
private slots:
    void madeOnFirstUseAndReused();
    void offersTheNameUntilOneIsChosen();
};

void TestFileDialog::madeOnFirstUseAndReused()
{
    QWidget window;
    LazyFileDialog lazy(&window, "OpenProjeto", LazyFileDialog::Mode::Open, "kelvora",
                        {QStringLiteral("Projeto Kelvora (*.kelvora)"),
                         QStringLiteral("Todos os arquivos (*)")});
    QVERIFY(window.findChildren<QFileDialog*>().isEmpty());
    QList<QFileDialog*> asked;
    const FileChooser chooser = [&](QFileDialog* d) {
        asked << d;
        return QString();
    };
    QCOMPARE(lazy.choose(chooser, QStringLiteral("Abrir projeto"), QString()), QString());
    QCOMPARE(lazy.choose(chooser, QStringLiteral("Abrir projeto"), QString()), QString());
    QCOMPARE(window.findChildren<QFileDialog*>().size(), 1);
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[0], asked[1]);
    QCOMPARE(lazy.dialog(), asked[0]);
    QFileDialog* d = asked[0];
    QCOMPARE(d->objectName(), QStringLiteral("OpenProjeto"));
    QCOMPARE(d->windowTitle(), QStringLiteral("Abrir projeto"));
    QCOMPARE(d->acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(d->fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(d->defaultSuffix(), QStringLiteral("kelvora"));
    QCOMPARE(d->nameFilters(), (QStringList{QStringLiteral("Projeto Kelvora (*.kelvora)"),
                                            QStringLiteral("Todos os arquivos (*)")}));
    QVERIFY(d->testOption(QFileDialog::DontUseNativeDialog));
}

void TestFileDialog::offersTheNameUntilOneIsChosen()
{
    QWidget window;
    LazyFileDialog lazy(&window, "SaveTA", LazyFileDialog::Mode::Save, "txt", {textFileFilter()});
    QStringList offered;
    QString answer;
    const FileChooser chooser = [&](QFileDialog* d) {
        offered << QFileInfo(d->selectedFiles().value(0)).fileName();
        return answer;
    };
    lazy.choose(chooser, QStringLiteral("Salva"), QStringLiteral("Trafo_alimentacao"));
    // Cancelled: the name is offered again, as the caller now gives it.
    lazy.choose(chooser, QStringLiteral("Salva"), QStringLiteral("projeto_Trafo_alimentacao"));
    answer = QDir::temp().filePath(QStringLiteral("meu_trafo.txt"));
    QCOMPARE(lazy.choose(chooser, QStringLiteral("Salva"), QStringLiteral("Trafo_alimentacao")),
             answer);
    answer.clear();
    lazy.choose(chooser, QStringLiteral("Salva"), QStringLiteral("Trafo_alimentacao"));
    QCOMPARE(offered, (QStringList{QStringLiteral("Trafo_alimentacao.txt"),
                                   QStringLiteral("projeto_Trafo_alimentacao.txt"),
                                   QStringLiteral("Trafo_alimentacao.txt"),
                                   QStringLiteral("meu_trafo.txt")}));
    QCOMPARE(lazy.dialog()->acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(lazy.dialog()->fileMode(), QFileDialog::AnyFile);
    QCOMPARE(lazy.dialog()->nameFilters(), QStringList{QStringLiteral("Arquivo Texto (*.txt)")});
}

QTEST_MAIN(TestFileDialog)
#include "test_file_dialog.moc"
