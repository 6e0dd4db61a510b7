#include "Uconstrucao.h"

#include "construcao_model.h"
#include "construction_summary.h"
#include "drawing_widgets.h"
#include "form_helpers.h"
#include "keyboard.h"
#include "language.h"
#include "painel_rede.h"
#include "report_file.h"
#include "scroll_window.h"
#include "sheet_owner.h"
#include "sugestoes_nucleo.h"
#include "winding_sheet.h"
#include "winding_sheet_pdf.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStackedWidget>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTimer>

#include <utility>

namespace kelvora {

using namespace construction;

namespace {

enum : unsigned { Alim = 1, Mod = 2, Reator = 4, All = Alim | Mod | Reator };

// A figure of the analysis: its result label, caption, unit and decimals,
// and the designs it belongs to.
struct Figure {
    const char* name;
    const char* caption;
    const char* unit;
    int decimals;
    unsigned designs;
    double Analysis::*value;
};

// What the iron loss of a part whose loss is not modelled reads.
const Words NotCalculated = KELVORA_WORDS("Construction", "não calculada");

const Figure figureRows[] = {
    {"LCoPfe", QT_TRANSLATE_NOOP("kelvora", "Perda no ferro:"), "W", 2, All, &Analysis::pfeW},
    {"LCoPcu", QT_TRANSLATE_NOOP("kelvora", "Perda no cobre (quente):"), "W", 2, All,
     &Analysis::pcuW},
    {"LCoPsi", QT_TRANSLATE_NOOP("kelvora", "Dissipação por área (ψ):"), "W/cm²", 4, All,
     &Analysis::psiWcm2},
    {"LCoDt", QT_TRANSLATE_NOOP("kelvora", "Elevação de temperatura (ΔT):"), "K", 1, All,
     &Analysis::dtK},
    {"LCoThot", QT_TRANSLATE_NOOP("kelvora", "Temperatura do cobre:"), "°C", 1, All,
     &Analysis::tHotC},
    {"LCoBpico", QT_TRANSLATE_NOOP("kelvora", "Indução real:"), "Gauss", 0, Alim,
     &Analysis::bPeakGauss},
    {"LCoEff", QT_TRANSLATE_NOOP("kelvora", "Rendimento:"), "%", 1, Alim, &Analysis::efficiencyPct},
    {"LCoGap", QT_TRANSLATE_NOOP("kelvora", "Entreferro magnético (2 juntas):"), "mm", 3,
     Mod | Reator, &Analysis::gapMm},
    {"LCoL", QT_TRANSLATE_NOOP("kelvora", "Indutância:"), "H", 2, Reator, &Analysis::lH},
    {"LCoLp", QT_TRANSLATE_NOOP("kelvora", "Indutância do primário:"), "H", 2, Mod, &Analysis::lpH},
    {"LCoXp", QT_TRANSLATE_NOOP("kelvora", "Reatância do primário em Fmin:"), "ohms", 0, Mod,
     &Analysis::xpOhm},
    {"LCoBac", QT_TRANSLATE_NOOP("kelvora", "Indução CA em Fmin:"), "Gauss", 0, Mod,
     &Analysis::bAcGauss},
    {"LCoBdc", QT_TRANSLATE_NOOP("kelvora", "Indução CC:"), "Gauss", 0, Mod | Reator,
     &Analysis::bDcGauss},
    {"LCoMfe", QT_TRANSLATE_NOOP("kelvora", "Peso do ferro:"), "g", 0, All, &Analysis::mFeG},
    {"LCoMcu", QT_TRANSLATE_NOOP("kelvora", "Peso do cobre:"), "g", 0, All, &Analysis::mCuG},
    {"LCoMtotal", QT_TRANSLATE_NOOP("kelvora", "Peso total (com carretel e isolação):"), "g", 0,
     All, &Analysis::mTotalG},
};
constexpr int VerdictLines = 6;

unsigned designBit(PartType d)
{
    return d == PartType::MainsTransformer ? Alim : d == PartType::DcTransformer ? Mod : Reator;
}

std::vector<ControlSpec> resultControls()
{
    std::vector<ControlSpec> v;
    for (const Figure& f : figureRows)
        v.push_back(resultLabel(f.name));
    v.push_back(resultLabel("LCoOcupacao"));
    v.push_back(resultLabel("LCoLamina"));
    v.push_back(resultLabel("LCoEspacador"));
    v.push_back(resultLabel("LCoNotas"));
    for (int i = 1; i <= VerdictLines; ++i)
        v.push_back(resultLabel("LCoAval" + std::to_string(i)));
    v.push_back(resultLabel("LCoErro"));
    return v;
}

// Holds one result label at its own full size, without a layout. A label in a
// layout makes the whole window lay itself out again on every new text (its
// size hint may have changed); held here, a new text repaints the label alone.
// The holder is as wide as its place in the layout gives it, and as high as
// the label. (With the adviser's table shown the window scrolls, and a layout
// on each key also repaints its scroll bars: a key then took about twice as
// long, past a frame at its worst; see bench/README.md.)
class LabelHolder : public QWidget {
public:
    LabelHolder(QLabel* label, QWidget* parent) : QWidget(parent), label_(label)
    {
        label->setParent(this);
        setMinimumWidth(label->minimumWidth());
        setFixedHeight(label->minimumHeight()); // the label's fixed height
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override { return {label_->minimumWidth(), label_->minimumHeight()}; }

protected:
    void resizeEvent(QResizeEvent*) override { label_->setGeometry(rect()); }

private:
    QLabel* label_;
};

} // namespace

// The results are a second sheet, mirrored by the same glue as the settings.
struct TFConstrucaoResults {
    explicit TFConstrucaoResults(QWidget* root) : sheet(resultControls()), binding(sheet, root) {}
    Sheet sheet;
    SheetBinding binding;
};

TFConstrucao::TFConstrucao(char separator, QWidget* parent)
    : QWidget(parent, Qt::Window), sheet_(construcaoControls(separator)), binding_(sheet_, this),
      separator_(separator)
{
    setObjectName(QStringLiteral("FConstrucao"));
    setWindowTitle(tx("Construção e perdas"));
    setFormFont(this);
    // The title names the design, the tables' headings and the mains
    // figures' captions are written again in another language.
    connect(&LanguageChoice::instance(), &LanguageChoice::changed, this, [this] {
        if (!source_.caption.isEmpty())
            setWindowTitle(tr("Construção e perdas — %1").arg(source_.caption));
        nameUIFields();
        fitLists();
        for (QTableView* v : findChildren<QTableView*>())
            if (QAbstractItemModel* m = v->model(); m && m->columnCount() > 0)
                emit m->headerDataChanged(Qt::Horizontal, 0, m->columnCount() - 1);
        recalculate();
    });

    // The whole form scrolls in a window smaller than it (a small screen, a large scale).
    auto* outer = new QHBoxLayout(scrolledContent(this));
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(8);
    auto* left = new QVBoxLayout;
    auto* settings = makeGroup(this, tx(" Ajustes da construção "), "GBCoAjustes");
    GBCoCargas = makeGroup(this, tx(" Cargas dos secundários "), "GBCoCargas");
    buildSettings(settings, GBCoCargas);
    left->addWidget(settings);
    left->addWidget(GBCoCargas);
    left->addStretch(1);
    outer->addLayout(left);

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    outer->addLayout(right, 1);
    SWCo = new QStackedWidget(this);
    SWCo->setObjectName(QStringLiteral("SWCo"));
    right->addWidget(SWCo, 1);

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    column->addLayout(top, 1);
    auto* drawing = new QVBoxLayout;
    PBCoCorte = new CrossSectionView(content);
    PBCoCorte->setAccessibleName(tx("Corte da janela em escala"));
    drawing->addWidget(PBCoCorte, 1);
    LCoOcupacao = makeResultField(content, "LCoOcupacao", 160, 20);
    LCoOcupacao->setAlignment(Qt::AlignCenter);
    drawing->addWidget(new LabelHolder(LCoOcupacao, content));
    // The catalogue lamination of the tab's Bn.
    auto* lamina = new QHBoxLayout;
    lamina->addWidget(makeLabel(content, tx("Catálogo:")));
    lamina->addWidget(makeResult(content, "LCoLamina", 120), 1);
    drawing->addLayout(lamina);
    // How the laminations are stacked (modulator and reactor), and what the
    // design could not do as asked.
    auto* spacer = makeResult(content, "LCoEspacador", 120);
    spacer->setWordWrap(true);
    drawing->addWidget(spacer);
    auto* notes = makeResult(content, "LCoNotas", 120);
    notes->setWordWrap(true);
    drawing->addWidget(notes);
    top->addLayout(drawing, 2);
    auto* figures = makeGroup(content, tx(" Perdas, temperatura e pesos "), "GBCoResultados");
    buildFigures(figures);
    top->addWidget(figures, 3);
    for (int i = 0; i < VerdictLines; ++i) {
        verdicts_[i] = makeVerdict(content, ("LCoAval" + std::to_string(i + 1)).c_str(), 22);
        // As wide as the column whatever the text: a new text lays nothing out again.
        verdictHolders_[i] = new LabelHolder(verdicts_[i], content);
        column->addWidget(verdictHolders_[i]);
    }
    GBCoRede = new PainelRede(content);
    column->addWidget(GBCoRede);

    TVCoEnrolamentos = new QTableView(content);
    TVCoEnrolamentos->setObjectName(QStringLiteral("TVCoEnrolamentos"));
    TVCoEnrolamentos->setAccessibleName(tx("Enrolamentos"));
    model_ = new WindingTableModel(TVCoEnrolamentos);
    TVCoEnrolamentos->setModel(model_);
    TVCoEnrolamentos->setItemDelegate(new PlainCellDelegate(TVCoEnrolamentos));
    // A column is fitted again (fitColumns) only when one of its texts changed,
    // so a column the user widened stays so until then; new rows or columns fit all.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { columnsToFit_.clear(); });
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                if (columnsToFit_.size() != std::size_t(model_->columnCount()))
                    return; // all are fitted anew
                for (int c = from.column(); c <= to.column(); ++c)
                    columnsToFit_[std::size_t(c)] = true;
            });
    // Only the AWG column edits: the builder's own wire for that winding.
    TVCoEnrolamentos->setEditTriggers(QAbstractItemView::DoubleClicked
                                      | QAbstractItemView::EditKeyPressed
                                      | QAbstractItemView::AnyKeyPressed);
    connect(model_, &WindingTableModel::gaugeEdited, this, [this](int row, const QString& text) {
        if (row < 0 || row >= GaugeRows)
            return;
        sheet_["ECoAWG" + std::to_string(row + 1)].text = text.trimmed().toStdString();
        recalculate();
    });
    TVCoEnrolamentos->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Rows of one line each: a fixed height, so new figures do not measure every cell again.
    TVCoEnrolamentos->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TVCoEnrolamentos->verticalHeader()->setDefaultSectionSize(
        TVCoEnrolamentos->fontMetrics().height() + 6);
    TVCoEnrolamentos->setMinimumHeight(150);
    column->addWidget(TVCoEnrolamentos);
    SWCo->addWidget(content);

