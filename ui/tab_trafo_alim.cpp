#include "construction_summary.h"
#include "form_helpers.h"
#include "keyboard.h"
#include "language.h"
#include "panel_layout.h"
#include "tab_builders.h"
#include "trafo_alim.h"
#include "winding_picture.h"

#include <QFrame>
#include <QGridLayout>

#include <string>

namespace kelvora {

namespace {

// The schematic is positioned by pixel: TAEnrolamentos moves the panels to
// tops on an 80-pixel pitch, inside the group's own coordinates.
constexpr int PrimX = 8, PrimW = 200; // primary panels, left of the core
constexpr int CoreX = 214;            // the two core lines
constexpr int SecX = 226, SecW = 236; // secondary panels, right of the core
constexpr int FieldH = 20;

std::string numbered(const char* prefix, int i) { return prefix + std::to_string(i); }

QLineEdit* field(QWidget* parent, const std::string& name, int x, int y, int w, const QString& unit)
{
    auto* e = makeEdit(parent, name.c_str(), w);
    e->setFixedHeight(FieldH);
    e->move(x, y);
    if (!unit.isEmpty())
        makeLabel(parent, unit)->move(x + w + 3, y + 3);
    return e;
}

QLabel* result(QWidget* parent, const std::string& name, int x, int y, int w)
{
    auto* l = makeResult(parent, name.c_str(), w);
    l->setGeometry(x, y, w, FieldH - 2);
    l->setFrameShape(QFrame::StyledPanel);
    return l;
}

QLabel* caption(QWidget* parent, const QString& text, int x, int y)
{
    auto* l = makeLabel(parent, text);
    QFont f; // what is set below; the rest follows the window
    f.setBold(true);
    l->setFont(f);
    l->move(x, y);
    return l;
}

QWidget* panel(QWidget* group, const std::string& name, int x, int top, int w, int h)
{
    auto* p = new QWidget(group);
    p->setObjectName(QString::fromStdString(name));
    p->setGeometry(x, top, w, h);
    return p;
}

// "Primário 1" or "Primário 2": voltage, current, turns and gauge.
void primaryPanel(QWidget* group, int i, int top)
{
    QWidget* p = panel(group, numbered("PPrim", i), PrimX, top, PrimW, PanelHeightPrim);
    caption(p, txArg("Primário %1", i), 4, 2);
    nameField(field(p, numbered("EVp", i), 4, 20, 48, QStringLiteral("V")),
              txArg("Primário %1: tensão (V)", i));
    result(p, numbered("LIprim", i), 78, 21, 78);
    result(p, numbered("LNprim", i), 4, 48, 74);
    result(p, numbered("LSprim", i), 82, 48, 74);
    auto* img = new WindingPicture(p, numbered("ImgPri", i).c_str(), true, 5);
    img->setGeometry(162, 2, 38, PanelHeightPrim - 4);
}

// One winding tapped: the upper section (tap to full voltage) over the lower one
// (common end to the tap).
void tappedPrimaryPanel(QWidget* group)
{
    QWidget* p = panel(group, "PPrim3", PrimX, 312, PrimW, PanelHeightPrimTap);
    caption(p, tx("Primário com derivação"), 4, 2);
    nameField(field(p, "EVp4", 4, 18, 48, QStringLiteral("V")),
              tx("Primário com derivação: tensão total (V)"));
    result(p, "LIprim4", 78, 19, 78);
    result(p, "LNprim4", 4, 44, 74);
    result(p, "LSprim4", 82, 44, 74);
    nameField(field(p, "EVp3", 4, 98, 48, QStringLiteral("V")),
              tx("Primário com derivação: tensão da derivação (V)"));
    result(p, "LIprim3", 78, 99, 78);
    result(p, "LNprim3", 4, 124, 74);
    result(p, "LSprim3", 82, 124, 74);
    field(p, "EVprim0V", 4, 190, 48, QStringLiteral("V"));
    auto* upper = new WindingPicture(p, "ImgPri3", true, 5);
    upper->setGeometry(162, 22, 38, 86);
    auto* lower = new WindingPicture(p, "ImgPri4", true, 5);
    lower->setGeometry(162, 108, 38, 94);
}

void secondaryPanel(QWidget* group, int i)
{
    QWidget* p = panel(group, numbered("PSec", i), SecX, 32 + 80 * (i - 1), SecW, PanelHeightSec);
    auto* img = new WindingPicture(p, numbered("ImgSec", i).c_str(), false, 4);
    img->setGeometry(0, 2, 36, PanelHeightSec - 4);
    caption(p, txArg("Secundário %1", i), 42, 2);
    nameField(field(p, numbered("EVs", i), 42, 20, 52, QStringLiteral("V")),
              txArg("Secundário %1: tensão (V)", i));
    nameField(field(p, numbered("EIs", i), 124, 20, 58, QStringLiteral("mA")),
              txArg("Secundário %1: corrente (mA)", i));
    result(p, numbered("LNs", i), 42, 48, 88);
    result(p, numbered("LSs", i), 136, 48, 82);
}

QFrame* coreLine(QWidget* group, const char* name, int x)
{
    auto* line = new QFrame(group);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(x, 28, 1, 240);
    line->setAutoFillBackground(true);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, Qt::black);
    line->setPalette(pal);
    return line;
}

void buildSchematic(QWidget* page)
{
    auto* group = makeGroup(page, tx(" Transformador  "), "GBTransformador");
    group->setGeometry(8, 6, 470, 522);

    primaryPanel(group, 1, 16);
    primaryPanel(group, 2, 176);
    tappedPrimaryPanel(group);
    coreLine(group, "LinhaNucleo1", CoreX);
    coreLine(group, "LinhaNucleo2", CoreX + 5);
    for (int i = 1; i <= 6; ++i)
        secondaryPanel(group, i);

    // Winding configuration, below the tallest primary arrangement.
    makeLabel(group, tx("Primário:"))->move(12, 450);
    auto* pri = makeCombo(group, "CNumPri", 96);
    pri->move(104, 446);
    makeLabel(group, tx("Secundários:"))->move(12, 482);
    auto* sec = makeCombo(group, "CNumSec", 48);
    sec->move(104, 478);
}

void buildOperation(QWidget* page)
{
    auto* group = makeGroup(page, tx(" Dados de operação "), "GBOperacaoTA");
    // Keyboard order: what the transformer runs on, then its windings.
    group->setProperty(kReadFirst, true);
    group->setGeometry(486, 6, 427, 104);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(10, 6, 10, 6);
    grid->setVerticalSpacing(4);
    addRow(grid, 0, tx("Freqüência de operação (Fo):"), makeEdit(group, "EFo", 80),
           QStringLiteral("Hz"));
    addRow(grid, 1, tx("Densidade máxima no núcleo (Bmax):"), makeCombo(group, "CBTaBmax", 80),
           QStringLiteral("Gauss"));
    addRow(grid, 2, tx("Eficiência adotada (n):"), makeCombo(group, "CBTaEff", 80),
           QStringLiteral("%"));
    grid->setColumnStretch(3, 1);
}

void buildCoreSelection(QWidget* page)
{
    auto* group = makeGroup(page, tx("Seleção do núcleo "), "GBNucleoTA");
    group->setGeometry(486, 114, 427, 236);

    const QString bn = tx("Largura perna central núcleo (Bn):");
    makeLabel(group, bn)->move(12, 27);
    nameField(field(group, "EBn1", 230, 24, 56, QStringLiteral("mm")), bn);
    const QString en = tx("Altura do empilhamento núcleo (En):");
    makeLabel(group, en)->move(12, 53);
    nameField(field(group, "EEn1", 230, 50, 56, QStringLiteral("mm")), en);

    auto* e = makeRadio(group, "RBNucleoE", tx("Lâminas formato E/I"));
    e->move(12, 78);
    auto* u = makeRadio(group, "RBNucleoU", tx("Lâminas formato  U/I ou U/U"));
    u->move(180, 78);

    // The chosen section beside the needed one.
    makeLabel(group, tx("Seção"))->move(12, 124);
    makeLabel(group, tx("selecionada"))->move(120, 104);
    makeLabel(group, tx("calculada"))->move(230, 104);
    result(group, "LSns", 120, 122, 90);
    result(group, "LSnu", 230, 122, 90);
    makeLabel(group, QStringLiteral("cm^2"))->move(326, 124);

    makeLabel(group, tx("Resultados das seções quadradas:"))->move(12, 152);
    auto* enc = field(group, "EEnc", 230, 149, 56, QString());
    enc->setEnabled(false);
    makeLabel(group, QStringLiteral("x"))->move(292, 152);
    auto* bnc = field(group, "EBnc", 304, 149, 56, QStringLiteral("mm"));
    bnc->setEnabled(false);

    auto* aval = makeResult(group, "LAlimAval");
    aval->setGeometry(12, 180, 260, 24);
    aval->setFrameShape(QFrame::StyledPanel);
    aval->setAlignment(Qt::AlignCenter);
    QFont bold; // what is set below; the rest follows the window
    bold.setBold(true);
    aval->setFont(bold);

    auto* vis = makeButton(group, "BBVisNucleoTA", tx("Visualiza núcleo"));
    vis->setGeometry(290, 172, 124, 26);
    makeButton(group, "BBConstrucaoTA", tx("Construção"))->setGeometry(290, 202, 124, 26);
    makeSummaryLabel(group, "LCoResumoTA")->setGeometry(12, 206, 260, 22);
}

void buildOtherResults(QWidget* page)
{
    auto* group = makeGroup(page, tx(" Demais resultados do cálculo"), "GBResultadosTA");
    group->setGeometry(486, 354, 427, 174);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setVerticalSpacing(6);
    grid->addWidget(makeLabel(group, tx("Primário")), 0, 1);
    grid->addWidget(makeLabel(group, tx("Secundário")), 0, 2);
    grid->addWidget(makeLabel(group, tx("Tensão específica = ")), 1, 0);
    grid->addWidget(result(group, "LVep", 0, 0, 66), 1, 1);
    grid->addWidget(result(group, "LVes", 0, 0, 66), 1, 2);
    grid->addWidget(makeLabel(group, tx("Volt/Espira")), 1, 3);
    grid->addWidget(makeLabel(group, tx("Potência aparente = ")), 2, 0);
    grid->addWidget(result(group, "LPap", 0, 0, 66), 2, 1);
    grid->addWidget(result(group, "LPas", 0, 0, 66), 2, 2);
    grid->addWidget(makeLabel(group, QStringLiteral("VA")), 2, 3);
    grid->addWidget(makeLabel(group, tx("Fator de perdas no secundário = ")), 3, 0);
    grid->addWidget(result(group, "LVsec", 0, 0, 66), 3, 1);
    grid->addWidget(makeLabel(group, tx("Frequência de Operação = ")), 4, 0);
    grid->addWidget(result(group, "LFo", 0, 0, 66), 4, 1);
    grid->addWidget(makeLabel(group, QStringLiteral("Hz")), 4, 2);
    // The rectifier and filter this transformer feeds, simulated on its windings;
    // here because the core group's right column holds the core's two buttons.
    grid->addWidget(makeButton(group, "BBFonteTA", tx("Fonte")), 3, 2, 1, 2);
    grid->setColumnStretch(4, 1);
    grid->setHorizontalSpacing(6);
}

void buildReport(QWidget* page)
{
    makeReportGroup(page, "GBSalvaTA", "EUserNameTA", "EApplicationTA", "BSalvaTA",
                    tx("Entre com o nome do tranformador ou tipo de aplicação"))
        ->setGeometry(8, 532, 905, 82);
}

} // namespace

void buildTrafoAlimTab(QWidget* page)
{
    buildSchematic(page);
    buildOperation(page);
    buildCoreSelection(page);
    buildOtherResults(page);
    buildReport(page);
}

} // namespace kelvora
