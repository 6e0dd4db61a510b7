#include "Ufonte.h"

#include "form_helpers.h"
#include "language.h"
#include "scroll_window.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace kelvora {

namespace {

// Captions of the controls of a secondary, in the sheet's order.
const char* captionOf(const std::string& name)
{
    static const std::pair<const char*, const char*> captions[] = {
        {"CBFoRetificador", QT_TRANSLATE_NOOP("kelvora", "Retificador:")},
        {"CBFoDiodo", QT_TRANSLATE_NOOP("kelvora", "Diodo ou válvula:")},
        {"EFoRede", QT_TRANSLATE_NOOP("kelvora", "Tensão da rede (V):")},
        {"EFoDispersao", QT_TRANSLATE_NOOP("kelvora", "Dispersão (mH, vazio: estimada):")},
        {"CBFoElem1", QT_TRANSLATE_NOOP("kelvora", "Elemento 1:")},
        {"EFoValor1", QT_TRANSLATE_NOOP("kelvora", "Valor 1 (µF, ohms ou H):")},
        {"EFoPerda1", QT_TRANSLATE_NOOP("kelvora", "ESR ou resistência 1 (ohms):")},
        {"CBFoElem2", QT_TRANSLATE_NOOP("kelvora", "Elemento 2:")},
        {"EFoValor2", QT_TRANSLATE_NOOP("kelvora", "Valor 2:")},
        {"EFoPerda2", QT_TRANSLATE_NOOP("kelvora", "ESR ou resistência 2:")},
        {"CBFoElem3", QT_TRANSLATE_NOOP("kelvora", "Elemento 3:")},
        {"EFoValor3", QT_TRANSLATE_NOOP("kelvora", "Valor 3:")},
        {"EFoPerda3", QT_TRANSLATE_NOOP("kelvora", "ESR ou resistência 3:")},
        {"CBFoElem4", QT_TRANSLATE_NOOP("kelvora", "Elemento 4:")},
        {"EFoValor4", QT_TRANSLATE_NOOP("kelvora", "Valor 4:")},
        {"EFoPerda4", QT_TRANSLATE_NOOP("kelvora", "ESR ou resistência 4:")},
        {"EFoValvK", QT_TRANSLATE_NOOP("kelvora", "Válvula própria: k (A/V^1,5):")},
        {"EFoValvQueda", QT_TRANSLATE_NOOP("kelvora", "ou queda (V):")},
        {"EFoValvCorrente", QT_TRANSLATE_NOOP("kelvora", "a uma corrente (mA):")},
        {"EFoValvPico", QT_TRANSLATE_NOOP("kelvora", "Pico por placa (mA):")},
        {"EFoValvPIV", QT_TRANSLATE_NOOP("kelvora", "Tensão inversa máxima (V):")},
        {"EFoValvCmax", QT_TRANSLATE_NOOP("kelvora", "Primeiro capacitor máximo (µF):")},
        {"EFoValvRmin", QT_TRANSLATE_NOOP("kelvora", "Resistência mínima por placa (ohms):")},
        {"CBFoReator", QT_TRANSLATE_NOOP("kelvora", "Usar o reator da aba no primeiro L:")},
        {"CBFoCarga", QT_TRANSLATE_NOOP("kelvora", "Carga:")},
        {"EFoCarga", QT_TRANSLATE_NOOP("kelvora", "Carga (mA ou ohms, vazio: a da aba):")},
        {"EFoSangria", QT_TRANSLATE_NOOP("kelvora", "Resistor de sangria (ohms):")},
    };
    for (const auto& [n, c] : captions)
        if (name == n)
            return c;
    return nullptr;
}

// The chart's title is marked text; the view keeps it to set it again in
// another language.
QChartView* chartView(QWidget* parent, const char* title)
{
    auto* chart = new QChart;
    chart->setTitle(trNow(title));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 220);
    view->setProperty("kelvoraChartTitle", QByteArray(title));
    return view;
}