    LCoErro = makeVerdict(this, "LCoErro", 60);
    LCoErro->setWordWrap(true);
    auto* errorPage = new QWidget;
    auto* errorColumn = new QVBoxLayout(errorPage);
    errorColumn->addWidget(LCoErro);
    errorColumn->addStretch(1);
    SWCo->addWidget(errorPage);

    PSugestoes = new PainelSugestoes(this);
    right->addWidget(PSugestoes);
    connect(PSugestoes, &PainelSugestoes::openRequested, this, [this] {
        // Room for the ten rows below what the window already shows: the form's
        // whole height at this width, as far as the screen allows (it scrolls beyond).
        const int room = screen() ? screen()->availableGeometry().height() - 60 : 900;
        const auto* area = findChild<WindowScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
        const int whole = area ? area->widget()->heightForWidth(area->viewport()->width()) : -1;
        const int target = std::min(std::max(900, whole), room);
        if (height() < target)
            resize(width(), target);
        adviceNow_ = true;
        recalculate();
    });
    // The search designs every catalogue core for the design (about 11 ms with
    // six secondaries): run on each key it would cost the typing a frame, so
    // while the table is open it follows once the typing pauses.
    adviceTimer_ = new QTimer(this);
    adviceTimer_->setSingleShot(true);
    adviceTimer_->setInterval(150);
    connect(adviceTimer_, &QTimer::timeout, this, &TFConstrucao::refreshAdvice);
    connect(PSugestoes, &PainelSugestoes::coreChosen, this,
            [this](const QString& bn, const QString& en) {
                if (source_.useCore)
                    source_.useCore(bn, en);
            });

