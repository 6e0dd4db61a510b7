// The "Arquivo" menu driven as the user drives it: the file dialogs, the
// unsaved-changes question and the notices answered through the window's hooks.
#include "ui_fixture.h"

#include "Uconstrucao.h"
#include "design_file.h"
#include "design_files.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <map>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString Caption = QStringLiteral("Cálculo de Transformadores V4.0 (beta)");

// What every named control of the tabs shows: text, item, check and colours
// (a hidden label may keep a text from long ago: it is not shown).
QStringList shown(TFKelvora& w)
{
    QStringList out;
    auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int i = 0; i < tabs->count(); ++i)
        for (QWidget* c : tabs->widget(i)->findChildren<QWidget*>()) {
            if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_"))
                || !c->isVisibleTo(tabs->widget(i)))
                continue;
            QString text;
            if (auto* l = qobject_cast<QLabel*>(c))
                text = l->text();
            else if (auto* e = qobject_cast<QLineEdit*>(c))
                text = e->text();
            else if (auto* b = qobject_cast<QComboBox*>(c)) // an editable one shows its text only
                text = b->currentText()
                       + (b->isEditable() ? QString() : u'#' + QString::number(b->currentIndex()));
            else if (auto* r = qobject_cast<QAbstractButton*>(c))
                text = r->isChecked() ? QStringLiteral("[x]") : QStringLiteral("[ ]");
            out << c->objectName() + u' ' + text + u' ' + shownBackground(c).name() + u' '
                       + shownFont(c).name();
        }
    out.sort();
    return out;
}

// The stored sheets on the main window's tabs (the pi network's and the
// construction windows' have tests of their own below).
std::vector<const StoredSheet*> windowSheets(const App& app)
{
    std::vector<const StoredSheet*> v;
    for (const StoredSheet& s : storedSheets())
        if (app.main->findChild<QWidget*>(QString::fromStdString(s.name)))
            v.push_back(&s);
    return v;
}

// The stored inputs only, as the widgets show them.
QStringList inputs(const App& app)
{
    QStringList out;
    for (const StoredSheet* s : windowSheets(app))
        for (const ControlSpec& spec : s->controls) {
            if (!spec.input)
                continue;
            QWidget* w = app.find(spec.name.c_str());
            QString v;
            if (auto* r = qobject_cast<QAbstractButton*>(w))
                v = r->isChecked() ? QStringLiteral("[x]") : QStringLiteral("[ ]");
            else if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable())
                v = c->currentText() + u'#' + QString::number(c->currentIndex());
            else
                v = app.text(spec.name.c_str());
            out << QString::fromStdString(spec.name) + u'=' + v;
        }
    return out;
}

// Every stored input away from its start-up state, typed or chosen as the
// user would: a number of its own in each field, the last item of each list,
// the last button of each radio group.
void changeEveryInput(const App& app)
{
    int n = 0;
    for (const StoredSheet* s : windowSheets(app)) {
        app.showTab(s->name.c_str());
        std::map<std::string, std::string> lastOfGroup;
        for (const ControlSpec& spec : s->controls) {
            if (!spec.input)
                continue;
            if (spec.kind == Kind::Edit || spec.kind == Kind::Combo)
                app.type(spec.name.c_str(), QString::number(++n + 1));
            else if (spec.kind == Kind::List)
                app.find<QComboBox>(spec.name.c_str())->setCurrentIndex(int(spec.items.size()) - 1);
            else if (spec.kind == Kind::Radio)
                lastOfGroup[spec.group] = spec.name;
        }
        for (const auto& [group, name] : lastOfGroup)
            QTest::mouseClick(app.find<QAbstractButton>(name.c_str()), Qt::LeftButton);
    }
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A window whose dialogs and questions are answered by the test.
struct Session {
    explicit Session(char separator = ',') : app(separator)
    {
        app.main->setFileChooser([this](QFileDialog* d) {
            dialogs << d->objectName();
            return chooser.isEmpty() ? QString() : chooser.takeFirst();
        });
        files().setUnsavedQuestion([this](const QString& q) {
            questions << q;
            return answer;
        });
        files().setMessageReporter([this](const QString& m) { messages << m; });
    }
    DesignFiles& files() { return app.main->designFiles(); }
    QAction* action(const char* name) { return app.main->findChild<QAction*>(QLatin1String(name)); }

    App app;
    QStringList chooser;   // the paths the next file dialogs return ("" cancels)
    QStringList dialogs;   // the dialogs shown
    QStringList questions; // the unsaved-changes questions asked
    QStringList messages;
    DesignFiles::Answer answer = DesignFiles::Answer::Cancel;
};

} // namespace

class TestDesignFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void menuHasTheCommandsAndTheirShortcuts();
    void everyInputOfEveryTabComesBackThroughAFile();
    void numbersTypedWithACommaOpenWhereTheSeparatorIsAPoint();
    void aBadFileLeavesTheWindowAsItWas_data();
    void aBadFileLeavesTheWindowAsItWas();
    void unsavedChangesQuestionAnsweredEachWay();
    void closingTheWindowAsksToo();
    void aFailedSaveSaysWhyAndKeepsTheChangesUnsaved();
    void captionNamesTheFileAndMarksChanges();
    void aChangeStaysMarkedWhileAnotherTabIsTypedBack();
    void recentFilesKeepTheLastEightAndDropMissingOnes();
    void shortcutsRunTheCommands();
    void fileOpenedBeforeThePagesAreBuiltShowsOnThem();
    void constructionSettingsTravelInTheFile();
    void piNetworkTravelsInTheFile();
    void piNetworkOpenedBeforeItsWindowIsMadeReachesIt();

private:
    QTemporaryDir tmp_;
};

void TestDesignFiles::initTestCase()
{
    // The recent files go to this run's own folder, never to the user's
    // settings nor to another run of the same test at the same time.
    QVERIFY(tmp_.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, tmp_.filePath("settings"));
    QCoreApplication::setOrganizationName(QStringLiteral("KelvoraTeste"));
    QCoreApplication::setApplicationName(QStringLiteral("test_ui_design_files"));
    QVERIFY2(QSettings().fileName().startsWith(tmp_.path()), qPrintable(QSettings().fileName()));
}

void TestDesignFiles::init() { QSettings().remove(QStringLiteral("projetosRecentes")); }

void TestDesignFiles::menuHasTheCommandsAndTheirShortcuts()
{
    Session s;
    auto* bar = s.app.find<QMenuBar>("MenuPrincipal");
    // "Arquivo", then "Editar", "Idioma / Language" and "Ajuda".
    QCOMPARE(bar->actions().size(), 4);
    QCOMPARE(bar->actions()[0]->text().remove(u'&'), QStringLiteral("Arquivo"));
    QCOMPARE(bar->actions()[1]->text().remove(u'&'), QStringLiteral("Editar"));
    QCOMPARE(bar->actions()[2]->text().remove(u'&'), QStringLiteral("Idioma / Language"));
    QCOMPARE(bar->actions()[3]->text().remove(u'&'), QStringLiteral("Ajuda"));
    auto* menu = s.app.find<QMenu>("MArquivo");
    QStringList items;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            items << a->text().remove(u'&') + u'|' + a->shortcut().toString();
    QCOMPARE(items, (QStringList{"Novo|Ctrl+N", "Abrir…|Ctrl+O", "Salvar|Ctrl+S",
                                 "Salvar como…|Ctrl+Shift+S", "Recentes|", "Sair|Ctrl+Q"}));
    // Nothing opened yet: an empty list of recent files.
    QVERIFY(!s.app.find<QMenu>("MRecentes")->isEnabled());
}

void TestDesignFiles::everyInputOfEveryTabComesBackThroughAFile()
{
    const QString path = tmp_.filePath(QStringLiteral("todos.kelvora"));
    QStringList saved, results;
    {
        Session a;
        const QStringList startUp = inputs(a.app);
        changeEveryInput(a.app);
        saved = inputs(a.app);
        QCOMPARE(saved.size(), startUp.size());
        // Every field and list changed (of a radio group, only the button chosen).
        for (int i = 0; i < saved.size(); ++i)
            QVERIFY2(saved[i] != startUp[i] || saved[i].endsWith(QLatin1String("[ ]")),
                     qPrintable(saved[i]));
        a.chooser << path;
        QVERIFY(a.files().save()); // untitled: asks for a name
        QCOMPARE(a.dialogs, QStringList{"SaveProjeto"});
        // Every design recalculated with the settings typed last.
        for (const char* tab : {"TTrafoAlim", "TModValvul", "TModTransis", "TReatorFiltro"})
            a.app.showTab(tab);
        results = shown(*a.app.main);
    }
    Session b;
    b.chooser << path;
    b.action("AAbrir")->trigger();
    QCOMPARE(b.dialogs, QStringList{"OpenProjeto"});
    QCOMPARE(inputs(b.app), saved);
    // Opening recalculates: the tabs show what the saved window showed.
    b.app.showTab("TReatorFiltro");
    QCOMPARE(shown(*b.app.main), results);
    QVERIFY(!b.files().isModified());
    QCOMPARE(b.files().currentFile(), path);
}

