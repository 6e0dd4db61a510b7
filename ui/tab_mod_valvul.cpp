#include "form_helpers.h"
#include "modulator_diagram.h"
#include "tab_builders.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>

namespace kelvora {

namespace {

constexpr int LeftX = 6, LeftW = 410;    // input groups
constexpr int RightX = 420, RightW = 497; // coupling, diagram, results
constexpr int FieldW = 40, FieldH = 20;
constexpr int ResultH = 18;

QLabel* result(QWidget* parent, const char* name, int width = 90)
{
    auto* l = makeResult(parent, name, width);
    l->setFixedHeight(ResultH);
    l->setFrameShape(QFrame::StyledPanel);
    return l;
}

QLabel* verdict(QWidget* parent, const char* name)
{
    auto* l = makeResult(parent, name);
    l->setFixedHeight(22);
    l->setFrameShape(QFrame::StyledPanel);
    l->setAlignment(Qt::AlignCenter);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

QGridLayout* gridOf(QGroupBox* group)
{
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(5, 2, 5, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    return grid;
}

// Fields and units flush right, so that the two input groups line up.
void alignRight(QGridLayout* grid)
{
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(2, 34);
}

QLineEdit* input(QWidget* parent, const char* name)
{
    auto* e = makeEdit(parent, name, FieldW);
    e->setFixedHeight(FieldH);
    return e;
}

void buildModulatorInputs(QWidget* page)
{
    auto* g = makeGroup(page, QStringLiteral(" Etapa moduladora "), "GBModuladorTM");
    g->setGeometry(LeftX, 26, LeftW, 154);
    auto* grid = gridOf(g);
    addRow(grid, 0, QStringLiteral("Potência de áudio do modulador (PaMod):"), input(g, "EPaMod"),
           QStringLiteral("W"));
    addRow(grid, 1, QStringLiteral("Freqüência mínima de áudio a reproduzir (Fmin):"),
           input(g, "EFmin"), QStringLiteral("Hz"));
    addRow(grid, 2, QStringLiteral("Tensão de alimentação de placa do modulador (Ebmod):"),
           input(g, "EEbmod"), QStringLiteral("V"));
    addRow(grid, 3, QStringLiteral("Corrente mínima do modulador (repouso) (I0mod):"),
           input(g, "EIb0mod"), QStringLiteral("mA"));
    addRow(grid, 4, QStringLiteral("Corrente máxima do modulador (máximo sinal) (I1mod):"),
           input(g, "EIb1mod"), QStringLiteral("mA"));
    addRow(grid, 5, QStringLiteral("Impedância placa a placa do modulador (Zmod):"),
           input(g, "EZmod"), QStringLiteral("ohms"));
    alignRight(grid);
}

void buildRfInputs(QWidget* page)
{
    auto* g = makeGroup(page, QStringLiteral(" Etapa de RF modulada "), "GBEtapaRFTM");
    g->setGeometry(LeftX, 184, LeftW, 88);
    auto* grid = gridOf(g);
    addRow(grid, 0, QStringLiteral("Tensão de Alimentação da etapa de RF (EbRF):"),
           input(g, "EEbrf"), QStringLiteral("V"));
    addRow(grid, 1, QStringLiteral("Corrente contínua consumida na etapa de RF (IbRF):"),
           input(g, "EIbrf"), QStringLiteral("mA"));
    auto* zrf = result(g, "LZrf", 78);
    grid->addWidget(makeLabel(g, QStringLiteral("Impedância da etapa de RF vista pelo modulador (Zrf):")),
                    2, 0);
    grid->addWidget(zrf, 2, 1, 1, 2);
    alignRight(grid);
}

void buildCore(QWidget* page)
{
    auto* g = makeGroup(page, QStringLiteral(" Núcleo "), "GBNucleoTM");
    g->setGeometry(LeftX, 276, LeftW, 190);
    auto* grid = gridOf(g);

    auto* bmax = new QHBoxLayout;
    bmax->setSpacing(4);
    bmax->addWidget(makeLabel(g, QStringLiteral("Densidade máxima permitida no núcleo (Bmax) =")));
    bmax->addWidget(input(g, "EBmax"));
    bmax->addWidget(makeLabel(g, QStringLiteral("Gauss")));
    bmax->addStretch(1);
    grid->addLayout(bmax, 0, 0, 1, 5);

    // Each combo with the side of the ideal square section beside it.
    grid->addWidget(makeLabel(g, QStringLiteral("selecionada")), 1, 1, Qt::AlignHCenter);
    grid->addWidget(makeLabel(g, QStringLiteral("calculada")), 1, 2, Qt::AlignHCenter);
    auto comboRow = [&](int row, const QString& caption, const char* combo, const char* calc) {
        grid->addWidget(makeLabel(g, caption), row, 0);
        auto* c = makeCombo(g, combo, 60);
        c->setFixedHeight(FieldH + 1);
        grid->addWidget(c, row, 1);
        auto* e = input(g, calc);
        e->setFixedWidth(52);
        e->setEnabled(false);
        grid->addWidget(e, row, 2);
        grid->addWidget(makeLabel(g, QStringLiteral("mm")), row, 3);
    };
    comboRow(2, QStringLiteral("Altura do empilhamento núcleo (En):"), "CBTMEn", "ETMEnc");
    comboRow(3, QStringLiteral("Largura perna central núcleo (Bn):"), "CBTMBn", "ETMBnc");

    grid->addWidget(makeLabel(g, QStringLiteral("Resultados das seções quadradas:")), 4, 0, 1, 5);
    auto* sections = new QHBoxLayout;
    sections->setSpacing(4);
    sections->addWidget(makeLabel(g, QStringLiteral("Seção calculada")));
    sections->addWidget(result(g, "LSn", 56));
    sections->addSpacing(12);
    sections->addWidget(makeLabel(g, QStringLiteral("Seção selecionada")));
    sections->addWidget(result(g, "LSne", 56));
    sections->addWidget(makeLabel(g, QStringLiteral("cm^2")));
    sections->addStretch(1);
    grid->addLayout(sections, 5, 0, 1, 5);

    auto* aval = new QHBoxLayout;
    aval->addWidget(verdict(g, "LTMAval"), 1);
    auto* vis = makeButton(g, "BBVisNucleoTM", QStringLiteral("Visualiza núcleo"));
    vis->setFixedHeight(24);
    aval->addWidget(vis);
    grid->addLayout(aval, 6, 0, 1, 5);

    auto* ae = new QHBoxLayout;
    ae->addWidget(makeLabel(g, QStringLiteral("Altura do entreferro (\"air gap\") calculado (Ae) = ")));
    ae->addWidget(result(g, "LAe", 80));
    ae->addStretch(1);
    grid->addLayout(ae, 7, 0, 1, 5);
    grid->setColumnStretch(4, 1);
}

void buildAnalysisType(QWidget* page)
{
    auto* g = makeGroup(page, QStringLiteral("Tipo da Análise"), "GBTipoAnaliseTM");
    g->setGeometry(LeftX, 470, LeftW, 84);
    auto* box = new QVBoxLayout(g);
    box->setContentsMargins(10, 2, 8, 4);
    box->setSpacing(1);
    // One parent: the three exclude each other.
    box->addWidget(makeRadio(g, "RBNormal", QStringLiteral("Radical (0% de sobra de potência)")));
    box->addWidget(makeRadio(g, "RBConserv",
                             QStringLiteral("Conservadora (mais de 25% de sobra de potência)")));
    box->addWidget(makeRadio(g, "RBMuitoCons",
                             QStringLiteral("Muito conservadora (mais de 50% de sobra de potência)")));
}

// A label laid over the diagram at a point of the drawing, aligned so that
// its text grows away from the part it names.
QLabel* onDiagram(QWidget* panel, QLabel* l, int x, int y, int w, Qt::Alignment align)
{
    l->setParent(panel);
    l->setMinimumWidth(0);
    l->setGeometry(x, y, w, 14);
    l->setAlignment(align | Qt::AlignVCenter);
    l->setContentsMargins(0, 0, 0, 0);
    l->setFrameShape(QFrame::NoFrame);
    // A press anywhere on the diagram belongs to the picture under it.
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

QLabel* value(QWidget* panel, const char* name, int x, int y, int w, Qt::Alignment align)
{
    return onDiagram(panel, makeResult(panel, name), x, y, w, align);
}

QLabel* caption(QWidget* panel, const char* text, int x, int y, int w, Qt::Alignment align,
                const char* name = nullptr)
{
    auto* l = onDiagram(panel, makeLabel(panel, QString::fromUtf8(text), name), x, y, w, align);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

void buildDiagram(QWidget* page)
{
    using namespace diagram;
    // Right-aligned in the column, clear of the tab's title.
    auto* sel = makeCombo(page, "CBSelTM", 130);
    sel->move(RightX + RightW - 130, 3);
    auto* selCaption = makeLabel(page, QStringLiteral("Seleção da configuração do modulador:"));
    selCaption->setGeometry(RightX, 4, RightW - 130 - 6, 20);
    selCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("PDiagrama"));
    panel->setGeometry(RightX, 28, RightW, Height);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);

    for (ModulatorDiagram* img : {static_cast<ModulatorDiagram*>(new ConvModulatorDiagram(panel)),
                                  static_cast<ModulatorDiagram*>(new ReactorModulatorDiagram(panel))})
        img->setGeometry(0, 0, Width, Height);

    const Qt::Alignment L = Qt::AlignLeft, R = Qt::AlignRight, C = Qt::AlignHCenter;
    const int plateLabelX = Valve1.x() + ValveRadius + 4;
    const int besideCoil = PrimaryX - 4; // right end of the primary's labels

    // Fixed captions, the same in both couplings.
    caption(panel, "Transformador", CoreX - 50, 10, 104, C);
    caption(panel, "Modulador", 20, CentreTap - 7, 76, L);
    caption(panel, "+B Mod", 104, CentreTap - 20, 50, L);
    caption(panel, "Choque", ChokeLeft, SecondaryTop - 36, ChokeRight - ChokeLeft, C);
    caption(panel, "de RF", ChokeLeft, SecondaryTop - 23, ChokeRight - ChokeLeft, C);
    caption(panel, "Placa da etapa de RF", TerminalX - 150, SecondaryTop + 7, 170, R);
    caption(panel, "+B da RF", TerminalX - 90, SecondaryBottom - 20, 110, R);

    // Each valve sees half the plate-to-plate load.
    auto* zpl1 = value(panel, "LZpl1", plateLabelX, Valve1.y() - 16, besideCoil - plateLabelX, R);
    auto* zpl2 = value(panel, "LZpl2", plateLabelX, Valve2.y() + 3, besideCoil - plateLabelX, R);
    for (QLabel* z : {zpl1, zpl2})
        z->setToolTip(QStringLiteral("Impedância de Placa = Zpp/2"));
    // Turns and wire of each primary half, beside its half of the winding.
    value(panel, "LNp1", 80, PrimaryTop + 20, besideCoil - 80, R);
    value(panel, "LSfp1", 80, PrimaryTop + 36, besideCoil - 80, R);
    value(panel, "LNp2", 80, CentreTap + 14, besideCoil - 80, R);
    value(panel, "LSfp2", 80, CentreTap + 30, besideCoil - 80, R);
    // Secondary: turns, wire and the RF stage's impedance it works into.
    const int sec = SecondaryX + 8;
    value(panel, "LNs", sec, SecondaryTop + 33, 76, L);
    value(panel, "LSfs", sec, SecondaryTop + 49, 76, L);
    value(panel, "LZrf2", sec, SecondaryTop + 70, 80, L);

    // Reactor coupling only.
    caption(panel, "", CapacitorX - 40, SecondaryTop - 38, 80, C, "LCapAcopl1");
    caption(panel, "", CapacitorX - 40, SecondaryTop - 25, 80, C, "LCapAcopl2");
    value(panel, "LCMod", CapacitorX - 42, SecondaryTop + 13, 84, C);
    const int reac = ReactorX + 22;
    caption(panel, "", reac, ReactorTop - 2, 90, L, "LReatMod1");
    caption(panel, "", reac, ReactorTop + 11, 90, L, "LReatMod2");
    value(panel, "LRMInd", reac, ReactorTop + 30, 90, L);
    value(panel, "LRMCorr", reac, ReactorTop + 45, 90, L);

    // Where the last press on the diagram was; hidden.
    makeLabel(panel, {}, "LPosX")->move(4, Height - 16);
    makeLabel(panel, {}, "LPosY")->move(40, Height - 16);
}

void buildTransformerResults(QWidget* page)
{
    auto* g = makeGroup(page, QStringLiteral(" Transformador de modulação "), "GBResultadosTM");
    g->setGeometry(RightX, 313, RightW, 132);
    auto* grid = gridOf(g);
    auto* ratios = new QHBoxLayout;
    ratios->addWidget(makeLabel(g, QStringLiteral("(Zpp / Zs) =")));
    ratios->addWidget(result(g, "LKz", 60));
    ratios->addSpacing(24);
    ratios->addWidget(makeLabel(g, QStringLiteral("(Npp / Ns) =")));
    ratios->addWidget(result(g, "LKn", 60));
    ratios->addStretch(1);
    grid->addLayout(ratios, 0, 0, 1, 2);
    grid->addWidget(makeLabel(g, QStringLiteral("Indução corrente contínua no primário (Bcp) = ")), 1, 0);
    grid->addWidget(result(g, "LBcp", 110), 1, 1);
    grid->addWidget(makeLabel(g, QStringLiteral("Indução corrente contínua no secundário (Bcs) = ")), 2, 0);
    grid->addWidget(result(g, "LBcs", 110), 2, 1);
    grid->addWidget(makeLabel(g, QStringLiteral("Indução corrente contínua total (Bcp + Bcs) = ")), 3, 0);
    grid->addWidget(result(g, "LBc", 110), 3, 1);
    grid->addWidget(verdict(g, "LTMBcAval"), 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
}

void buildPowerResults(QWidget* page)
{
    auto* g = makeGroup(page, QStringLiteral(" Potência do modulador "), "GBPotenciaTM");
    g->setGeometry(RightX, 449, RightW, 107);
    auto* grid = gridOf(g);
    grid->addWidget(makeLabel(g, QStringLiteral("Potência de entrada corrente contínua da etapa de RF (PccRF):")),
                    0, 0);
    grid->addWidget(result(g, "LPccRF", 110), 0, 1);
    grid->addWidget(makeLabel(g, QStringLiteral("Potência mínima necessária no modulador para 100% de modul:")),
                    1, 0);
    grid->addWidget(result(g, "LPMinMod", 110), 1, 1);
    grid->addWidget(makeLabel(g, QStringLiteral("Sobra de potência na etapa moduladora (Pextra):")), 2, 0);
    grid->addWidget(result(g, "LPextra", 110), 2, 1);
    grid->addWidget(verdict(g, "LTMPAval"), 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
}

void buildReport(QWidget* page)
{
    auto* g = makeGroup(page, QStringLiteral("Salva resultados em arquivo texto "), "GBSalvaTM");
    g->setGeometry(LeftX, 560, RightX + RightW - LeftX, 80);
    auto* user = makeEdit(g, "EUserNameTM", 520);
    user->setGeometry(12, 20, 520, 22);
    auto* app = makeEdit(g, "EApplicationTM", 520);
    app->setGeometry(12, 48, 520, 22);
    auto* save = makeButton(g, "BSalva_TM", QStringLiteral("Grava cálculos em arquivo texto (*.txt)"));
    save->setGeometry(560, 26, 320, 36);
}

} // namespace

void buildModValvulTab(QWidget* page)
{
    makeTitle(page, QStringLiteral("Transformadores de Modulação - Classe B valvulado"),
              "LTituloTM", 15)
        ->move(LeftX, 4);
    buildModulatorInputs(page);
    buildRfInputs(page);
    buildCore(page);
    buildAnalysisType(page);
    buildDiagram(page);
    buildTransformerResults(page);
    buildPowerResults(page);
    buildReport(page);
}

} // namespace kelvora
