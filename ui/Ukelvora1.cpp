#include "Ukelvora1.h"

#include "Ucalcpi.h"
#include "Ucalcreator.h"
#include "Uconstrucao.h"
#include "Ufonte.h"
#include "Unucleo.h"
#include "ajustes.h"
#include "construction_summary.h"
#include "design_files.h"
#include "designs.h"
#include "edit_help_menus.h"
#include "form_helpers.h"
#include "keyboard.h"
#include "language.h"
#include "picture.h"
#include "recalculation.h"
#include "report_file.h"
#include "scroll_window.h"
#include "sugestoes_nucleo.h"
#include "tab_builders.h"
#include "table_copy.h"
#include "tooltips.h"
#include "translations.h"
#include "version.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvora {

// A tab page with its sheet and the glue that mirrors it.
struct TFKelvora::Tab {
    Tab(const char* n, const std::vector<ControlSpec>& specs, QWidget* p)
        : name(QString::fromLatin1(n)), page(p), sheet(specs), binding(sheet, p)
    {
        if (const Design* d = findDesign(n))
            outputs = d->outputs;
    }
    QString name;
    QWidget* page = nullptr;
    Sheet sheet;
    SheetBinding binding;
    std::vector<std::string> outputs; // results and verdicts of the tab's design
    bool failed = false;              // the tab's last calculation ended in an error
    QString message;                  // its message line: the error, or the substitutions
};

TFKelvora::TFKelvora(QWidget* parent, Pages pages) : QWidget(parent)
{
    setObjectName(QStringLiteral("FKelvora"));
    setWindowTitle(txArg("Cálculo de Transformadores V%1", QString::fromStdString(versionText())));
    setFormFont(this);
    // The tabs' area lies below the menu bar: the window grows by the bar's
    // height and the tabs keep their places within the area. The area
    // scrolls when the window is smaller than the pages (a large scale, a
    // small screen) and the tabs grow with a larger one.
    auto* client = new QScrollArea(this);
    client->setObjectName(QStringLiteral("AreaAbas"));
    client->setFrameShape(QFrame::NoFrame);
    client->setWidgetResizable(true);
    auto* tabsArea = new QWidget;
    tabsArea->setObjectName(QStringLiteral("AreaAbasConteudo"));
    tabsArea->setMinimumSize(954, 709);
    PageControl1 = new QTabWidget(tabsArea);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto* tabsLayout = new QVBoxLayout(tabsArea);
    tabsLayout->setContentsMargins(8, 8, 17, 28); // 929 x 673 at the design size
    tabsLayout->addWidget(PageControl1);
    client->setWidget(tabsArea);

    // The form of each page; a design's page takes its controls from the
    // registry of designs, as kelvora-cli does.
    struct PageDef {
        const char* name;
        const char* caption;
        void (*build)(QWidget*);
    };
    const PageDef defs[] = {
        {"TInicio", QT_TRANSLATE_NOOP("kelvora", "Início"), buildInicioTab},
        {"TTrafoAlim", QT_TRANSLATE_NOOP("kelvora", "Trafo Alimentação"), buildTrafoAlimTab},
        {"TModValvul", QT_TRANSLATE_NOOP("kelvora", "Modulador Valvulado"), buildModValvulTab},
        {"TModTransis", QT_TRANSLATE_NOOP("kelvora", "Modulador Transistorizado"),
         buildModTransisTab},
        {"TReatorFiltro", QT_TRANSLATE_NOOP("kelvora", "Reator de Filtro"), buildReatorFiltroTab},
        {"TAjustes", QT_TRANSLATE_NOOP("kelvora", "Ajustes"), buildAjustesTab},
        {"Historico", QT_TRANSLATE_NOOP("kelvora", "Histórico"), buildHistoricoTab},
    };
    // Every page and sheet exists from the start (the calculations need only
    // the sheets); the forms of all but the first may be built later.
    for (const PageDef& p : defs) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(p.name));
        PageControl1->addTab(page, QString::fromUtf8(p.caption));
        const Design* d = findDesign(p.name);
        const std::vector<ControlSpec> specs = d ? d->controls
                                               : std::string_view(p.name) == "TAjustes"
                                                   ? ajustesControls()
                                                   : std::vector<ControlSpec>{};
        tabs_.push_back(std::make_unique<Tab>(p.name, specs, page));
        pending_.emplace_back(tabs_.back().get(), p.build);
    }
    PageControl1->setCurrentIndex(0);
    // A page chosen before its form exists gets it first.
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { buildPendingPages(); });
    // The message line lies in the band under the tabs; it shows the
    // message of the tab on view, and is hidden when that tab has none.
    LMensagem = new QLabel(client);
    LMensagem->setObjectName(QStringLiteral("LMensagem"));
    LMensagem->setGeometry(8, 684, 929, 22);
    LMensagem->setTextFormat(Qt::PlainText);
    LMensagem->setAutoFillBackground(true);
    LMensagem->setContentsMargins(6, 0, 6, 0);
    LMensagem->hide();
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { showMessageLine(); });

    errorReporter_ = [this](const QString& message) { showErrorBox(this, message); };
    questioner_ = [this](const QString& question) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Kelvora"), question,
                        QMessageBox::NoButton, this);
        QPushButton* yes = box.addButton(tr("Sim"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(tr("Não"), QMessageBox::NoRole);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    };

    files_ = new DesignFiles(*this);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->setMenuBar(files_->menuBar());
    addEditAndHelpMenus(files_->menuBar(), this);
    addLanguageMenu(files_->menuBar());
    // Another language: the tooltips of the controls and the texts the
    // calculations write, again (the static texts follow by themselves).
    connect(&LanguageChoice::instance(), &LanguageChoice::changed, this, [this] {
        retranslateTooltips(this);
        // The message line names a field by its caption, now in this language.
        for (const auto& t : tabs_)
            if (t->page)
                nameFieldsByCaptions(t->page);
        for (const Design& d : designs())
            for (const Handler& h : d.handlers)
                if (std::find(h.triggers.begin(), h.triggers.end(), "OnActivate")
                    != h.triggers.end())
                    runHandler(h.name);
    });
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        installTableCopy(app);
    frame->addWidget(client);
    files_->menuBar()->ensurePolished();
    resize(954, 709 + files_->menuBar()->sizeHint().height());

    auto [first, build] = pending_.front();
    build(first->page);
    first->binding.setup();
    pending_.erase(pending_.begin());
    if (pages == Pages::Now)
        buildPendingPages();
}

