#include "construction_summary.h"
#include "form_helpers.h"
#include "language.h"
#include "modulator_diagram.h"
#include "schematic.h"
#include "tab_builders.h"

#include <QBoxLayout>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>

#include <algorithm>

namespace kelvora {

namespace {

constexpr int LeftX = 6, LeftW = 410;     // input groups
constexpr int RightX = 420, RightW = 497; // coupling, diagram, results
constexpr int FieldW = 40, FieldH = 20;

QGridLayout* gridOf(QGroupBox* group) { return makeGrid(group, QMargins(5, 2, 5, 4), 4, 2); }

// Fields and units flush right, so that the two input groups line up.
void alignRight(QGridLayout* grid)
{
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(2, 34);
}

void buildModulatorInputs(QWidget* page)
{
    auto* g = makeGroup(page, tx(" Etapa moduladora "), "GBModuladorTM");
    g->setGeometry(LeftX, 26, LeftW, 154);
    auto* grid = gridOf(g);
    addRow(grid, 0, tx("Potência de áudio do modulador (PaMod):"),
           makeEdit(g, "EPaMod", FieldW, FieldH), QStringLiteral("W"));
    addRow(grid, 1, tx("Freqüência mínima de áudio a reproduzir (Fmin):"),
           makeEdit(g, "EFmin", FieldW, FieldH), QStringLiteral("Hz"));
    addRow(grid, 2, tx("Tensão de alimentação de placa do modulador (Ebmod):"),
           makeEdit(g, "EEbmod", FieldW, FieldH), QStringLiteral("V"));
    addRow(grid, 3, tx("Corrente mínima do modulador (repouso) (I0mod):"),
           makeEdit(g, "EIb0mod", FieldW, FieldH), QStringLiteral("mA"));
    addRow(grid, 4, tx("Corrente máxima do modulador (máximo sinal) (I1mod):"),
           makeEdit(g, "EIb1mod", FieldW, FieldH), QStringLiteral("mA"));
    addRow(grid, 5, tx("Impedância placa a placa do modulador (Zmod):"),
           makeEdit(g, "EZmod", FieldW, FieldH), QStringLiteral("ohms"));
    alignRight(grid);
}

void buildRfInputs(QWidget* page)
{
    auto* g = makeGroup(page, tx(" Etapa de RF modulada "), "GBEtapaRFTM");
    g->setGeometry(LeftX, 184, LeftW, 88);
    auto* grid = gridOf(g);
    addRow(grid, 0, tx("Tensão de Alimentação da etapa de RF (EbRF):"),
           makeEdit(g, "EEbrf", FieldW, FieldH), QStringLiteral("V"));
    addRow(grid, 1, tx("Corrente contínua consumida na etapa de RF (IbRF):"),
           makeEdit(g, "EIbrf", FieldW, FieldH), QStringLiteral("mA"));
    auto* zrf = makeResultField(g, "LZrf", 78);
    grid->addWidget(makeLabel(g, tx("Impedância da etapa de RF vista pelo modulador "
                                    "(Zrf):")),
                    2, 0);
    grid->addWidget(zrf, 2, 1, 1, 2);
    alignRight(grid);
}

void buildCore(QWidget* page)
{
    auto* g = makeGroup(page, tx(" Núcleo "), "GBNucleoTM");
    g->setGeometry(LeftX, 276, LeftW, 190);
    auto* grid = gridOf(g);

    auto* bmax = new QHBoxLayout;
    bmax->setSpacing(4);
    const QString bmaxCaption = tx("Densidade máxima permitida no núcleo (Bmax) =");
    bmax->addWidget(makeLabel(g, bmaxCaption));
    auto* bmaxField = makeEdit(g, "EBmax", FieldW, FieldH);
    nameField(bmaxField, bmaxCaption);
    bmax->addWidget(bmaxField);
    bmax->addWidget(makeLabel(g, QStringLiteral("Gauss")));
    bmax->addStretch(1);
    grid->addLayout(bmax, 0, 0, 1, 5);

    // Each combo with the side of the ideal square section beside it. The two
    // column heads stand flush with their fields, an em apart, so that they read
    // as two heads and not as one phrase.
    auto* chosenHead = makeLabel(g, tx("selecionada"));
    grid->addWidget(chosenHead, 1, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel(g, tx("calculada")), 1, 2, Qt::AlignLeft);
    const int em = QFontInfo(g->font()).pixelSize();
    grid->setColumnMinimumWidth(1, chosenHead->sizeHint().width() + em - grid->horizontalSpacing());
    addCoreDimensionRow(grid, 2, tx("Altura do empilhamento núcleo (En):"), "CBTMEn", "ETMEnc",
                        {60, 52, FieldH});
    addCoreDimensionRow(grid, 3, tx("Largura perna central núcleo (Bn):"), "CBTMBn", "ETMBnc",
                        {60, 52, FieldH});

    grid->addWidget(makeLabel(g, tx("Resultados das seções quadradas:")), 4, 0, 1, 5);
    auto* sections = new QHBoxLayout;
    sections->setSpacing(4);
    sections->addWidget(makeLabel(g, tx("Seção calculada")));
    sections->addWidget(makeResultField(g, "LSn", 56));
    sections->addSpacing(12);
    sections->addWidget(makeLabel(g, tx("Seção selecionada")));
    sections->addWidget(makeResultField(g, "LSne", 56));
    sections->addWidget(makeLabel(g, QStringLiteral("cm^2")));
    sections->addStretch(1);
    grid->addLayout(sections, 5, 0, 1, 5);

    auto* aval = new QHBoxLayout;
    aval->setSpacing(grid->horizontalSpacing());
    aval->addWidget(makeVerdict(g, "LTMAval"), 1);
    auto* vis = makeButton(g, "BBVisNucleoTM", tx("Visualiza núcleo"));
    vis->setFixedHeight(24);
    aval->addWidget(vis);
    grid->addLayout(aval, 6, 0, 1, 5);

    auto* ae = new QHBoxLayout;
    ae->setSpacing(grid->horizontalSpacing());
    ae->addWidget(makeLabel(g, tx("Altura do entreferro (\"air gap\") calculado (Ae) = ")));
    ae->addWidget(makeResultField(g, "LAe", 80));
    ae->addStretch(1);
    grid->addLayout(ae, 7, 0, 1, 5);
    grid->setColumnStretch(4, 1);
}

// Returns the group's bottom edge.
int buildAnalysisType(QWidget* page)
{
    auto* g = makeGroup(page, tx("Tipo da Análise"), "GBTipoAnaliseTM");
    auto* box = new QVBoxLayout(g);
    box->setContentsMargins(10, 2, 8, 4);
    box->setSpacing(1);
    // One parent: the three exclude each other.
    box->addWidget(makeRadio(g, "RBNormal", tx("Radical (0% de sobra de potência)")));
    box->addWidget(
        makeRadio(g, "RBConserv", tx("Conservadora (mais de 25% de sobra de potência)")));
    box->addWidget(
        makeRadio(g, "RBMuitoCons", tx("Muito conservadora (mais de 50% de sobra de potência)")));
    // As tall as its title and three whole radio buttons ask.
    g->setGeometry(LeftX, 470, LeftW, g->sizeHint().height());
    return g->geometry().bottom();
}

// Where a label's text box sits against the point of the drawing it is placed by.
enum class Edge { Top, Bottom, Middle };

// A label laid over the diagram at a point of the drawing: `h` says whether its
// text starts at, ends at or is centred on the point's x, `v` which edge of its
// box lies on the point's y. The box is as tall as a line of its font and at
// least as wide as its text, so that its text grows away from the part it names.
QLabel* onDiagram(QWidget* panel, QLabel* l, QPoint at, Qt::Alignment h, Edge v, int width)
{
    l->setParent(panel);
    l->setContentsMargins(0, 0, 0, 0);
    l->setFrameShape(QFrame::NoFrame);
    l->setMinimumWidth(0);
    l->setAlignment(h | Qt::AlignVCenter);
    const int w = std::max(width, l->sizeHint().width());
    const int ht = l->fontMetrics().height();
    const int x = h & Qt::AlignRight ? at.x() - w : h & Qt::AlignHCenter ? at.x() - w / 2 : at.x();
    const int y = v == Edge::Bottom ? at.y() - ht : v == Edge::Middle ? at.y() - ht / 2 : at.y();
    l->setGeometry(x, y, w, ht);
    // A press anywhere on the diagram belongs to the picture under it.
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

QLabel* value(QWidget* panel, const char* name, QPoint at, Qt::Alignment h, Edge v, int width)
{
    // On the drawing's white paper a value has no field of its own.
    QLabel* l = makeResult(panel, name);
    l->setProperty(kOpaqueResult, false);
    l->setAutoFillBackground(false);
    return onDiagram(panel, l, at, h, v, width);
}

// Captions are bold. The four of the reactor coupling carry a name, since the
// coupling shows and hides them, and their texts from the start, so that their
// boxes fit them.
QLabel* caption(QWidget* panel, const char* text, QPoint at, Qt::Alignment h, Edge v,
                const char* name = nullptr)
{
    auto* l = makeLabel(panel, QString::fromUtf8(text), name);
    QFont bold; // what is set below; the rest follows the window
    bold.setBold(true);
    l->setFont(bold);
    return onDiagram(panel, l, at, h, v, 0);
}

void buildDiagram(QWidget* page)
{
    using namespace diagram;
    using schematic::Bulge;
    const QFontMetrics fm(page->font());
    // White between a text box and the line it sits against (the box's own
    // leading adds to it), between a text and a winding beside it, and the pitch
    // of stacked lines, one pixel apart.
    const int clear = fm.height() / 3;
    const int aside = fm.height() / 2;
    const int pitch = fm.height() + 1;
    constexpr int TerminalReach = 4;          // an open terminal's circle, pen included
    constexpr int PlateReach = PlateHalf + 2; // the capacitor's plates, their thick pen included

    // Right-aligned in the column, clear of the tab's title.
    auto* sel = makeCombo(page, "CBSelTM", 130);
    sel->move(RightX + RightW - 130, 3);
    auto* selCaption = makeLabel(page, tx("Seleção da configuração do modulador:"));
    const int selWidth = selCaption->sizeHint().width();
    selCaption->setGeometry(sel->x() - aside - selWidth, 4, selWidth, 20);
    selCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("PDiagrama"));
    panel->setGeometry(RightX, 28, RightW, Height);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);

