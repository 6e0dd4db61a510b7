#include "Ucalcpi.h"

#include "circuito_pi.h"
#include "form_helpers.h"
#include "keyboard.h"
#include "language.h"
#include "scroll_window.h"
#include "translations.h"

#include <QAbstractTableModel>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLocale>
#include <QTableView>

#include <array>

namespace kelvora {

namespace {

// The band table: each band's frequency and the C1, L and C2 of the last
// calculation's band table.
class BandModel : public QAbstractTableModel {
public:
    explicit BandModel(QObject* parent) : QAbstractTableModel(parent)
    {
        for (const PiBand& b : piBands())
            table_.rows.push_back({b, std::nullopt});
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(table_.rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(Headers.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(index.column() == 0 ? Qt::AlignCenter
                                                           : Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        const PiBandRow& row = table_.rows[std::size_t(index.row())];
        switch (index.column()) {
        case 0:
            return QString::fromUtf8(row.band.name);
        case 1:
            return QString::fromStdString(general(row.band.MHz, cfg_.decimalSeparator) + " MHz");
        case 2:
            return row.parts ? QString::fromStdString(picofaradsText(row.parts->C1, cfg_))
                             : QString();
        case 3:
            return row.parts ? QString::fromStdString(microhenriesText(row.parts->L, cfg_))
                             : QString();
        default:
            return row.parts ? QString::fromStdString(picofaradsText(row.parts->C2, cfg_))
                             : QString();
        }
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0
            || section >= int(Headers.size()))
            return {};
        return QCoreApplication::translate("kelvora", Headers[std::size_t(section)]);
    }
    // A new calculation: every cell may have changed.
    void refresh(PiBandTable table, const Settings& cfg)
    {
        table_ = std::move(table);
        cfg_ = cfg;
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }

private:
    static constexpr std::array<const char*, 5> Headers{QT_TRANSLATE_NOOP("kelvora", "Banda"),
                                                        QT_TRANSLATE_NOOP("kelvora", "Freqüência"),
                                                        "C1", "L", "C2"};
    PiBandTable table_;
    Settings cfg_;
};

Settings localeSettings()
{
    Settings s;
    s.decimalSeparator = localeDecimalSeparator();
    return s;
}

constexpr int FieldW = 64, FieldH = 20, ResultW = 96;

QGridLayout* gridOf(QGroupBox* group) { return makeGrid(group, QMargins(6, 4, 6, 6), 6, 3); }

// "caption  [result]" on row `row`, columns `col` and `col` + 1.
void addResult(QGridLayout* grid, int row, int col, const QString& caption, const char* name)
{
    QWidget* g = grid->parentWidget();
    grid->addWidget(makeLabel(g, caption), row, col);
    grid->addWidget(makeResultField(g, name, ResultW), row, col + 1);
}

} // namespace

TFCalcPI::TFCalcPI(QWidget* parent)
    : QWidget(parent, Qt::Window), sheet_(circuitoPiControls()), binding_(sheet_, this)
{
    setObjectName(QStringLiteral("FCalcPI"));
    setWindowTitle(tx("Cálculos relativos ao circuito PI de saída de RF"));
    setFormFont(this); // as the main window
    lastEb_ = sheet_["EPiEb"].text;
    lastIb_ = sheet_["EPiIb"].text;
    build();
    binding_.setup();

    for (const char* name : {"EPiEb", "EPiIb", "EPiQ", "EPiR2", "EPiFreq"})
        connect(findChild<QLineEdit*>(QString::fromLatin1(name)), &QLineEdit::textChanged, this,
                &TFCalcPI::CalculaCircuitoPI);
    connect(findChild<QComboBox*>(QStringLiteral("CBPiClasse")), &QComboBox::currentIndexChanged,
            this, &TFCalcPI::CalculaCircuitoPI);
    // A band chosen by the user, also the one already shown: the calculation
    // itself moves the list to the band of the frequency typed.
    connect(findChild<QComboBox*>(QStringLiteral("CBPiBanda")), &QComboBox::activated, this,
            &TFCalcPI::CBPiBandaChange);
    // The verdict follows the language chosen (the sheet keeps its message).
    connect(&LanguageChoice::instance(), &LanguageChoice::changed, this,
            [this] { binding_.mirror(); });
    // The form decides the size; the window can still grow.
    resize(sizeHint());
}

TFCalcPI::~TFCalcPI() = default;

void TFCalcPI::build()
{
    auto* top = new QVBoxLayout(scrolledContent(this)); // scrolls in a smaller window
    top->setContentsMargins(10, 8, 10, 10);
    top->setSpacing(6);
    top->addWidget(makeTitle(this, tx("Circuito PI de saída da etapa de RF"), "LTituloPI", 15));

    auto* inputs = new QHBoxLayout;
    inputs->setSpacing(8);
    auto* rf = makeGroup(this, tx(" Etapa de RF "), "GBPiEtapaRF");
    QGridLayout* g = gridOf(rf);
    addRow(g, 0, tx("Tensão de placa (Eb):"), makeEdit(rf, "EPiEb", FieldW, FieldH),
           QStringLiteral("V"));
    addRow(g, 1, tx("Corrente de placa (Ib):"), makeEdit(rf, "EPiIb", FieldW, FieldH),
           QStringLiteral("mA"));
    auto* classe = makeCombo(rf, "CBPiClasse", 96);
    g->addWidget(makeLabel(rf, tx("Classe de operação:")), 2, 0);
    g->addWidget(classe, 2, 1, 1, 2);
    g->addWidget(makeLabel(rf, tx("Carga de placa (R1 = Eb / K·Ib):")), 3, 0);
    g->addWidget(makeResultField(rf, "LPiR1", ResultW), 3, 1, 1, 2);
    g->setColumnStretch(0, 1);
    g->setRowStretch(4, 1);
    inputs->addWidget(rf);

    auto* pi = makeGroup(this, tx(" Circuito PI "), "GBPiCircuito");
    g = gridOf(pi);
    addRow(g, 0, tx("Q de operação:"), makeEdit(pi, "EPiQ", FieldW, FieldH));
    addRow(g, 1, tx("Carga de saída (R2):"), makeEdit(pi, "EPiR2", FieldW, FieldH),
           QStringLiteral("ohms"));
    addRow(g, 2, tx("Freqüência:"), makeEdit(pi, "EPiFreq", FieldW, FieldH), QStringLiteral("MHz"));
    auto* banda = makeCombo(pi, "CBPiBanda", FieldW + 8);
    g->addWidget(makeLabel(pi, tx("Banda:")), 3, 0);
    g->addWidget(banda, 3, 1, 1, 2, Qt::AlignLeft);
    g->setColumnStretch(0, 1);
    g->setRowStretch(4, 1);
    inputs->addWidget(pi);
    top->addLayout(inputs);

    top->addWidget(makeVerdict(this, "LPiAval"));

    auto* parts = makeGroup(this, tx(" Componentes "), "GBPiComponentes");
    g = gridOf(parts);
    addResult(g, 0, 0, tx("Resistência virtual (Rv):"), "LPiRv");
    addResult(g, 0, 2, tx("Tensão de pico em C1 (AM 100 %):"), "LPiVC1");
    addResult(g, 1, 0, tx("Reatância de C1 (XC1):"), "LPiXC1");
    addResult(g, 1, 2, tx("Capacitor de entrada (C1):"), "LPiC1");
    addResult(g, 2, 0, tx("Reatância de L (XL):"), "LPiXL");
    addResult(g, 2, 2, tx("Indutor (L):"), "LPiL");
    addResult(g, 3, 0, tx("Reatância de C2 (XC2):"), "LPiXC2");
    addResult(g, 3, 2, tx("Capacitor de saída (C2):"), "LPiC2");
    g->setColumnMinimumWidth(2, 0);
    g->setHorizontalSpacing(6);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    top->addWidget(parts);

    auto* bands = makeGroup(this, tx(" Valores por banda "), "GBPiBandas");
    auto* box = new QVBoxLayout(bands);
    box->setContentsMargins(6, 4, 6, 6);
    auto* model = new BandModel(this);
    bandModel_ = model;
    auto* table = new QTableView(bands);
    table->setObjectName(QStringLiteral("TVPiBandas"));
    table->setAccessibleName(tx("Valores por banda"));
    table->setModel(model);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every band in view: as tall as the header and the rows ask.
    table->verticalHeader()->setMinimumSectionSize(0);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height()
                          + table->verticalHeader()->length() + 2 * table->frameWidth());
    table->setMinimumWidth(5 * ResultW);
    box->addWidget(table);
    top->addWidget(bands);