void TFKelvora::fitInto(const QSize& available)
{
    fitWindowInto(this, available);
}

void TFKelvora::growToPages(const QSize& available)
{
    const auto* pages = findChild<QWidget*>(QStringLiteral("AreaAbasConteudo"));
    if (!pages)
        return;
    QSize need = pages->minimumSizeHint().expandedTo(pages->minimumSize());
    need.rheight() += files_->menuBar()->sizeHint().height();
    // Taller than the screen: the vertical bar takes its width beside the
    // page rather than a horizontal bar under it.
    if (need.height() > windowRoom(available).height())
        need.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    resize(size().expandedTo(need));
    fitInto(available);
}

void TFKelvora::buildPendingPages()
{
    if (pending_.empty())
        return;
    for (auto [t, build] : pending_) {
        build(t->page);
        t->binding.setup();
        applyTooltips(t->page);
        // Widgets made inside a page already on the screen stay hidden
        // until shown; the form's own hidden panels stay hidden.
        if (t->page->isVisible())
            for (QWidget* w : t->page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!w->testAttribute(Qt::WA_WState_ExplicitShowHide))
                    w->show();
    }
    pending_.clear();
    // What the construction said of the runs made before the forms existed.
    for (const auto& [tabName, summary] : summaries_)
        if (const Design* d = findDesign(tabName))
            if (auto* label = findChild<QLabel*>(QString::fromStdString(d->widgets.summary)))
                showSummary(label, summary);
    wireRecalculation();
    // After the recalculation's connections: an input a calculation rewrote counts too.
    files_->watchInputs();
    if (shownOnce_)
        installKeyboardOrder(PageControl1);
    emit allPagesBuilt();
}