    auto* buttons = new QHBoxLayout;
    auto* save = makeButton(this, "BCoGravaFolha", tx("Grava folha de enrolamento"));
    auto* pdf = makeButton(this, "BCoExportaPdf", tx("Exporta PDF"));
    auto* print = makeButton(this, "BCoImprime", tx("Imprime"));
    auto* close = makeButton(this, "BCoFecha", tx("Fecha"));
    for (QPushButton* b : {save, pdf, print})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close);
    right->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &TFConstrucao::BCoGravaFolhaClick);
    connect(pdf, &QPushButton::clicked, this, &TFConstrucao::BCoExportaPdfClick);
    connect(print, &QPushButton::clicked, this, &TFConstrucao::BCoImprimeClick);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    results_ = std::make_unique<TFConstrucaoResults>(this);
    binding_.setup();
    results_->binding.setup();
    fitLists();
    for (const std::string& name : sheet_.names()) {
        QWidget* w = findChild<QWidget*>(QString::fromStdString(name));
        if (auto* e = qobject_cast<QLineEdit*>(w))
            connect(e, &QLineEdit::textChanged, this, &TFConstrucao::recalculate);
        else if (auto* c = qobject_cast<QComboBox*>(w))
            connect(c, &QComboBox::currentIndexChanged, this, &TFConstrucao::recalculate);
    }

    errorReporter_ = [this](const QString& message) { showErrorBox(this, message); };
    printRunner_ = [](QPrintDialog* d) { return d->exec() == QDialog::Accepted; };
    resize(1100, 820); // the mains group below the verdicts
}

