#include "edit_help_menus.h"

#include "language.h"
#include "table_copy.h"
#include "version.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kelvora {

namespace {

// The field or table that has the focus, for the menu's commands.
QWidget* focused() { return QApplication::focusWidget(); }

QTableView* focusedTable()
{
    for (QWidget* w = focused(); w; w = w->parentWidget())
        if (auto* t = qobject_cast<QTableView*>(w))
            return t;
    return nullptr;
}

QLineEdit* focusedEdit()
{
    QWidget* w = focused();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->lineEdit();
    return qobject_cast<QLineEdit*>(w);
}

void showGuide(QWidget* window)
{
    auto* guide = window->findChild<QTextBrowser*>(QStringLiteral("TBGuia"));
    QWidget* box = guide ? guide->window() : nullptr;
    if (!box) {
        box = new QWidget(window, Qt::Window);
        box->setObjectName(QStringLiteral("FGuia"));
        box->setWindowTitle(tx("Guia do usuário - Kelvora"));
        box->setAttribute(Qt::WA_QuitOnClose, false);
        guide = new QTextBrowser(box);
        guide->setObjectName(QStringLiteral("TBGuia"));
        guide->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(guide);
        box->resize(760, 620);
    }
    // In the language chosen now.
    guide->setMarkdown(userGuide());
    box->show();
    box->raise();
    box->activateWindow();
}

} // namespace

QString userGuide()
{
    QFile f(QStringLiteral(":/README.md"));
    if (!f.open(QIODevice::ReadOnly))
        return trNow("O guia do usuário não foi encontrado.");
    const QString readme = QString::fromUtf8(f.readAll());
    // From the guide's heading to the developers' part (in English, the
    // README's English part); pictures are left out (they live beside the
    // README, not in the program).
    const qsizetype from = readme.indexOf(installedLanguage() == Language::English
                                              ? QStringLiteral("## English")
                                              : QStringLiteral("## Guia do usuário"));
    qsizetype to = readme.indexOf(QStringLiteral("\n## "), from + 1);
    if (from < 0)
        return readme;
    QString guide = readme.mid(from, to < 0 ? -1 : to - from);
    guide.remove(QRegularExpression(QStringLiteral("!\\[[^\\]]*\\]\\([^)]*\\)")));
    return guide;
}

void addEditAndHelpMenus(QMenuBar* bar, QWidget* window)
{
    QMenu* edit = bar->addMenu(tx("&Editar"));
    edit->setObjectName(QStringLiteral("MenuEditar"));
    QAction* copy = edit->addAction(tx("&Copiar"));
    copy->setObjectName(QStringLiteral("ACopiar"));
    copy->setShortcut(QKeySequence::Copy);
    // A focused field or table handles the keys itself; the menu item works
    // on the same one.
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, window, [] {
        if (QTableView* t = focusedTable())
            copyTable(t);
        else if (QLineEdit* e = focusedEdit())
            e->hasSelectedText() ? e->copy() : void(QApplication::clipboard()->setText(e->text()));
    });
    QAction* all = edit->addAction(tx("Selecionar &tudo"));
    all->setObjectName(QStringLiteral("ASelecionarTudo"));
    all->setShortcut(QKeySequence::SelectAll);
    all->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(all, &QAction::triggered, window, [] {
        if (QTableView* t = focusedTable())
            t->selectAll();
        else if (QLineEdit* e = focusedEdit())
            e->selectAll();
    });

    QMenu* help = bar->addMenu(tx("Aj&uda"));
    help->setObjectName(QStringLiteral("MenuAjuda"));
    QAction* guide = help->addAction(tx("&Guia do usuário"));
    guide->setObjectName(QStringLiteral("AGuia"));
    guide->setShortcut(QKeySequence::HelpContents);
    QObject::connect(guide, &QAction::triggered, window, [window] { showGuide(window); });
    QAction* about = help->addAction(tx("&Sobre o Kelvora"));
    about->setObjectName(QStringLiteral("ASobre"));
    QObject::connect(about, &QAction::triggered, window, [window] {
        QMessageBox::about(window, trNow("Sobre o Kelvora"),
                           trNow("<b>Kelvora - Cálculo de Transformadores V%1</b><br><br>"
                                 "Transformadores de alimentação, de modulação, moduladores "
                                 "transistorizados e reatores de filtro, com a construção na "
                                 "bancada.<br><br>Programa gratuito (freeware), da equipe "
                                 "Kelvora. Todos os resultados devem ser conferidos antes da "
                                 "construção.")
                               .arg(QString::fromStdString(versionText())));
    });
}

} // namespace kelvora