void TFKelvora::paintEvent(QPaintEvent* e)
{
    QWidget::paintEvent(e);
    // The first frame is on the screen: now build the pages still waiting.
    if (!pending_.empty() && !buildQueued_) {
        buildQueued_ = true;
        QTimer::singleShot(0, this, &TFKelvora::buildPendingPages);
    }
}

TFKelvora::~TFKelvora() = default;

void TFKelvora::closeEvent(QCloseEvent* e)
{
    if (!files_->settleChanges()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

void TFKelvora::attach(TFNucleo* nucleo, TFCalcPI* calcPi, TFCalcReator* calcReator)
{
    FNucleo = nucleo;
    FCalcPI = calcPi;
    FCalcReator = calcReator;
    if (FCalcPI) {
        FCalcPI->setSettingsSource([this] { return settings(); });
        // The pi network is part of the design: it takes the inputs last
        // opened (or the defaults), and its fields are watched from now on.
        files_->adopt(piNetwork().tab.c_str(), [this] {
            calcPiTakesRfStage();
            FCalcPI->CalculaCircuitoPI();
        });
    }
}

void TFKelvora::calcPiTakesRfStage()
{
    if (FCalcPI)
        FCalcPI->takeRfStage(tab(valveModulator().tab.c_str()).sheet);
}

// ---- wiring ----------------------------------------------------------------

void TFKelvora::wireRecalculation()
{
    // The recalculation handlers, as each design declares them ("OnActivate"
    // is the window's own event).
    for (const Design& d : designs())
        for (const Handler& h : d.handlers)
            for (const std::string& trigger : h.triggers) {
                const std::string name = h.name;
                const auto run = [this, name] { runHandler(name); };
                if (trigger.rfind("OnShow ", 0) == 0)
                    onShow(trigger.substr(7).c_str(), run);
                else if (const std::size_t space = trigger.find(' '); space != std::string::npos)
                    onChange({trigger.substr(space + 1).c_str()}, run);
            }
    onChange({"BBVisNucleoTA"}, &TFKelvora::BBVisNucleoTAClick);
    onChange({"BBVisNucleoTM"}, &TFKelvora::BBVisNucleoTMClick);
    onChange({"BBVisNucleoReator"}, &TFKelvora::BBVisNucleoReatorClick);
    onChange({"BCircuitoPI"}, &TFKelvora::BCircuitoPIClick);
    for (const Design& d : designs())
        if (!d.widgets.construction.empty())
            if (auto* b = findChild<QAbstractButton*>(QString::fromStdString(d.widgets.construction)))
                connect(b, &QAbstractButton::clicked, this,
                        [this, tabName = d.tab] { showConstrucao(tabName.c_str()); });
    if (auto* b = findChild<QAbstractButton*>(QStringLiteral("BBFonteTA")))
        connect(b, &QAbstractButton::clicked, this, [this] { showFonte(); });
    onChange({"BSalvaTA"}, &TFKelvora::BSalvaTAClick);
    onChange({"BSalva_TM"}, &TFKelvora::BSalva_TMClick);
    onChange({"BSalvaRF"}, &TFKelvora::BSalvaRFClick);
    followOwnerFields();
    for (const char* name : {"ImgConvTM", "ImgReatorTM"})
        if (auto* p = findChild<Picture*>(QString::fromLatin1(name)))
            connect(p, &Picture::mousePressed, this, &TFKelvora::ImgConvTMMouseDown);
}

// The user's name and the application run no calculation, yet the winding
// sheet of the Construção window carries them as they stand.
void TFKelvora::followOwnerFields()
{
    for (const Design& d : designs()) {
        if (!d.part || d.part->ownerUser.empty())
            continue;
        Tab* t = &tab(d.tab.c_str());
        for (const std::string& name : {d.part->ownerUser, d.part->ownerApplication})
            if (auto* e = findChild<QLineEdit*>(QString::fromStdString(name)))
                connect(e, &QLineEdit::textChanged, this, [t, name](const QString& text) {
                    t->sheet[name].text = text.toStdString();
                });
    }
}

// OnChange of an edit or combo box, OnClick of a button.
void TFKelvora::onChange(std::initializer_list<const char*> names, void (TFKelvora::*handler)())
{
    onChange(names, [this, handler] { (this->*handler)(); });
}

void TFKelvora::onChange(std::initializer_list<const char*> names,
                         const std::function<void()>& handler)
{
    for (const char* name : names) {
        QWidget* w = findChild<QWidget*>(QString::fromLatin1(name));
        if (auto* e = qobject_cast<QLineEdit*>(w))
            connect(e, &QLineEdit::textChanged, this, handler);
        else if (auto* c = qobject_cast<QComboBox*>(w); c && c->isEditable())
            connect(c, &QComboBox::currentTextChanged, this, handler);
        else if (c)
            connect(c, &QComboBox::currentIndexChanged, this, handler);
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            connect(b, &QAbstractButton::clicked, this, handler);
    }
}

// OnShow of a tab page.
void TFKelvora::onShow(const char* tabName, const std::function<void()>& handler)
{
    QWidget* page = tab(tabName).page;
    connect(PageControl1, &QTabWidget::currentChanged, this, [this, page, handler](int index) {
        if (PageControl1->widget(index) == page)
            handler();
    });
}

bool TFKelvora::event(QEvent* e)
{
    if (e->type() == QEvent::WindowDeactivate && errorBoxOpen_)
        skipActivation_ = true;
    if (e->type() == QEvent::WindowActivate) {
        // Closing our own error box hands the activation back to this window:
        // recalculating then would show the same error again, without end.
        if (skipActivation_ || errorBoxOpen_)
            skipActivation_ = false;
        else
            for (const Design& d : designs())
                for (const Handler& h : d.handlers)
                    if (std::find(h.triggers.begin(), h.triggers.end(), "OnActivate")
                        != h.triggers.end())
                        runHandler(h.name);
    }
    return QWidget::event(e);
}

void TFKelvora::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!shownOnce_) {
        shownOnce_ = true;
        if (pending_.empty())
            installKeyboardOrder(PageControl1);
        if (PageControl1->currentWidget() == tab("TInicio").page)
            TInicioShow();
    }
}