// Replaces a chart's curves: x against each y, each y on its own axis.
void setCurves(QChartView* view, const std::vector<double>& x,
               const std::vector<std::pair<QString, const std::vector<double>*>>& ys,
               const QString& xTitle)
{
    QChart* chart = view->chart();
    chart->removeAllSeries();
    // removeAxis hands the axis back to the caller: without the delete, every
    // recalculation would leave its axes behind.
    for (QAbstractAxis* a : chart->axes()) {
        chart->removeAxis(a);
        delete a;
    }
    auto* ax = new QValueAxis;
    ax->setTitleText(xTitle);
    chart->addAxis(ax, Qt::AlignBottom);
    bool left = true;
    for (const auto& [name, y] : ys) {
        auto* s = new QLineSeries;
        s->setName(name);
        double lo = 1e300, hi = -1e300;
        for (std::size_t k = 0; k < x.size() && k < y->size(); ++k) {
            s->append(x[k], (*y)[k]);
            lo = std::min(lo, (*y)[k]), hi = std::max(hi, (*y)[k]);
        }
        chart->addSeries(s);
        auto* ay = new QValueAxis;
        if (hi > lo)
            ay->setRange(lo - 0.05 * (hi - lo), hi + 0.05 * (hi - lo));
        chart->addAxis(ay, left ? Qt::AlignLeft : Qt::AlignRight);
        s->attachAxis(ax);
        s->attachAxis(ay);
        left = !left;
    }
    if (!x.empty())
        ax->setRange(x.front(), x.back());
}

} // namespace

TFFonte::TFFonte(FonteSource source, QWidget* parent)
    : QWidget(parent), source_(std::move(source)), selector_(fonte::selectorControls()),
      shown_(fonte::secondaryControls()), kept_{Sheet(fonte::secondaryControls()),
                                                Sheet(fonte::secondaryControls()),
                                                Sheet(fonte::secondaryControls()),
                                                Sheet(fonte::secondaryControls()),
                                                Sheet(fonte::secondaryControls()),
                                                Sheet(fonte::secondaryControls())},
      selectorBinding_(selector_, this), binding_(shown_, this)
{
    setObjectName(QStringLiteral("FFonte"));
    setWindowTitle(tx("Fonte de alimentação"));
    build();
    selectorBinding_.setup();
    binding_.setup();
    noWidgets_ = new QWidget(this);
    noWidgets_->hide();
    for (std::size_t k = 0; k < kept_.size(); ++k) {
        keptBindings_[k] = std::make_unique<SheetBinding>(kept_[k], noWidgets_);
        keptBindings_[k]->setup();
    }
    resize(1100, 720);
}

TFFonte::~TFFonte() = default;

SheetBinding* TFFonte::bindingOf(std::string_view name)
{
    if (name == fonte::SelectorSheet)
        return &selectorBinding_;
    for (int k = 1; k <= 6; ++k)
        if (name == fonte::secondarySheet(k))
            return k == secondary_ ? &binding_ : keptBindings_[std::size_t(k - 1)].get();
    return nullptr;
}

Sheet& TFFonte::secondarySheet(int k)
{
    return k == secondary_ ? shown_ : kept_[std::size_t(k - 1)];
}

void TFFonte::build()
{
    // The circuit and the plots scroll in a window smaller than they are.
    auto* outer = new QHBoxLayout(scrolledContent(this));
    auto* left = new QVBoxLayout;
    auto* group = makeGroup(this, tx(" Circuito "), "GBFoCircuito");
    QGridLayout* grid = makeGrid(group, QMargins(8, 6, 8, 8), 6, 3);
    int row = 0;
    auto* sel = makeCombo(group, "CBFoSecundario", 60);
    grid->addWidget(makeLabel(group, tx("Secundário:")), row, 0);
    grid->addWidget(sel, row++, 1, Qt::AlignLeft);
    for (const ControlSpec& c : fonte::secondaryControls()) {
        const char* caption = captionOf(c.name);
        if (!caption)
            continue;
        QWidget* field = c.kind == Kind::List
                             ? static_cast<QWidget*>(makeCombo(group, c.name.c_str(), 110))
                             : makeEdit(group, c.name.c_str(), 80);
        grid->addWidget(makeLabel(group, tx(caption)), row, 0);
        grid->addWidget(field, row++, 1, Qt::AlignLeft);
    }
    left->addWidget(group);
    LFoResultados = makeLabel(this, QString(), "LFoResultados");
    LFoResultados->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LFoResultados->setWordWrap(true);
    left->addWidget(LFoResultados, 1);
    outer->addLayout(left);
    auto* plots = new QVBoxLayout;
    steady_ = chartView(this,
                        QT_TRANSLATE_NOOP("kelvora", "Regime permanente: os dois últimos ciclos"));
    transient_ = chartView(this, QT_TRANSLATE_NOOP("kelvora", "Partida"));
    sweep_ = chartView(this, QT_TRANSLATE_NOOP("kelvora",
                                               "Tensão CC e ondulação pela corrente de carga"));
    plots->addWidget(steady_);
    plots->addWidget(transient_);
    plots->addWidget(sweep_);
    outer->addLayout(plots, 1);

    connect(sel, &QComboBox::activated, this, [this] { chooseSecondary(); });
    for (QComboBox* c : group->findChildren<QComboBox*>())
        if (c != sel)
            connect(c, &QComboBox::activated, this, [this] { recalculate(); });
    for (QLineEdit* e : group->findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textEdited, this, [this] { recalculate(); });
    // The plots' titles and curve names in the language chosen now.
    connect(&LanguageChoice::instance(), &LanguageChoice::changed, this, [this] {
        for (QChartView* v : {steady_, transient_, sweep_})
            v->chart()->setTitle(trNow(v->property("kelvoraChartTitle").toByteArray().constData()));
        binding_.mirror();
        if (!LFoResultados->text().isEmpty()) // a run has been shown
            showResults();
        plot();
    });
}