void TestDesignFiles::numbersTypedWithACommaOpenWhereTheSeparatorIsAPoint()
{
    const QString path = tmp_.filePath(QStringLiteral("virgula.kelvora"));
    {
        Session comma(',');
        comma.app.showTab("TTrafoAlim");
        comma.app.type("EFo", QStringLiteral("62,5"));
        comma.app.type("EVs2", QStringLiteral("12.5")); // not a number with a comma
        comma.app.showTab("TReatorFiltro");
        comma.app.type("ERFLr", QStringLiteral("12,5"));
        comma.chooser << path;
        QVERIFY(comma.files().saveAs());
    }
    QVERIFY(readAll(path).contains("\"separadorDecimal\": \",\""));
    Session point('.');
    QVERIFY(point.files().openFile(path));
    point.app.showTab("TTrafoAlim");
    QCOMPARE(point.app.text("EFo"), QStringLiteral("62.5"));
    QCOMPARE(point.app.text("EVs2"), QStringLiteral("12.5"));
    point.app.showTab("TReatorFiltro");
    QCOMPARE(point.app.text("ERFLr"), QStringLiteral("12.5"));
    // 12.5 H at the start-up 200 mA: 12.5 * 0.2^2 = 0.5 H*A^2, the same design.
    QCOMPARE(point.app.text("LRFLI2"), QStringLiteral("0.500 H*A^2"));
    QVERIFY(point.app.errors.isEmpty());
}

void TestDesignFiles::aBadFileLeavesTheWindowAsItWas_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("why");
    const QByteArray head =
        "{\"formato\": \"kelvora-projeto\", \"versao\": 1, \"separadorDecimal\": \",\", ";
    QTest::newRow("não é JSON")
        << QByteArray("<html>") << "o conteúdo não é JSON válido (erro no byte 1)";
    QTest::newRow("outro formato")
        << QByteArray("{\"formato\": \"planilha\", \"versao\": 1}")
        << "o arquivo não é um projeto do Kelvora (formato diferente de \"kelvora-projeto\")";
    QTest::newRow("versão mais nova")
        << QByteArray("{\"formato\": \"kelvora-projeto\", \"versao\": 2}")
        << "o arquivo é da versão 2 do formato, mais nova que a 1 que este programa lê; abra-o "
           "com uma versão mais nova do Kelvora";
    // Each of these changes a field of an earlier sheet first: nothing of it may show.
    QTest::newRow("tipo errado")
        << head + "\"folhas\": {\"TTrafoAlim\": {\"EFo\": \"77\"}, \"TAjustes\": {\"CBSigma\": 4}}}"
        << "o valor de CBSigma (folha TAjustes) deve ser um texto entre aspas";
    QTest::newRow("texto longo")
        << head
               + "\"folhas\": {\"TTrafoAlim\": {\"EFo\": \"77\"}, \"TModValvul\": {\"EPaMod\": "
                 "\"12345\"}}}"
        << "o texto de EPaMod (folha TModValvul) tem 5 caracteres; o campo aceita no máximo 4";
    QTest::newRow("controle desconhecido")
        << head
               + "\"folhas\": {\"TTrafoAlim\": {\"EFo\": \"77\"}, \"TReatorFiltro\": {\"ERFXx\": "
                 "\"1\"}}}"
        << "controle desconhecido na folha TReatorFiltro: \"ERFXx\"";
    QTest::newRow("50 MB")
        << QByteArray() << "o arquivo tem 52428800 bytes, mais que o limite de 1 MB de um projeto";
}