// ---- handlers ----------------------------------------------------------------

// A handler of the registry: its procedures in order; a failure ends it and
// the procedures after it are skipped.
void TFKelvora::runHandler(std::string_view name)
{
    for (const Design& d : designs())
        for (const Handler& h : d.handlers)
            if (h.name == name) {
                bool calculated = false;
                std::string arranged;
                for (const std::string& procedure : h.runs) {
                    if (const auto [pd, p] = findProcedure(procedure); p) {
                        calculated = calculated || p->calculation;
                        arranged = pd->tab;
                    }
                    if (!run(procedure))
                        return;
                }
                // A choice that only rearranges the tab (the modulator's
                // coupling) changes what the construction winds all the same.
                if (!calculated && !arranged.empty())
                    constructionFollows(arranged);
                return;
            }
}

void TFKelvora::CBBnChange() { runHandler("CBBnChange"); }
void TFKelvora::TInicioShow() { runHandler("TInicioShow"); }
void TFKelvora::TTrafoAlimShow() { runHandler("TTrafoAlimShow"); }
void TFKelvora::CNumPriChange() { runHandler("CNumPriChange"); }
void TFKelvora::CNumSecChange() { runHandler("CNumSecChange"); }
void TFKelvora::TModValvulShow() { runHandler("TModValvulShow"); }
void TFKelvora::CBSelTMChange() { runHandler("CBSelTMChange"); }

void TFKelvora::ImgConvTMMouseDown(int x, int y)
{
    Tab& t = tab(valveModulator().tab.c_str());
    if (!t.sheet.has("LPosX") || !t.sheet.has("LPosY"))
        return;
    t.sheet["LPosX"].text = std::to_string(x);
    t.sheet["LPosY"].text = std::to_string(y);
    t.binding.mirror();
}

void TFKelvora::TReatorFiltroShow() { runHandler("TReatorFiltroShow"); }

void TFKelvora::BBVisNucleoTAClick() { showCore(*designWithWidget("BBVisNucleoTA")); }
void TFKelvora::BBVisNucleoTMClick() { showCore(*designWithWidget("BBVisNucleoTM")); }
void TFKelvora::BBVisNucleoReatorClick() { showCore(*designWithWidget("BBVisNucleoReator")); }

