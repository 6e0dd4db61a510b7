#include "design_files.h"

#include "design_file_io.h"
#include "designs.h"
#include "language.h"
#include "version.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QTabWidget>

namespace kelvora {

namespace {

// "%1": the version.
const char* const Caption = QT_TRANSLATE_NOOP("kelvora", "Cálculo de Transformadores V%1");
const QString RecentKey = QStringLiteral("projetosRecentes");
const QStringList DesignFilters = {QStringLiteral("Projeto Kelvora (*.kelvora)"),
                                   QStringLiteral("Todos os arquivos (*)")};

QAction* addCommand(QMenu* menu, const QString& text, const char* name, QKeySequence keys)
{
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(keys);
    return a;
}

} // namespace

DesignFiles::DesignFiles(TFKelvora& window)
    : QObject(&window), w_(window),
      openDialog_(&window, "OpenProjeto", LazyFileDialog::Mode::Open, "kelvora", DesignFilters),
      saveDialog_(&window, "SaveProjeto", LazyFileDialog::Mode::Save, "kelvora", DesignFilters)
{
    bar_ = new QMenuBar(&window);
    bar_->setObjectName(QStringLiteral("MenuPrincipal"));
    QMenu* file = bar_->addMenu(QString::fromUtf8(QT_TRANSLATE_NOOP("kelvora", "&Arquivo")));
    file->setObjectName(QStringLiteral("MArquivo"));
    connect(addCommand(file, QString::fromUtf8(QT_TRANSLATE_NOOP("kelvora", "&Novo")), "ANovo",
                       Qt::CTRL | Qt::Key_N),
            &QAction::triggered, this, &DesignFiles::newDesign);
    connect(addCommand(file, QString::fromUtf8(QT_TRANSLATE_NOOP("kelvora", "&Abrir…")), "AAbrir",
                       Qt::CTRL | Qt::Key_O),
            &QAction::triggered, this, &DesignFiles::openDesign);
    connect(addCommand(file, QString::fromUtf8(QT_TRANSLATE_NOOP("kelvora", "&Salvar")), "ASalvar",
                       Qt::CTRL | Qt::Key_S),
            &QAction::triggered, this, &DesignFiles::save);
    connect(addCommand(file, QString::fromUtf8(QT_TRANSLATE_NOOP("kelvora", "Salvar &como…")),
                       "ASalvarComo", Qt::CTRL | Qt::SHIFT | Qt::Key_S),
            &QAction::triggered, this, &DesignFiles::saveAs);
    recent_ = file->addMenu(QString::fromUtf8(QT_TRANSLATE_NOOP("kelvora", "&Recentes")));
    recent_->setObjectName(QStringLiteral("MRecentes"));
    // Another running copy may have changed the list since.
    connect(recent_, &QMenu::aboutToShow, this, &DesignFiles::rebuildRecentMenu);
    file->addSeparator();
    connect(addCommand(file, QString::fromUtf8(QT_TRANSLATE_NOOP("kelvora", "Sa&ir")), "ASair",
                       Qt::CTRL | Qt::Key_Q),
            &QAction::triggered, &window, &QWidget::close);
    rebuildRecentMenu();
    connect(&LanguageChoice::instance(), &LanguageChoice::changed, this,
            &DesignFiles::updateCaption);

    question_ = [this](const QString& text) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Kelvora"), text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &w_);
        box.button(QMessageBox::Save)->setText(tr("Salvar"));
        box.button(QMessageBox::Discard)->setText(tr("Descartar"));
        box.button(QMessageBox::Cancel)->setText(tr("Cancelar"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Save:
            return Answer::Save;
        case QMessageBox::Discard:
            return Answer::Discard;
        default:
            return Answer::Cancel;
        }
    };
    message_ = [this](const QString& text) {
        QMessageBox::warning(&w_, QStringLiteral("Kelvora"), text);
    };
}

// ---- the menu's commands -------------------------------------------------------

void DesignFiles::newDesign()
{
    if (!settleChanges())
        return;
    apply(DesignInputs(w_.settings().decimalSeparator));
    path_.clear();
    markSaved();
}

void DesignFiles::openDesign()
{
    if (!settleChanges())
        return;
    QFileDialog* d = dialog(openDialog_);
    d->setWindowTitle(tr("Abrir projeto"));
    const QString path = w_.fileChooser_(d);
    if (!path.isEmpty())
        openFile(path);
}

bool DesignFiles::save() { return path_.isEmpty() ? saveAs() : writeTo(path_); }

bool DesignFiles::saveAs()
{
    QFileDialog* d = dialog(saveDialog_);
    d->setWindowTitle(tr("Salvar projeto como"));
    d->selectFile(path_.isEmpty() ? QStringLiteral("projeto.kelvora") : path_);
    const QString path = w_.fileChooser_(d);
    return !path.isEmpty() && writeTo(path);
}

void DesignFiles::openRecent(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        forgetRecent(path);
        message_(tr("O arquivo \"%1\" não existe mais e foi retirado da lista de "
                    "recentes.")
                     .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (settleChanges())
        openFile(path);
}

bool DesignFiles::openFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    DesignInputs inputs(w_.settings().decimalSeparator);
    try {
        // Read and checked whole before anything of the window changes.
        inputs = openDesignFile(absolute, w_.settings().decimalSeparator);
    } catch (const DesignFileError& e) {
        w_.reportError(QString::fromUtf8(e.what()));
        return false;
    }
    apply(inputs);
    // Back on the tab it was saved on.
    if (!inputs.tab.empty())
        for (int i = 0; i < w_.PageControl1->count(); ++i)
            if (w_.PageControl1->widget(i)->objectName() == QString::fromStdString(inputs.tab))
                w_.PageControl1->setCurrentIndex(i);
    path_ = absolute;
    markSaved();
    rememberRecent(absolute);
    return true;
}

bool DesignFiles::settleChanges()
{
    if (!modified_)
        return true;
    switch (question_(tr("Salvar alterações em \"%1\"?").arg(displayName()))) {
    case Answer::Save:
        return save();
    case Answer::Discard:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

bool DesignFiles::writeTo(const QString& path)
{
    readInputs();
    const std::string document = writeDesign(
        [this](std::string_view name) -> const Sheet* {
            SheetBinding* b = w_.bindingOf(name);
            return b ? &b->sheet() : &saved()[name];
        },
        w_.settings().decimalSeparator,
        w_.PageControl1->currentWidget()->objectName().toStdString());
    if (std::optional<QString> error = saveDesignFile(path, document)) {
        w_.reportError(*error); // the changes stay marked unsaved
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    markSaved();
    rememberRecent(path_);
    return true;
}

// ---- the window's inputs --------------------------------------------------------

void DesignFiles::readInputs()
{
    for (const StoredSheet& s : storedSheets())
        if (SheetBinding* b = w_.bindingOf(s.name))
            b->readInputs();
}

// Puts the inputs on the tabs, then recalculates every design as showing
// each tab would; the first calculation error ends it, as on activation.
void DesignFiles::apply(const DesignInputs& inputs)
{
    // Checking one radio button unchecks its neighbour, whose signal the
    // mirror does not block: reading the widgets then would take back texts
    // not yet mirrored.
    applying_ = true;
    for (const StoredSheet& s : storedSheets()) {
        if (SheetBinding* b = w_.bindingOf(s.name)) {
            copyInputs(inputs[s.name], b->sheet());
            b->mirror();
        } else {
            // No window holds these yet: kept for the one made later.
            copyInputs(inputs[s.name], saved()[s.name]);
        }
    }
    // The pi network keeps the plate voltage and current it was saved with
    // (the valve modulator's calculation, which it follows, comes first).
    w_.calcPiTakesRfStage();
    applying_ = false;
    w_.TAEnrolamentos();
    w_.SelConfigTM();
    for (const std::string& procedure : openingRecalculation())
        if (!w_.run(procedure))
            break;
}

// The inputs as they stand now (after any rewrite by the calculations) are
// the saved ones.
void DesignFiles::markSaved()
{
    readInputs();
    for (const StoredSheet& s : storedSheets())
        if (SheetBinding* b = w_.bindingOf(s.name))
            copyInputs(b->sheet(), saved()[s.name]);
    modified_ = false;
    updateCaption();
}

// Typing a text back to what was saved clears the mark again. Only the
// changed sheet's fields are read: every other binding already holds what its
// fields show (read on their own changes, mirrored after each calculation).
void DesignFiles::inputsChanged(std::string_view sheet)
{
    if (applying_)
        return;
    if (SheetBinding* b = w_.bindingOf(sheet))
        b->readInputs();
    bool modified = false;
    for (const StoredSheet& s : storedSheets())
        if (SheetBinding* b = w_.bindingOf(s.name))
            modified |= !sameInputs(b->sheet(), saved()[s.name]);
    if (modified != modified_) {
        modified_ = modified;
        updateCaption();
    }
}

void DesignFiles::watchInputs()
{
    for (const StoredSheet& s : storedSheets()) {
        SheetBinding* b = w_.bindingOf(s.name);
        if (!b || !b->root() || watched_.count(s.name))
            continue;
        watched_.insert(s.name);
        const auto changed = [this, name = s.name] { inputsChanged(name); };
        for (const ControlSpec& spec : s.controls) {
            if (!spec.input)
                continue;
            QWidget* w = b->root()->findChild<QWidget*>(QString::fromStdString(spec.name));
            if (auto* e = qobject_cast<QLineEdit*>(w))
                connect(e, &QLineEdit::textChanged, this, changed);
            else if (auto* c = qobject_cast<QComboBox*>(w); c && c->isEditable())
                connect(c, &QComboBox::currentTextChanged, this, changed);
            else if (c)
                connect(c, &QComboBox::currentIndexChanged, this, changed);
            else if (auto* r = qobject_cast<QAbstractButton*>(w))
                connect(r, &QAbstractButton::toggled, this, changed);
        }
    }
}

void DesignFiles::adopt(std::string_view sheet, const std::function<void()>& settle)
{
    SheetBinding* b = w_.bindingOf(sheet);
    if (!b)
        return;
    applying_ = true;
    copyInputs(saved()[sheet], b->sheet());
    b->mirror();
    if (settle) {
        settle();
        b->readInputs();
        copyInputs(b->sheet(), saved()[sheet]);
    }
    applying_ = false;
    watchInputs();
}

DesignInputs& DesignFiles::saved()
{
    if (!saved_)
        saved_.emplace(w_.settings().decimalSeparator);
    return *saved_;
}

// ---- caption, dialogs and the recent files --------------------------------------

QString DesignFiles::displayName() const
{
    return path_.isEmpty() ? tr("Sem título") : QFileInfo(path_).fileName();
}

void DesignFiles::updateCaption()
{
    QString caption = trNow(Caption).arg(QString::fromStdString(versionText()));
    if (!path_.isEmpty() || modified_)
        caption += QStringLiteral(" — ") + displayName()
                   + (modified_ ? QStringLiteral("*") : QString());
    w_.setWindowTitle(caption);
}

// Opened in the folder of the design on view.
QFileDialog* DesignFiles::dialog(LazyFileDialog& lazy)
{
    QFileDialog* d = lazy.dialog();
    if (!path_.isEmpty())
        d->setDirectory(QFileInfo(path_).absolutePath());
    return d;
}

QStringList DesignFiles::recentFiles() const { return QSettings().value(RecentKey).toStringList(); }

void DesignFiles::rememberRecent(const QString& path)
{
    QStringList list = recentFiles();
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > MaxRecent)
        list.removeLast();
    QSettings().setValue(RecentKey, list);
    rebuildRecentMenu();
    connect(&LanguageChoice::instance(), &LanguageChoice::changed, this,
            &DesignFiles::updateCaption);
}

void DesignFiles::forgetRecent(const QString& path)
{
    QStringList list = recentFiles();
    list.removeAll(path);
    QSettings().setValue(RecentKey, list);
    rebuildRecentMenu();
    connect(&LanguageChoice::instance(), &LanguageChoice::changed, this,
            &DesignFiles::updateCaption);
}

void DesignFiles::rebuildRecentMenu()
{
    recent_->clear();
    const QStringList list = recentFiles();
    for (int i = 0; i < list.size(); ++i) {
        const QString shown = QDir::toNativeSeparators(list[i]).replace(u'&', QStringLiteral("&&"));
        QAction* a = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        const QString path = list[i];
        // Queued: opening rebuilds this menu, which deletes the action still signalling.
        connect(
            a, &QAction::triggered, this, [this, path] { openRecent(path); }, Qt::QueuedConnection);
    }
    recent_->setEnabled(!list.isEmpty());
}

void DesignFiles::setUnsavedQuestion(std::function<Answer(const QString&)> question)
{
    question_ = std::move(question);
}

void DesignFiles::setMessageReporter(std::function<void(const QString&)> reporter)
{
    message_ = std::move(reporter);
}

} // namespace kelvora