void TestDesignFiles::aBadFileLeavesTheWindowAsItWas()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, why);
    const QString path = tmp_.filePath(QStringLiteral("ruim.kelvora"));
    if (bytes.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(50LL * 1024 * 1024)); // sparse: no 50 MB written
    } else {
        write(path, bytes);
    }
    Session s;
    s.app.showTab("TTrafoAlim");
    s.app.type("EVs1", QStringLiteral("300"));
    const QStringList before = shown(*s.app.main);
    const QString caption = s.app.main->windowTitle();
    s.answer = DesignFiles::Answer::Discard;
    s.chooser << path;
    s.action("AAbrir")->trigger();
    QCOMPARE(s.app.errors,
             QStringList{
                 QStringLiteral("Não foi possível abrir o projeto \"%1\": %2.").arg(path, why)});
    QCOMPARE(shown(*s.app.main), before);
    QCOMPARE(s.app.main->windowTitle(), caption);
    QVERIFY(s.files().isModified());
    QCOMPARE(s.files().currentFile(), QString());
    QVERIFY(s.files().recentFiles().isEmpty());
    QFile::remove(path);
}

void TestDesignFiles::unsavedChangesQuestionAnsweredEachWay()
{
    const QString path = tmp_.filePath(QStringLiteral("pergunta.kelvora"));
    Session s;
    s.app.showTab("TTrafoAlim");
    // No change: "Novo" asks nothing.
    s.action("ANovo")->trigger();
    QVERIFY(s.questions.isEmpty());

    s.app.type("EFo", QStringLiteral("50"));
    s.answer = DesignFiles::Answer::Cancel;
    s.action("ANovo")->trigger();
    QCOMPARE(s.questions, QStringList{"Salvar alterações em \"Sem título\"?"});
    QCOMPARE(s.app.text("EFo"), QStringLiteral("50"));
    QVERIFY(s.files().isModified());

    // Salvar on an untitled design asks for a name; cancelling that keeps everything.
    s.answer = DesignFiles::Answer::Save;
    s.chooser << QString();
    s.action("ANovo")->trigger();
    QCOMPARE(s.dialogs, QStringList{"SaveProjeto"});
    QCOMPARE(s.app.text("EFo"), QStringLiteral("50"));

    // Salvar with a name: the file is written, then the new design starts.
    s.chooser << path;
    s.action("ANovo")->trigger();
    QVERIFY(readAll(path).contains("\"EFo\": \"50\""));
    QCOMPARE(s.app.text("EFo"), QStringLiteral("60"));
    QCOMPARE(s.app.text("LFo"), QStringLiteral("60")); // recalculated
    QVERIFY(!s.files().isModified());
    QCOMPARE(s.files().currentFile(), QString());

    // Descartar: opened over the changes, which are gone.
    s.app.type("EFo", QStringLiteral("400"));
    s.answer = DesignFiles::Answer::Discard;
    s.questions.clear();
    s.chooser << path;
    s.action("AAbrir")->trigger();
    QCOMPARE(s.questions, QStringList{"Salvar alterações em \"Sem título\"?"});
    QCOMPARE(s.app.text("EFo"), QStringLiteral("50"));
    QVERIFY(!readAll(path).contains("\"EFo\": \"400\""));

    // Cancelar before "Abrir": no dialog at all.
    s.app.type("EFo", QStringLiteral("70"));
    s.answer = DesignFiles::Answer::Cancel;
    s.dialogs.clear();
    s.action("AAbrir")->trigger();
    QVERIFY(s.dialogs.isEmpty());
    QCOMPARE(s.questions.last(), QStringLiteral("Salvar alterações em \"pergunta.kelvora\"?"));
    QCOMPARE(s.app.text("EFo"), QStringLiteral("70"));
}

void TestDesignFiles::closingTheWindowAsksToo()
{
    Session s;
    s.app.showTab("TReatorFiltro");
    s.app.type("ERFLr", QStringLiteral("20"));
    s.answer = DesignFiles::Answer::Cancel;
    QVERIFY(!s.app.main->close());
    QVERIFY(s.app.main->isVisible());
    QCOMPARE(s.questions.size(), 1);
    s.answer = DesignFiles::Answer::Discard;
    QVERIFY(s.app.main->close());
    QVERIFY(!s.app.main->isVisible());
    QCOMPARE(s.questions.size(), 2);
}