    for (ModulatorDiagram* img :
         {static_cast<ModulatorDiagram*>(new ConvModulatorDiagram(panel)),
          static_cast<ModulatorDiagram*>(new ReactorModulatorDiagram(panel))})
        img->setGeometry(0, 0, Width, Height);

    const Qt::Alignment L = Qt::AlignLeft, R = Qt::AlignRight, C = Qt::AlignHCenter;
    const int besideCoil = PrimaryX - aside; // right end of the primary's labels

    // Fixed captions, the same in both couplings.
    caption(panel, QT_TRANSLATE_NOOP("kelvora", "Transformador"), {CoreX + 2, 10}, C, Edge::Top);
    caption(panel, QT_TRANSLATE_NOOP("kelvora", "Modulador"), {20, CentreTap}, L, Edge::Middle);
    caption(panel, QT_TRANSLATE_NOOP("kelvora", "+B Mod"), {104, CentreTap - TerminalReach - clear},
            L, Edge::Bottom);
    // Over the choke's turns, the lower line clear of them.
    const QPoint choke{(ChokeLeft + ChokeRight) / 2, SecondaryTop - Bulge - 1 - clear};
    caption(panel, QT_TRANSLATE_NOOP("kelvora", "Choque"), choke - QPoint(0, pitch), C,
            Edge::Bottom);
    caption(panel, QT_TRANSLATE_NOOP("kelvora", "de RF"), choke, C, Edge::Bottom);
    // Ending under their terminals, inside the circuit's width.
    caption(panel, QT_TRANSLATE_NOOP("kelvora", "Placa da etapa de RF"),
            {TerminalX, SecondaryTop + TerminalReach + clear}, R, Edge::Top);
    caption(panel, QT_TRANSLATE_NOOP("kelvora", "+B da RF"),
            {TerminalX, SecondaryBottom - TerminalReach - clear}, R, Edge::Bottom);