TFConstrucao::~TFConstrucao() = default;

void TFConstrucao::fitLists()
{
    // A settings list is at least 100 px, and as wide as its longest item
    // needs (the mode's phrases, an item in English is often longer): the
    // column gives way, and the window scrolls rather than cut an item.
    for (QComboBox* c : settingLists_) {
        int text = 0;
        for (int i = 0; i < c->count(); ++i)
            text = std::max(text, c->fontMetrics().horizontalAdvance(c->itemText(i)));
        QStyleOptionComboBox opt;
        opt.initFrom(c);
        const QSize needed = c->style()->sizeFromContents(QStyle::CT_ComboBox, &opt,
                                                          QSize(text, c->height()), c);
        c->setMinimumWidth(std::max(100, needed.width()));
    }
}

void TFConstrucao::buildSettings(QWidget* group, QWidget* loads)
{
    QGridLayout* grid = makeGrid(static_cast<QGroupBox*>(group), QMargins(8, 6, 8, 8), 6, 3);
    QGridLayout* loadGrid = makeGrid(static_cast<QGroupBox*>(loads), QMargins(8, 6, 8, 8), 6, 3);
    int row = 0, loadRow = 0;
    for (const ConstrucaoSettingText& t : construcaoSettingTexts()) {
        const std::string_view name = t.name;
        const QString tip = QString::fromUtf8(t.tooltip);
        if (name.rfind("CBCoRet", 0) == 0) {
            // A load's item is a phrase: the list is as wide as its longest one.
            auto* c = makeCombo(loads, t.name, 100);
            c->setMinimumWidth(0);
            c->setMaximumWidth(QWIDGETSIZE_MAX);
            c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            c->setToolTip(tip);
            auto* caption = makeLabel(loads, QString::fromUtf8(t.caption));
            caption->setToolTip(tip);
            loadGrid->addWidget(caption, loadRow, 0);
            loadGrid->addWidget(c, loadRow++, 1);
            loadCaptions_.push_back(caption);
            continue;
        }
        QWidget* field = name.rfind("CB", 0) == 0
                             ? static_cast<QWidget*>(makeCombo(group, t.name, 100))
                             : makeEdit(group, t.name, 64);
        if (auto* c = qobject_cast<QComboBox*>(field)) {
            // The list's usual width, wider for a longer item (fitLists).
            c->setMaximumWidth(QWIDGETSIZE_MAX);
            settingLists_.push_back(c);
        }
        field->setToolTip(tip);
        auto* caption = makeLabel(group, QString::fromUtf8(t.caption));
        caption->setToolTip(tip);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1, Qt::AlignLeft);
        QLabel* unit = *t.unit ? makeLabel(group, QString::fromUtf8(t.unit)) : nullptr;
        if (unit)
            grid->addWidget(unit, row, 2);
        if (name == "ECoUIJanela" || name == "ECoUIAltura") { // shown for U/I cores only
            // Named here: hidden at first, the field has no caption beside it to be named by.
            uiFieldNames_.emplace_back(field, t.caption);
            for (QWidget* w : {static_cast<QWidget*>(caption), static_cast<QWidget*>(unit)})
                if (w)
                    uiRows_.push_back(w);
        }
        ++row;
    }
    nameUIFields();
    grid->setColumnMinimumWidth(2, 36);
    grid->setColumnStretch(3, 1); // units stay beside their fields
    loadGrid->setColumnStretch(1, 1);
}