void TestDesignFiles::aFailedSaveSaysWhyAndKeepsTheChangesUnsaved()
{
    const QString path = tmp_.filePath(QStringLiteral("falta/p.kelvora"));
    Session s;
    s.app.showTab("TReatorFiltro");
    s.app.type("ERFLr", QStringLiteral("20"));
    s.chooser << path;
    s.answer = DesignFiles::Answer::Save;
    QVERIFY(!s.app.main->close()); // Salvar failed: the window stays
    QVERIFY(s.app.main->isVisible());
    QCOMPARE(s.app.errors.size(), 1);
    QVERIFY2(s.app.errors[0].startsWith(QStringLiteral("Não foi possível gravar o projeto no "
                                                       "arquivo \"%1\": a pasta não existe")
                                            .arg(path)),
             qPrintable(s.app.errors[0]));
    QVERIFY(s.files().isModified());
    QCOMPARE(s.app.main->windowTitle(), Caption + QStringLiteral(" — Sem título*"));
    QVERIFY(!QFile::exists(path));
}

void TestDesignFiles::captionNamesTheFileAndMarksChanges()
{
    const QString path = tmp_.filePath(QStringLiteral("titulo.kelvora"));
    Session s;
    QCOMPARE(s.app.main->windowTitle(), Caption);
    s.app.showTab("TModValvul");
    s.app.type("EPaMod", QStringLiteral("75"));
    QCOMPARE(s.app.main->windowTitle(), Caption + QStringLiteral(" — Sem título*"));
    s.chooser << path;
    QVERIFY(s.files().save());
    QCOMPARE(s.app.main->windowTitle(), Caption + QStringLiteral(" — titulo.kelvora"));
    // A choice counts as a change; choosing back clears the mark.
    auto* sel = s.app.find<QComboBox>("CBSelTM");
    sel->setCurrentIndex(1);
    QCOMPARE(s.app.main->windowTitle(), Caption + QStringLiteral(" — titulo.kelvora*"));
    sel->setCurrentIndex(0);
    QCOMPARE(s.app.main->windowTitle(), Caption + QStringLiteral(" — titulo.kelvora"));
    QTest::mouseClick(s.app.find<QAbstractButton>("RBMuitoCons"), Qt::LeftButton);
    QCOMPARE(s.app.main->windowTitle(), Caption + QStringLiteral(" — titulo.kelvora*"));
    QVERIFY(s.files().save()); // a name already: no dialog
    QCOMPARE(s.dialogs.size(), 1);
    QCOMPARE(s.app.main->windowTitle(), Caption + QStringLiteral(" — titulo.kelvora"));
    // The settings tab is part of the design.
    s.app.showTab("TAjustes");
    s.app.type("CBSigma", QStringLiteral("4"));
    QCOMPARE(s.app.main->windowTitle(), Caption + QStringLiteral(" — titulo.kelvora*"));
    s.answer = DesignFiles::Answer::Discard;
    s.action("ANovo")->trigger();
    QCOMPARE(s.app.main->windowTitle(), Caption);
}

// Each key reads its own tab only: what another tab changed is still seen.
void TestDesignFiles::aChangeStaysMarkedWhileAnotherTabIsTypedBack()
{
    Session s;
    s.app.showTab("TModValvul");
    const QString paMod = s.app.find<QLineEdit>("EPaMod")->text();
    s.app.type("EPaMod", QStringLiteral("75"));
    s.app.showTab("TReatorFiltro");
    s.app.type("ERFLr", QStringLiteral("12"));
    s.app.type("ERFLr", QStringLiteral("10"));
    QCOMPARE(s.app.main->windowTitle(), Caption + QStringLiteral(" — Sem título*"));
    s.app.showTab("TModValvul");
    s.app.type("EPaMod", paMod);
    QCOMPARE(s.app.main->windowTitle(), Caption);
}