    auto* buttons = new QHBoxLayout;
    auto* close = makeButton(this, "Button1", tx("Fecha Janela"));
    close->setMinimumSize(75, 25);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addStretch(1);
    top->addLayout(buttons);
}

void TFCalcPI::setSettingsSource(std::function<Settings()> source)
{
    settings_ = std::move(source);
}

void TFCalcPI::followRfStage(const Sheet& mod)
{
    const std::string& Eb = mod["EEbrf"].text;
    const std::string& Ib = mod["EIbrf"].text;
    binding_.readInputs();
    if (Eb != lastEb_)
        sheet_["EPiEb"].text = lastEb_ = Eb;
    if (Ib != lastIb_)
        sheet_["EPiIb"].text = lastIb_ = Ib;
    binding_.mirror();
    CalculaCircuitoPI();
}

void TFCalcPI::takeRfStage(const Sheet& mod)
{
    lastEb_ = mod["EEbrf"].text;
    lastIb_ = mod["EIbrf"].text;
    started_ = false; // a design without a frequency takes its band's again
}

void TFCalcPI::CalculaCircuitoPI()
{
    const Settings cfg = settings_ ? settings_() : localeSettings();
    binding_.readInputs();
    if (!started_) {
        started_ = true;
        if (sheet_["EPiFreq"].text.empty())
            PiBandaFrequencia(sheet_, cfg);
    }
    PiBandTable table = kelvora::CalculaCircuitoPI(sheet_, cfg);
    binding_.mirror();
    static_cast<BandModel*>(bandModel_)->refresh(std::move(table), cfg);
}

void TFCalcPI::CBPiBandaChange()
{
    const Settings cfg = settings_ ? settings_() : localeSettings();
    binding_.readInputs();
    PiBandaFrequencia(sheet_, cfg);
    binding_.mirror();
    CalculaCircuitoPI();
}

void TFCalcPI::showEvent(QShowEvent* e)
{
    if (!started_)
        CalculaCircuitoPI();
    QWidget::showEvent(e);
    // The layout has placed the form: Tab follows it, captions name the fields.
    applyKeyboardOrder(this);
}

} // namespace kelvora