void TFKelvora::BCircuitoPIClick()
{
    if (!FCalcPI)
        return;
    FCalcPI->followRfStage(tab(valveModulator().tab.c_str()).sheet);
    FCalcPI->show();
    FCalcPI->raise();
    FCalcPI->activateWindow();
}

// The core of the design's last run, as its registry entry reads it. A U/I
// core takes its window from the construction settings.
void TFKelvora::showCore(const Design& d)
{
    const auto [En, Bn] = d.core(results_);
    const Settings cfg = settings();
    std::optional<construction::Core> wound;
    if (d.part) {
        // A copy: the window's fields stay unmarked.
        Sheet set = files_->storedInputs("FConstrucao");
        if (FConstrucao) {
            FConstrucao->settingsBinding().readInputs();
            set = FConstrucao->settingsSheet();
        }
        const construction::ConstructionSettings cs = construction::readSettings(set, cfg);
        Tab& t = tab(d.tab.c_str());
        wound = d.part->run(t.sheet, results_, false, cs, cfg).core;
    }
    if (wound && wound->family == construction::CoreFamily::UI) {
        if (FNucleo)
            FNucleo->VisNucleoUI(*wound, cfg.decimalSeparator);
    } else {
        VisNucleo(En, Bn);
    }
    if (!FNucleo)
        return;
    FNucleo->show();
    FNucleo->raise();
    FNucleo->activateWindow();
}

void TFKelvora::VisNucleo(float En, float Bn)
{
    if (FNucleo)
        FNucleo->VisNucleo(En, Bn, settings().decimalSeparator);
}

TFConstrucao& TFKelvora::makeConstrucao()
{
    if (!FConstrucao) {
        FConstrucao = std::make_unique<TFConstrucao>(settings().decimalSeparator);
        FConstrucao->setAttribute(Qt::WA_QuitOnClose, false);
        FConstrucao->setErrorReporter([this](const QString& m) { reportError(m); });
        FConstrucao->setFileChooser([this](QFileDialog* d) { return fileChooser_(d); });
        // The settings of the design last opened (or the defaults), watched for changes.
        files_->adopt("FConstrucao");
    }
    return *FConstrucao;
}

void TFKelvora::showConstrucao(const char* tabName)
{
    const Design* d = findDesign(tabName);
    if (!d || !d->part)
        return;
    const bool supplied = d == &powerTransformer();
    Tab& t = tab(tabName);
    makeConstrucao();
    FConstrucao->setDesignName(files_->currentFile().isEmpty()
                                   ? QString()
                                   : QFileInfo(files_->currentFile()).completeBaseName());
    FConstrucao->showDesign(
        {tabName, &*d->part, PageControl1->tabText(PageControl1->indexOf(t.page)), &t.sheet,
         &results_, [&t] { return t.failed; }, [this] { return settings(); },
         [this, &t, supplied](const construction::ConstructionSettings& set,
                              const Settings& cfg) -> std::optional<construction::Analysis> {
             if (!supplied)
                 return std::nullopt;
             ensureFonte();
             return fonte::analyseWithSupply(
                 construction::trafoAlimInput(t.sheet, results_.trafoAlim, t.failed), set,
                 [this](int k) { return &FFonte->secondarySheet(k); }, cfg, fonteReactor());
         },
         [&t, fields = d->part->core](const QString& bn, const QString& en) {
             useCore(t.page, fields, bn, en);
         }});
}

void TFKelvora::BSalvaTAClick() { saveReport(SaveTA, *designWithWidget("BSalvaTA")); }
void TFKelvora::BSalva_TMClick() { saveReport(SaveTM, *designWithWidget("BSalva_TM")); }
void TFKelvora::BSalvaRFClick() { saveReport(SaveRF, *designWithWidget("BSalvaRF")); }