void TestDesignFiles::recentFilesKeepTheLastEightAndDropMissingOnes()
{
    Session s;
    QStringList paths;
    for (int i = 1; i <= 10; ++i) {
        paths.prepend(tmp_.filePath(QStringLiteral("r%1.kelvora").arg(i)));
        s.chooser << paths.first();
        QVERIFY(s.files().saveAs());
    }
    QCOMPARE(s.files().recentFiles(), paths.mid(0, 8));
    // Opening one brings it to the top; the menu lists them in that order.
    QVERIFY(s.files().openFile(paths[5]));
    QStringList expected = paths.mid(0, 8);
    expected.move(5, 0);
    QCOMPARE(s.files().recentFiles(), expected);
    auto* menu = s.app.find<QMenu>("MRecentes");
    QVERIFY(menu->isEnabled());
    QCOMPARE(menu->actions().size(), 8);
    QCOMPARE(menu->actions()[0]->text(), QStringLiteral("&1 ") + paths[5]);
    QCOMPARE(menu->actions()[7]->text(), QStringLiteral("&8 ") + expected[7]);

    // A file gone from the disk: a message, and out of the list.
    QVERIFY(QFile::remove(expected[2]));
    menu->actions()[2]->trigger();
    QTRY_COMPARE(s.messages.size(), 1);
    QCOMPARE(s.messages[0], QStringLiteral("O arquivo \"%1\" não existe mais e foi retirado da "
                                           "lista de recentes.")
                                .arg(expected[2]));
    QCOMPARE(s.files().currentFile(), paths[5]);
    expected.removeAt(2);
    QCOMPARE(s.files().recentFiles(), expected);
    QCOMPARE(menu->actions().size(), 7);
    // Another one opens from the menu.
    menu->actions()[1]->trigger();
    QTRY_COMPARE(s.files().currentFile(), expected[1]);
    QCOMPARE(s.files().recentFiles().first(), s.files().currentFile());
}