void TFConstrucao::buildFigures(QWidget* group)
{
    QGridLayout* grid = makeGrid(static_cast<QGroupBox*>(group), QMargins(8, 6, 8, 8), 6, 2);
    int row = 0;
    for (const Figure& f : figureRows) {
        auto* caption = makeLabel(group, tx(f.caption));
        auto* value = makeResultField(group, f.name, 80, 18);
        // A fixed size: a new figure repaints its label and lays nothing out again.
        value->setFixedWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("000000,000"))
                             + 8);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (std::string_view(f.name) == "LCoPfe")
            value->setFixedWidth(std::max(
                value->width(),
                value->fontMetrics().horizontalAdvance(shownWords(say(NotCalculated))) + 16));
        auto* unit = makeLabel(group, QString::fromUtf8(f.unit));
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        grid->addWidget(unit, row, 2);
        figureWidgets_.push_back({caption, value, unit});
        ++row;
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
}

void TFConstrucao::showDesign(ConstrucaoSource source)
{
    source_ = std::move(source);
    setWindowTitle(tr("Construção e perdas — %1").arg(source_.caption));
    recalculate();
    show();
    raise();
    activateWindow();
}

void TFConstrucao::nameUIFields()
{
    // The caption without its colon, in the language shown.
    for (const auto& [field, caption] : uiFieldNames_)
        field->setAccessibleName(
            QCoreApplication::translate("kelvora::TFConstrucao", caption).chopped(1));
}

void TFConstrucao::tabRecalculated(std::string_view tab)
{
    if (isVisible() && tab == source_.tab)
        recalculate();
}

void TFConstrucao::recalculate()
{
    if (!source_.sheet || !source_.state || !source_.part)
        return;
    const Settings cfg = source_.settings ? source_.settings() : Settings{};
    separator_ = cfg.decimalSeparator;
    binding_.readInputs();
    settings_ = readSettings(sheet_, cfg);
    const bool failed = source_.tabFailed && source_.tabFailed();
    std::optional<SheetSubject> subject = sheetRun(*source_.part, *source_.sheet, *source_.state,
                                                   failed, settings_, cfg);
    // The rectifiers' simulated currents, where the design could be analysed at
    // all (a refused design stays refused).
    if (source_.supplyAnalysis && !subject->analysis.error)
        if (std::optional<construction::Analysis> a = source_.supplyAnalysis(settings_, cfg))
            subject->analysis = std::move(*a);
    analysis_ = std::move(subject->analysis);
    core_ = subject->core;
    a_ = core_.a;
    b_ = core_.b;
    activeSecondaries_ = subject->activeSecondaries;
    // The U/I window is a setting of U/I cores only.
    const bool ui = core_.family == CoreFamily::UI;
    const bool uiChanged = sheet_["ECoUIJanela"].visible != ui;
    sheet_["ECoUIJanela"].visible = ui;
    sheet_["ECoUIAltura"].visible = ui;
    for (QWidget* w : uiRows_)
        w->setVisible(ui);
    // Only the power transformer's active secondaries have a load to choose.
    GBCoCargas->setVisible(activeSecondaries_ > 0);
    for (int k = 1; k <= 6; ++k) {
        const bool shown = k <= activeSecondaries_;
        sheet_["CBCoRet" + std::to_string(k)].visible = shown;
        loadCaptions_[std::size_t(k - 1)]->setVisible(shown);
    }
    binding_.mirror();
    if (uiChanged && isVisible())
        applyKeyboardOrder(this); // the U/I fields come in or go out of the order
    present();
    if (!PSugestoes->isOpen())
        return;
    if (std::exchange(adviceNow_, false)) {
        adviceTimer_->stop();
        refreshAdvice();
    } else {
        adviceTimer_->start();
    }
}