namespace {

// The captions of the fields on view whose text was not a number, so that
// the last calculation used its fallback in their place (or, with `bad`, the
// numbers no part can be built from, with why).
QStringList substitutedFields(const Sheet& sheet, QWidget* page, bool bad = false)
{
    QStringList captions;
    for (const std::string& name : sheet.names()) {
        if (!sheet.spec(name).input || !(bad ? sheet[name].badInput : sheet[name].substituted))
            continue;
        QWidget* w = page->findChild<QWidget*>(QString::fromStdString(name));
        if (!w || !w->isVisibleTo(page))
            continue; // a hidden winding is not in the report
        QString caption = fieldName(w, page);
        if (bad)
            caption += QStringLiteral(" (%1)").arg(shownReadNote(sheet[name]));
        captions << caption;
    }
    return captions;
}

} // namespace

void TFKelvora::saveReport(LazyFileDialog& dialog, const Design& d)
{
    if (!d.report)
        return;
    Tab& t = tab(d.tab.c_str());
    // After a failed run the state holds new inputs beside old results.
    if (t.failed) {
        reportError(tr("O último cálculo terminou com erro. Corrija os dados antes "
                       "de gravar o relatório."));
        return;
    }
    if (const QStringList fields = substitutedFields(t.sheet, t.page); !fields.isEmpty()) {
        const QString question =
            tr("Estes campos não contêm um número válido e o cálculo usou um valor "
               "substituto no lugar deles:\n\n%1\n\nGravar o relatório com os "
               "valores substituídos?")
                .arg(QStringLiteral("- ") + fields.join(QStringLiteral("\n- ")));
        if (!ask(question))
            return;
    }
    if (const QStringList fields = substitutedFields(t.sheet, t.page, true); !fields.isEmpty()) {
        const QString question =
            tr("Estes campos têm valores com que não se constrói a peça:\n\n%1\n\n"
               "Gravar o relatório assim mesmo?")
                .arg(QStringLiteral("- ") + fields.join(QStringLiteral("\n- ")));
        if (!ask(question))
            return;
    }
    // Until a name is chosen, the report is offered under the design file's name.
    QString offered = QString::fromStdString(d.reportFile.stem);
    if (const QString design = files_->currentFile(); !design.isEmpty())
        offered = QFileInfo(design).completeBaseName() + u'_' + offered;
    const QString path
        = dialog.choose(fileChooser_,
                        QCoreApplication::translate("Design", d.reportFile.title.c_str()), offered);
    if (path.isEmpty())
        return;
    t.binding.readInputs(); // the user name and application as typed now
    if (std::optional<QString> error = writeReportFile(path, d.report(t.sheet, results_, settings()),
                                                          savedTextEncoding()))
        reportError(*error);
}

// ---- calculations ------------------------------------------------------------

bool TFKelvora::CalculaTrafoAlim() { return run("CalculaTrafoAlim"); }
bool TFKelvora::CalculaTrafoMod() { return run("CalculaTrafoMod"); }
bool TFKelvora::CalculaTrafoModTrans() { return run("CalculaTrafoModTrans"); }
bool TFKelvora::CalcReatorFiltro() { return run("CalcReatorFiltro"); }
void TFKelvora::TAEnrolamentos() { run("TAEnrolamentos"); }
void TFKelvora::SelConfigTM() { run("SelConfigTM"); }

// One procedure of the registry on its design's tab.
bool TFKelvora::run(std::string_view procedure)
{
    const auto [d, p] = findProcedure(procedure);
    if (!p)
        return true;
    Tab& t = tab(d->tab.c_str());
    const auto step = [&] { p->run(t.sheet, results_, settings()); };
    if (!p->calculation)
        return recalculate(t, step);
    const bool done = calculate(t, step);
    // The pi network works from the same RF stage.
    if (FCalcPI && d == &valveModulator())
        FCalcPI->followRfStage(t.sheet);
    return done;
}