void TestDesignFiles::shortcutsRunTheCommands()
{
    const QString path = tmp_.filePath(QStringLiteral("atalho.kelvora"));
    Session s;
    s.app.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.app.main.get()));
    s.app.showTab("TReatorFiltro");
    s.app.type("ERFIr", QStringLiteral("300"));
    s.chooser << path;
    QTest::keyClick(s.app.find("ERFIr"), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(s.dialogs, QStringList{"SaveProjeto"});
    QVERIFY(readAll(path).contains("\"ERFIr\": \"300\""));
    s.app.type("ERFIr", QStringLiteral("400"));
    s.answer = DesignFiles::Answer::Discard;
    QTest::keyClick(s.app.find("ERFIr"), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(s.questions.size(), 1);
    QCOMPARE(s.app.text("ERFIr"), QStringLiteral("200"));
    s.chooser << path;
    QTest::keyClick(s.app.find("ERFIr"), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(s.app.text("ERFIr"), QStringLiteral("300"));
    s.chooser << tmp_.filePath(QStringLiteral("atalho2.kelvora"));
    QTest::keyClick(s.app.find("ERFIr"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(s.files().currentFile(), tmp_.filePath(QStringLiteral("atalho2.kelvora")));
}

// `kelvora FILE` opens the file before the later pages exist (they are built
// after the first frame); they must show it once built.
void TestDesignFiles::fileOpenedBeforeThePagesAreBuiltShowsOnThem()
{
    const QString path = tmp_.filePath(QStringLiteral("inicio.kelvora"));
    DesignInputs design;
    design["TTrafoAlim"]["EFo"].text = "50";
    design["TTrafoAlim"]["CNumSec"].itemIndex = 4;
    design["TTrafoAlim"]["CNumSec"].text = "5";
    design["TTrafoAlim"]["RBNucleoE"].checked = false;
    design["TTrafoAlim"]["RBNucleoU"].checked = true;
    design["TModValvul"]["CBSelTM"].text = "Reator (RCA)";
    write(path, QByteArray::fromStdString(writeDesign(design, ',')));

    TFKelvora lazy(nullptr, TFKelvora::Pages::AfterFirstPaint);
    lazy.setDecimalSeparator(',');
    QStringList errors;
    lazy.setErrorReporter([&](const QString& m) { errors << m; });
    QVERIFY(!lazy.pagesBuilt());
    QVERIFY(lazy.designFiles().openFile(path));
    QSignalSpy built(&lazy, &TFKelvora::allPagesBuilt);
    lazy.show();
    QVERIFY(built.wait(5000) || lazy.pagesBuilt());
    auto text = [&](const char* n) { return lazy.findChild<QLineEdit*>(QLatin1String(n))->text(); };
    QCOMPARE(text("EFo"), QStringLiteral("50"));
    QCOMPARE(lazy.findChild<QComboBox*>(QStringLiteral("CNumSec"))->currentText(),
             QStringLiteral("5"));
    QVERIFY(lazy.findChild<QAbstractButton*>(QStringLiteral("RBNucleoU"))->isChecked());
    QCOMPARE(lazy.findChild<QComboBox*>(QStringLiteral("CBSelTM"))->currentText(),
             QStringLiteral("Reator (RCA)"));
    QVERIFY(!lazy.findChild<QWidget*>(QStringLiteral("PSec5"))->isHidden());
    QVERIFY(!lazy.designFiles().isModified());
    QCOMPARE(lazy.windowTitle(), Caption + QStringLiteral(" — inicio.kelvora"));
    QVERIFY(errors.isEmpty());
    // Typing on a page built later is tracked like any other.
    auto* efo = lazy.findChild<QLineEdit*>(QStringLiteral("EFo"));
    efo->setText(QStringLiteral("55"));
    QVERIFY(lazy.designFiles().isModified());
    lazy.hide();
}

// The construction settings are kept with the design: typed in the window,
// saved, opened where the separator is a point (the window made afterwards
// takes them), and saved again by a window that never made it.
void TestDesignFiles::constructionSettingsTravelInTheFile()
{
    const QString first = tmp_.filePath(QStringLiteral("construcao.kelvora"));
    const QString second = tmp_.filePath(QStringLiteral("construcao2.kelvora"));
    {
        Session comma(',');
        comma.app.showTab("TTrafoAlim");
        comma.app.main->showConstrucao("TTrafoAlim");
        TFConstrucao* w = comma.app.main->construcao();
        QVERIFY(w);
        QVERIFY(!comma.files().isModified()); // the window's defaults are no change
        auto* tamb = w->findChild<QLineEdit*>(QStringLiteral("ECoTamb"));
        QVERIFY(tamb);
        tamb->selectAll();
        QTest::keyClicks(tamb, QStringLiteral("30"));
        QVERIFY(comma.files().isModified());
        comma.chooser << first;
        QVERIFY(comma.files().saveAs());
        w->hide();
    }
    const QByteArray saved = readAll(first);
    QVERIFY(saved.contains("\"ECoTamb\": \"30\""));
    QVERIFY(saved.contains("\"ECoEmpil\": \"0,95\""));
    {
        Session point('.');
        QVERIFY(point.files().openFile(first));
        point.chooser << second;
        QVERIFY(point.files().saveAs()); // the window was never made
        QVERIFY(!point.app.main->construcao());
        point.app.main->showConstrucao("TTrafoAlim");
        TFConstrucao* w = point.app.main->construcao();
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("ECoTamb"))->text(), QStringLiteral("30"));
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("ECoEmpil"))->text(),
                 QStringLiteral("0.95"));
        QCOMPARE(w->settingsSheet()["ECoEmpil"].background, Colour::Window);
        QVERIFY(!point.files().isModified());
        w->hide();
    }
    const QByteArray again = readAll(second);
    QVERIFY(again.contains("\"ECoTamb\": \"30\""));
    QVERIFY(again.contains("\"ECoEmpil\": \"0.95\""));
}

namespace {
QLineEdit* piEdit(const App& app, const char* name)
{
    return app.calcPi->findChild<QLineEdit*>(QString::fromLatin1(name));
}
QString piText(const App& app, const char* name)
{
    if (auto* l = app.calcPi->findChild<QLabel*>(QString::fromLatin1(name)))
        return l->text();
    return piEdit(app, name)->text();
}
void typeInPi(const App& app, const char* name, const QString& text)
{
    QLineEdit* e = piEdit(app, name);
    e->selectAll();
    QTest::keyClicks(e, text);
}
} // namespace