void TFConstrucao::refreshAdvice()
{
    if (!source_.sheet || !source_.state || !source_.part)
        return;
    const Settings cfg = source_.settings ? source_.settings() : Settings{};
    const bool failed = source_.tabFailed && source_.tabFailed();
    PSugestoes->refresh(*source_.part, *source_.sheet, *source_.state, failed, settings_, cfg);
}

void TFConstrucao::present()
{
    Sheet& r = results_->sheet;
    if (analysis_.error) {
        if (analysis_.errorWords.empty())
            r["LCoErro"].text = *analysis_.error; // shown as it is
        else
            write(r["LCoErro"], analysis_.errorWords);
        paint(r["LCoErro"], BadPair);
        results_->binding.mirror();
        SWCo->setCurrentIndex(1);
        return;
    }
    const unsigned bit = designBit(analysis_.part);
    for (std::size_t i = 0; i < std::size(figureRows); ++i) {
        const Figure& f = figureRows[i];
        const bool shown = f.designs & bit;
        for (QWidget* w : figureWidgets_[i])
            w->setVisible(shown);
        r[f.name].visible = shown;
        r[f.name].text = shown ? fixed(analysis_.*f.value, 15, f.decimals, separator_) : "";
    }
    // The iron loss of a gapped part is not modelled: said, rather than a 0 W.
    if (analysis_.part != PartType::MainsTransformer) {
        write(r["LCoPfe"], say(NotCalculated));
        figureWidgets_[0][2]->setVisible(false);
    }
    if (const ShownText lamina = coreCatalogueWords(core_, separator_); lamina.empty())
        r["LCoLamina"].text = coreCatalogueText(core_, separator_);
    else
        write(r["LCoLamina"], lamina);
    r["LCoEspacador"].visible = analysis_.part != PartType::MainsTransformer;
    if (r["LCoEspacador"].visible)
        write(r["LCoEspacador"], stackingWords(analysis_, separator_));
    else
        r["LCoEspacador"].text = "";
    // Several notes make one line: written in the language shown (the window
    // writes it again when the language changes).
    const std::string notes = notesLine(analysis_.noteWords, inInstalledLanguage);
    r["LCoNotas"].visible = !notes.empty();
    r["LCoNotas"].text = notes;
    write(r["LCoOcupacao"], say(KELVORA_WORDS("Construction", "Ocupação da janela: %1 %"),
                                {fixed(analysis_.fillPct, 15, 1, separator_)}));
    paint(r["LCoOcupacao"], analysis_.fits ? GoodPair : BadPair);
    for (int i = 0; i < VerdictLines; ++i) {
        Control& c = r["LCoAval" + std::to_string(i + 1)];
        const bool shown = std::size_t(i) < analysis_.verdicts.size();
        c.visible = shown;
        if (shown) {
            write(c, analysis_.verdicts[std::size_t(i)].words);
            paint(c, analysis_.verdicts[std::size_t(i)].good ? GoodPair : BadPair);
        }
    }
    results_->binding.mirror();
    // A line with no verdict leaves no gap.
    for (int i = 0; i < VerdictLines; ++i)
        if (QWidget* h = verdictHolders_[i];
            h->isHidden() == (std::size_t(i) < analysis_.verdicts.size()))
            h->setVisible(std::size_t(i) < analysis_.verdicts.size());
    if (GBCoRede->isHidden() == analysis_.mains.has_value())
        GBCoRede->setVisible(analysis_.mains.has_value());
    GBCoRede->setContent(analysis_, settings_, separator_);
    model_->setWindings(analysis_.windings, analysis_.part == PartType::MainsTransformer,
                        separator_);
    std::vector<bool> badGauges;
    for (std::size_t row = 0; row < analysis_.windings.size(); ++row)
        badGauges.push_back(row < std::size_t(GaugeRows)
                            && sheet_["ECoAWG" + std::to_string(row + 1)].substituted);
    model_->setInvalidGauges(std::move(badGauges));
    orderColumns();
    fitColumns();
    PBCoCorte->setContent(analysis_, settings_, a_);
    SWCo->setCurrentIndex(0);
}