    // Each valve sees half the plate-to-plate load: over and under the plate
    // leads, from the envelope to where the lead turns into the winding.
    const int plateLabelX = Valve1.x() + ValveRadius + 4;
    auto* zpl1 = value(panel, "LZpl1", {PrimaryX, Valve1.y() - clear}, R, Edge::Bottom,
                       PrimaryX - plateLabelX);
    auto* zpl2 = value(panel, "LZpl2", {PrimaryX, Valve2.y() + clear}, R, Edge::Top,
                       PrimaryX - plateLabelX);
    for (QLabel* z : {zpl1, zpl2})
        z->setToolTip(tx("Impedância de Placa = Zpp/2"));
    // Turns and wire of each primary half, about the middle of its half of the winding.
    const int upper = (PrimaryTop + CentreTap) / 2, lower = (CentreTap + PrimaryBottom) / 2;
    const int primaryW = besideCoil - 80;
    value(panel, "LNp1", {besideCoil, upper}, R, Edge::Bottom, primaryW);
    value(panel, "LSfp1", {besideCoil, upper + 1}, R, Edge::Top, primaryW);
    value(panel, "LNp2", {besideCoil, lower}, R, Edge::Bottom, primaryW);
    value(panel, "LSfp2", {besideCoil, lower + 1}, R, Edge::Top, primaryW);
    // Secondary: turns and wire about its middle, then the RF stage's impedance it
    // works into; in the strip left of the reactor's lead, which the reactor coupling draws.
    const int sec = SecondaryX + aside, secondary = (SecondaryTop + SecondaryBottom) / 2;
    const int strip = ReactorX - aside - sec;
    value(panel, "LNs", {sec, secondary}, L, Edge::Bottom, strip);
    value(panel, "LSfs", {sec, secondary + 1}, L, Edge::Top, strip);
    value(panel, "LZrf2", {sec, secondary + 1 + pitch + clear}, L, Edge::Top, strip);