// The pi network is part of the design: what is typed in its window marks the
// design changed, is saved, and comes back on opening, its results
// recalculated; the plate voltage typed there stays until the valve
// modulator tab's own one changes.
void TestDesignFiles::piNetworkTravelsInTheFile()
{
    const QString path = tmp_.filePath(QStringLiteral("pi.kelvora"));
    QString c1;
    {
        Session a;
        // Its first calculation fills the frequency from the band: no change.
        QVERIFY(!piText(a.app, "EPiFreq").isEmpty());
        QVERIFY(!a.files().isModified());
        typeInPi(a.app, "EPiQ", QStringLiteral("15"));
        QVERIFY(a.files().isModified());
        typeInPi(a.app, "EPiQ", QStringLiteral("12")); // back to the saved text
        QVERIFY(!a.files().isModified());
        typeInPi(a.app, "EPiQ", QStringLiteral("15"));
        // The tab's plate voltage, which the window follows, then one of its own.
        a.app.showTab("TModValvul");
        a.app.type("EEbrf", QStringLiteral("2000"));
        QCOMPARE(piText(a.app, "EPiEb"), QStringLiteral("2000"));
        typeInPi(a.app, "EPiEb", QStringLiteral("1500"));
        c1 = piText(a.app, "LPiC1");
        a.chooser << path;
        QVERIFY(a.files().saveAs());
        QVERIFY(!a.files().isModified());
    }
    const QByteArray saved = readAll(path);
    QVERIFY(saved.contains("\"EPiQ\": \"15\""));
    QVERIFY(saved.contains("\"EPiEb\": \"1500\""));
    QVERIFY(saved.contains("\"EEbrf\": \"2000\""));

    Session b;
    const QString startUpC1 = piText(b.app, "LPiC1");
    QVERIFY(startUpC1 != c1);
    QVERIFY(b.files().openFile(path));
    QCOMPARE(piText(b.app, "EPiQ"), QStringLiteral("15"));
    QCOMPARE(piText(b.app, "EPiEb"), QStringLiteral("1500"));
    QCOMPARE(piText(b.app, "LPiC1"), c1);
    QVERIFY(!b.files().isModified());
    // Opening the window from the tab keeps the file's plate voltage ...
    b.app.showTab("TModValvul");
    QTest::mouseClick(b.app.find<QPushButton>("BCircuitoPI"), Qt::LeftButton);
    QCOMPARE(piText(b.app, "EPiEb"), QStringLiteral("1500"));
    QVERIFY(!b.files().isModified());
    // ... until the tab's own changes.
    b.app.type("EEbrf", QStringLiteral("2500"));
    QTest::mouseClick(b.app.find<QPushButton>("BCircuitoPI"), Qt::LeftButton);
    QCOMPARE(piText(b.app, "EPiEb"), QStringLiteral("2500"));
    // "Novo" puts the window back to its start-up inputs and results.
    b.answer = DesignFiles::Answer::Discard;
    b.files().newDesign();
    QCOMPARE(piText(b.app, "EPiQ"), QStringLiteral("12"));
    QCOMPARE(piText(b.app, "LPiC1"), startUpC1);
    QVERIFY(!b.files().isModified());
    b.app.calcPi->hide();
}

// A file named at start-up is opened before the secondary windows are made:
// the pi network's window takes its inputs when it is attached.
void TestDesignFiles::piNetworkOpenedBeforeItsWindowIsMadeReachesIt()
{
    const QString path = tmp_.filePath(QStringLiteral("pi-inicio.kelvora"));
    DesignInputs design;
    design["FCalcPI"]["EPiQ"].text = "9";
    design["FCalcPI"]["EPiR2"].text = "75";
    write(path, QByteArray::fromStdString(writeDesign(design, ',')));

    TFKelvora main;
    main.setDecimalSeparator(',');
    QStringList errors;
    main.setErrorReporter([&](const QString& m) { errors << m; });
    QVERIFY(main.designFiles().openFile(path));
    TFCalcPI pi;
    main.attach(nullptr, &pi, nullptr);
    QCOMPARE(pi.findChild<QLineEdit*>(QStringLiteral("EPiQ"))->text(), QStringLiteral("9"));
    QCOMPARE(pi.findChild<QLineEdit*>(QStringLiteral("EPiR2"))->text(), QStringLiteral("75"));
    QVERIFY(!main.designFiles().isModified());
    QVERIFY(errors.isEmpty());
    // Saved again, the file keeps them.
    main.setFileChooser([&](QFileDialog*) { return path; });
    QVERIFY(main.designFiles().save());
    QVERIFY(readAll(path).contains("\"EPiR2\": \"75\""));
    main.attach(nullptr, nullptr, nullptr);
}

QTEST_MAIN(TestDesignFiles)
#include "test_design_files.moc"