void TFFonte::chooseSecondary()
{
    binding_.readInputs();
    selectorBinding_.readInputs();
    const int next = fonte::chosenSecondary(selector_);
    if (next == secondary_)
        return;
    std::swap(shown_, kept_[std::size_t(secondary_ - 1)]);
    std::swap(shown_, kept_[std::size_t(next - 1)]);
    secondary_ = next;
    binding_.mirror();
    recalculate();
}

void TFFonte::recalculate()
{
    // A design file opened may have chosen another secondary.
    selectorBinding_.readInputs();
    if (fonte::chosenSecondary(selector_) != secondary_) {
        chooseSecondary();
        return;
    }
    binding_.readInputs();
    const Settings cfg = source_.cfg ? source_.cfg() : Settings{};
    const construction::TrafoAlimInput in = source_.input();
    construction::ConstructionSettings set = source_.settings();
    set.simulatedCurrent = false;
    const construction::Analysis a = construction::analyseTrafoAlim(in, set, cfg);
    // The sweep takes some tens of milliseconds, more than a frame: the busy
    // cursor says the window is working.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    run_ = fonte::runSecondary(shown_, a, in, set, secondary_, cfg, true,
                               source_.reactor ? source_.reactor() : std::nullopt);
    QGuiApplication::restoreOverrideCursor();
    if (!run_.error)
        fonte::markSimulated(shown_);
    binding_.mirror();
    showResults();
    plot();
    if (source_.changed)
        source_.changed();
}

void TFFonte::showResults()
{
    const Settings cfg = source_.cfg ? source_.cfg() : Settings{};
    const std::string text = fonte::fonteTable(run_, cfg, inInstalledLanguage);
    const QString failed = shownWords(say(fonte::failedVerdictName())) + QLatin1Char('\t');
    QString html;
    for (const QString& line : QString::fromStdString(text).split('\n', Qt::SkipEmptyParts)) {
        QString shownLine = line;
        shownLine.replace('\t', QStringLiteral(": "));
        const bool bad = line.startsWith(failed) || run_.error;
        html += bad ? "<span style='color:#c00000'>" + shownLine.toHtmlEscaped() + "</span><br>"
                    : shownLine.toHtmlEscaped() + "<br>";
    }
    LFoResultados->setText(html);
}

void TFFonte::plot()
{
    if (run_.error) {
        for (QChartView* v : {steady_, transient_, sweep_})
            v->chart()->removeAllSeries();
        return;
    }
    const supply::Result& r = run_.result;
    std::vector<double> ms;
    for (double t : r.steady.t)
        ms.push_back(t * 1000);
    setCurves(steady_, ms,
              {{tr("Tensão de saída (V)"), &r.steady.vOut},
               {tr("Corrente do enrolamento (A)"), &r.steady.iWinding}},
              QStringLiteral("ms"));
    std::vector<double> tms;
    for (double t : r.transient.t)
        tms.push_back(t * 1000);
    setCurves(transient_, tms,
              {{tr("Tensão de saída (V)"), &r.transient.vOut},
               {tr("Corrente do enrolamento (A)"), &r.transient.iWinding}},
              QStringLiteral("ms"));
    std::vector<double> i, v, pp;
    for (const supply::SweepPoint& p : run_.sweep)
        i.push_back(p.iLoad * 1000), v.push_back(p.vdc), pp.push_back(p.ripplePp);
    setCurves(sweep_, i, {{tr("Tensão CC (V)"), &v}, {tr("Ondulação (V pp)"), &pp}},
              QStringLiteral("mA"));
}

} // namespace kelvora