// Read the widgets into the sheet, run, mirror the sheet back (also after a
// failure: what was written before the fault stays, the results it did not
// reach are emptied), then report the fault.
bool TFKelvora::recalculate(Tab& t, const std::function<void()>& run, bool calculation)
{
    if (t.sheet.names().empty())
        return true;
    t.binding.readInputs();
    std::string field;
    ShownText words;
    const std::optional<std::string> error = runCalculation(t.sheet, t.outputs, run, &field,
                                                            &words);
    t.binding.mirror();
    const QString errorText = !error          ? QString()
                              : words.empty() ? QString::fromStdString(*error)
                                              : shownWords(words);
    if (!calculation) {
        if (error)
            reportError(errorText);
        return !error;
    }
    // A recalculation runs at each keystroke: its error goes to the tab's
    // message line, never to a box that would take the keys typed next.
    const QString caption = PageControl1->tabText(PageControl1->indexOf(t.page));
    if (error) {
        QString where = caption;
        if (QWidget* w = field.empty() ? nullptr
                                       : t.page->findChild<QWidget*>(QString::fromStdString(field)))
            where += QStringLiteral(", ") + fieldName(w, t.page);
        t.message = where + QStringLiteral(": ") + errorText;
    } else {
        QStringList marked;
        for (const std::string& name : t.sheet.names()) {
            const Control& c = std::as_const(t.sheet)[name];
            if (!t.sheet.spec(name).input || c.readNote.empty())
                continue;
            QWidget* w = t.page->findChild<QWidget*>(QString::fromStdString(name));
            if (w && !w->isVisibleTo(t.page))
                continue;
            const QString what = w ? fieldName(w, t.page) : QString::fromStdString(name);
            marked << what + QStringLiteral(": ") + shownReadNote(c);
        }
        t.message = marked.isEmpty() ? QString()
                                     : tr("Valores usados no lugar do texto digitado — ")
                                           + marked.join(QStringLiteral("; "));
    }
    t.failed = error.has_value();
    const int index = PageControl1->indexOf(t.page);
    // The caption in red; an icon would make the tab bar taller and move the page.
    PageControl1->tabBar()->setTabTextColor(index, error ? QColor(255, 0, 0) : QColor());
    showMessageLine();
    if (error && errorLineObserver_)
        errorLineObserver_(t.message);
    return !error;
}

void TFKelvora::showMessageLine()
{
    Tab* shown = nullptr;
    for (auto& t : tabs_)
        if (t->page == PageControl1->currentWidget())
            shown = t.get();
    if (!shown || shown->message.isEmpty()) {
        LMensagem->hide();
        return;
    }
    const ColourPair pair = shown->failed ? BadPair : WarnPair;
    QPalette p = LMensagem->palette();
    p.setColor(QPalette::Window, QColor::fromRgb(rgb(pair.background)));
    p.setColor(QPalette::WindowText, QColor::fromRgb(rgb(pair.font)));
    LMensagem->setPalette(p);
    LMensagem->setText(shown->message);
    LMensagem->setToolTip(shown->message);
    LMensagem->show();
    LMensagem->raise();
}

QString TFKelvora::messageOf(const char* tabName) { return tab(tabName).message; }

void TFKelvora::setErrorLineObserver(std::function<void(const QString&)> observer)
{
    errorLineObserver_ = std::move(observer);
}

// A design's calculation, remembered as the tab's last: a report waits for
// one that went through.
bool TFKelvora::calculate(Tab& t, const std::function<void()>& run)
{
    t.failed = !recalculate(t, run, true);
    constructionFollows(t.name.toStdString());
    return !t.failed;
}

void TFKelvora::constructionFollows(const std::string& tabName)
{
    // The construction window follows its design in the same event.
    if (FConstrucao)
        FConstrucao->tabRecalculated(tabName);
    const Design* d = findDesign(tabName);
    const bool supplied = d == &powerTransformer();
    if (FFonte && FFonte->isVisible() && supplied)
        FFonte->recalculate();
    if (!d || !d->part || d->widgets.summary.empty())
        return;
    Tab& t = tab(tabName.c_str());
    const Settings cfg = settings();
    // The settings the window uses, or those of the design before it exists.
    Sheet set = FConstrucao ? FConstrucao->settingsSheet() : files_->storedInputs("FConstrucao");
    const construction::ConstructionSettings cs = construction::readSettings(set, cfg);
    std::optional<construction::Analysis> a
        = analyseDesign(*d, t.sheet, results_, t.failed, cs, cfg);
    // With the rectifiers simulated, the summary judges what the window shows.
    if (FFonte && !a->error && supplied)
        a = fonte::analyseWithSupply(
            construction::trafoAlimInput(t.sheet, results_.trafoAlim, t.failed), cs,
            [this](int k) { return &FFonte->secondarySheet(k); }, cfg, fonteReactor());
    const construction::Summary& summary = summaries_[tabName] = construction::summarise(*a);
    if (auto* label = findChild<QLabel*>(QString::fromStdString(d->widgets.summary)))
        showSummary(label, summary);
}