    // Reactor coupling only: the capacitor named over its plates, its value under them.
    const int overPlates = SecondaryTop - PlateReach - clear;
    caption(panel, "Capacitor de", {CapacitorX, overPlates - pitch}, C, Edge::Bottom, "LCapAcopl1");
    caption(panel, "Acoplamento", {CapacitorX, overPlates}, C, Edge::Bottom, "LCapAcopl2");
    value(panel, "LCMod", {CapacitorX, SecondaryTop + PlateReach + clear}, C, Edge::Top,
          2 * (ReactorX - aside - CapacitorX));
    // The reactor's name and values right of its core, about the reactor's middle.
    const int reac = ReactorCoreX + aside;
    const int block = 4 * pitch + clear;
    const int reacTop = (ReactorTop + ReactorBottom - block) / 2;
    caption(panel, "Reator de", {reac, reacTop}, L, Edge::Top, "LReatMod1");
    caption(panel, "Modulação", {reac, reacTop + pitch}, L, Edge::Top, "LReatMod2");
    value(panel, "LRMInd", {reac, reacTop + 2 * pitch + clear}, L, Edge::Top, 90);
    value(panel, "LRMCorr", {reac, reacTop + 3 * pitch + clear}, L, Edge::Top, 90);

    // The RF stage's output network opens from under its +B terminal, in the
    // diagram's empty lower right corner, so no group of the tab moves. A
    // control of the page laid over the paper, not of the drawing: Tab then
    // reaches it right after the RF stage's fields, beside which it stands.
    auto* pi = makeButton(page, "BCircuitoPI", tx("Circuito PI de saída"));
    const QSize piSize = pi->sizeHint();
    pi->setGeometry(panel->x() + TerminalX + TerminalReach - piSize.width(),
                    panel->y() + SecondaryBottom + TerminalReach + aside, piSize.width(),
                    piSize.height());