void TFConstrucao::orderColumns()
{
    // New rows or columns put the header's sections back in the model's order.
    QHeaderView* header = TVCoEnrolamentos->horizontalHeader();
    const std::vector<int> order = model_->shownOrder();
    for (int visual = 0; visual < int(order.size()); ++visual)
        if (const int at = header->visualIndex(order[std::size_t(visual)]); at != visual)
            header->moveSection(at, visual);
}

void TFConstrucao::fitColumns()
{
    // Each column as wide as its widest text or its heading, as the view measures them.
    const std::size_t columns = std::size_t(model_->columnCount());
    if (columnsToFit_.size() != columns)
        columnsToFit_.assign(columns, true);
    for (std::size_t c = 0; c < columns; ++c)
        if (columnsToFit_[c]) {
            TVCoEnrolamentos->resizeColumnToContents(int(c));
            columnsToFit_[c] = false;
        }
}

std::string TFConstrucao::sheetText() const
{
    Settings cfg;
    cfg.decimalSeparator = separator_;
    if (!source_.part)
        return {};
    // The sheet in the language the window shows.
    const std::string text = windingSheetText(source_.part->caption, analysis_, core_, sheet_,
                                              activeSecondaries_, cfg, inInstalledLanguage);
    return source_.sheet ? withOwner(text, *source_.part, *source_.sheet, inInstalledLanguage)
                         : text;
}

SheetPages TFConstrucao::pages() const
{
    SheetPages p;
    p.text = sheetText();
    p.section = {&analysis_, settings_, a_};
    p.a = a_;
    p.b = b_;
    p.separator = separator_;
    p.captions = windingSheetCaptions(inInstalledLanguage);
    return p;
}

// ---- the sheet -----------------------------------------------------------------

// Until a name is chosen, the sheet is offered under the design file's name.
QString TFConstrucao::chooseFile(LazyFileDialog& dialog, const char* file, const QString& title)
{
    const QString name = QString::fromLatin1(file);
    return dialog.choose(fileChooser_, title,
                         designName_.isEmpty() ? name : designName_ + u'_' + name);
}

void TFConstrucao::BCoGravaFolhaClick()
{
    if (auto refusal = windingSheetRefusal(analysis_, inInstalledLanguage))
        return reportError(QString::fromStdString(*refusal + "."));
    const QString path = chooseFile(SaveFolha, "Folha_enrolamento",
                                    tr("Grava folha de enrolamento"));
    if (path.isEmpty())
        return;
    if (std::optional<QString> error =
            writeReportFile(path, sheetText(), savedTextEncoding(),
                            fileText(QT_TRANSLATE_NOOP("FileError", "a folha de enrolamento"))))
        reportError(*error);
}

void TFConstrucao::BCoExportaPdfClick()
{
    if (auto refusal = windingSheetRefusal(analysis_, inInstalledLanguage))
        return reportError(QString::fromStdString(*refusal + "."));
    const QString path = chooseFile(SavePdf, "Folha_enrolamento",
                                    tr("Exporta folha de enrolamento em PDF"));
    if (path.isEmpty())
        return;
    if (std::optional<QString> error = writeWindingSheetPdf(path, pages()))
        reportError(*error);
}

void TFConstrucao::BCoImprimeClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QString::fromStdString(windingSheetCaptions(inInstalledLanguage).title));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Imprime folha de enrolamento"));
    if (!printRunner_(&dialog))
        return;
    if (paintWindingSheet(printer, pages()) == 0)
        reportError(tr("Não foi possível imprimir a folha de enrolamento: a "
                       "impressora não aceitou o trabalho."));
}

void TFConstrucao::reportError(const QString& message) { errorReporter_(message); }

void TFConstrucao::setErrorReporter(std::function<void(const QString&)> reporter)
{
    errorReporter_ = std::move(reporter);
}

void TFConstrucao::setFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }

void TFConstrucao::setPrintRunner(std::function<bool(QPrintDialog*)> runner)
{
    printRunner_ = std::move(runner);
}

void TFConstrucao::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // Reading order and accessible names need the laid-out positions.
    applyKeyboardOrder(this);
}

} // namespace kelvora