void TFKelvora::ensureFonte()
{
    if (FFonte)
        return;
    Tab& t = tab(powerTransformer().tab.c_str());
    FFonte = std::make_unique<TFFonte>(FonteSource{
        [this, &t] { return construction::trafoAlimInput(t.sheet, results_.trafoAlim, t.failed); },
        [this] {
            if (!FConstrucao)
                return construction::ConstructionSettings{};
            Sheet copy = FConstrucao->settingsSheet();
            return construction::readSettings(copy, settings());
        },
        [this] { return settings(); },
        [this] {
            if (FConstrucao)
                FConstrucao->tabRecalculated(powerTransformer().tab);
        },
        [this] { return fonteReactor(); }});
    FFonte->setAttribute(Qt::WA_QuitOnClose, false);
    // The circuits of the design last opened (or the defaults), watched for changes.
    files_->adopt(fonte::SelectorSheet);
    for (int k = 1; k <= 6; ++k)
        files_->adopt(fonte::secondarySheet(k));
}

std::optional<fonte::Reactor> TFKelvora::fonteReactor()
{
    Tab& r = tab(filterReactor().tab.c_str());
    construction::ConstructionSettings set;
    if (FConstrucao) {
        Sheet copy = FConstrucao->settingsSheet();
        set = construction::readSettings(copy, settings());
    }
    return fonte::reactorOf(construction::reatorFiltroInput(r.sheet, results_.reatorFiltro, r.failed),
                            set, settings());
}

void TFKelvora::showFonte()
{
    ensureFonte();
    FFonte->show();
    FFonte->raise();
    FFonte->recalculate();
}

void TFKelvora::reportError(const QString& message)
{
    ++errorCount_;
    errorBoxOpen_ = true;
    errorReporter_(message);
    errorBoxOpen_ = false;
}

// ---- access ----------------------------------------------------------------

TFKelvora::Tab& TFKelvora::tab(const char* name)
{
    for (auto& t : tabs_)
        if (t->name == QLatin1String(name))
            return *t;
    throw std::out_of_range(std::string("aba desconhecida: ") + name);
}

Sheet& TFKelvora::sheet(const char* name) { return tab(name).sheet; }

SheetBinding* TFKelvora::bindingOf(std::string_view name)
{
    for (auto& t : tabs_)
        if (t->name == QLatin1String(name.data(), qsizetype(name.size())))
            return &t->binding;
    if (FConstrucao && name == "FConstrucao")
        return &FConstrucao->settingsBinding();
    if (FCalcPI && name == piNetwork().tab)
        return &FCalcPI->binding();
    if (FFonte)
        return FFonte->bindingOf(name);
    return nullptr;
}

Settings TFKelvora::settings()
{
    const char sep = separator_ ? separator_ : localeDecimalSeparator();
    Tab& ajustes = tab("TAjustes");
    ajustes.binding.readInputs();
    return settingsFrom(ajustes.sheet, sep);
}

void TFKelvora::setErrorReporter(std::function<void(const QString&)> reporter)
{
    errorReporter_ = std::move(reporter);
}

void TFKelvora::setFileChooser(FileChooser chooser)
{
    fileChooser_ = std::move(chooser);
}

void TFKelvora::setQuestioner(std::function<bool(const QString&)> questioner)
{
    questioner_ = std::move(questioner);
}

// A question box is ours as the error box is: closing it hands the
// activation back without a recalculation.
bool TFKelvora::ask(const QString& question)
{
    errorBoxOpen_ = true;
    const bool yes = questioner_(question);
    errorBoxOpen_ = false;
    return yes;
}

} // namespace kelvora