    // Where the last press on the diagram was; hidden.
    makeLabel(panel, {}, "LPosX")->move(4, Height - 16);
    makeLabel(panel, {}, "LPosY")->move(40, Height - 16);
}

void buildTransformerResults(QWidget* page)
{
    auto* g = makeGroup(page, tx(" Transformador de modulação "), "GBResultadosTM");
    g->setGeometry(RightX, 313, RightW, 132);
    auto* grid = gridOf(g);
    auto* ratios = new QHBoxLayout;
    ratios->setSpacing(grid->horizontalSpacing());
    ratios->addWidget(makeLabel(g, QStringLiteral("(Zpp / Zs) =")));
    ratios->addWidget(makeResultField(g, "LKz", 60));
    ratios->addSpacing(24);
    ratios->addWidget(makeLabel(g, QStringLiteral("(Npp / Ns) =")));
    ratios->addWidget(makeResultField(g, "LKn", 60));
    ratios->addSpacing(12);
    // What the construction of this transformer says; the group has no row to spare.
    ratios->addWidget(makeSummaryLabel(g, "LCoResumoTM"), 1);
    grid->addLayout(ratios, 0, 0, 1, 2);
    grid->addWidget(makeLabel(g, tx("Indução corrente contínua no primário (Bcp) = ")), 1, 0);
    grid->addWidget(makeResultField(g, "LBcp", 110), 1, 1);
    grid->addWidget(makeLabel(g, tx("Indução corrente contínua no secundário (Bcs) = ")), 2, 0);
    grid->addWidget(makeResultField(g, "LBcs", 110), 2, 1);
    grid->addWidget(makeLabel(g, tx("Indução corrente contínua total (Bcp + Bcs) = ")), 3, 0);
    grid->addWidget(makeResultField(g, "LBc", 110), 3, 1);
    // "Construção" on this transformer's verdict row, level with "Visualiza núcleo"
    // across the column gap (the core group beside it has no room left).
    auto* aval = new QHBoxLayout;
    aval->setSpacing(grid->horizontalSpacing());
    auto* construcao = makeButton(g, "BBConstrucaoTM", tx("Construção"));
    construcao->setFixedHeight(24);
    aval->addWidget(construcao);
    aval->addWidget(makeVerdict(g, "LTMBcAval"), 1);
    grid->addLayout(aval, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
}

// Its bottom edge lines up with `bottom`, the left column's.
void buildPowerResults(QWidget* page, int bottom)
{
    auto* g = makeGroup(page, tx(" Potência do modulador "), "GBPotenciaTM");
    g->setGeometry(QRect(QPoint(RightX, 449), QPoint(RightX + RightW - 1, bottom)));
    auto* grid = gridOf(g);
    grid->addWidget(makeLabel(g, tx("Potência de entrada corrente contínua da etapa de "
                                    "RF (PccRF):")),
                    0, 0);
    grid->addWidget(makeResultField(g, "LPccRF", 110), 0, 1);
    grid->addWidget(makeLabel(g, tx("Potência mínima necessária no modulador para 100% "
                                    "de modul:")),
                    1, 0);
    grid->addWidget(makeResultField(g, "LPMinMod", 110), 1, 1);
    grid->addWidget(makeLabel(g, tx("Sobra de potência na etapa moduladora (Pextra):")), 2, 0);
    grid->addWidget(makeResultField(g, "LPextra", 110), 2, 1);
    grid->addWidget(makeVerdict(g, "LTMPAval"), 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
}

void buildReport(QWidget* page)
{
    auto* g = makeGroup(page, tx("Salva resultados em arquivo texto "), "GBSalvaTM");
    g->setGeometry(LeftX, 560, RightX + RightW - LeftX, 80);
    auto* user = makeEdit(g, "EUserNameTM", 520);
    user->setGeometry(12, 20, 520, 22);
    auto* app = makeEdit(g, "EApplicationTM", 520);
    app->setGeometry(12, 48, 520, 22);
    auto* save = makeButton(g, "BSalva_TM", tx("Grava cálculos em arquivo texto (*.txt)"));
    save->setGeometry(560, 26, 320, 36);
}

} // namespace

void buildModValvulTab(QWidget* page)
{
    makeTitle(page, tx("Transformadores de Modulação - Classe B valvulado"), "LTituloTM", 15)
        ->move(LeftX, 4);
    buildModulatorInputs(page);
    buildRfInputs(page);
    buildCore(page);
    const int leftBottom = buildAnalysisType(page);
    buildDiagram(page);
    buildTransformerResults(page);
    buildPowerResults(page, leftBottom);
    buildReport(page);
}

} // namespace kelvora
