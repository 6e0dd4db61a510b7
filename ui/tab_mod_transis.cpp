#include "form_helpers.h"
#include "language.h"
#include "tab_builders.h"
#include "transistor_figure.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QVBoxLayout>

namespace kelvora {

namespace {

constexpr int LeftX = 6, LeftW = 408;     // inputs and the output-stage results
constexpr int RightX = 420, RightW = 495; // figure, drive results, notes
constexpr int FieldW = 56, FieldH = 20;
constexpr int ResultW = 110, ResultH = 18;
constexpr int NotesY = 560, NotesH = 76; // under the drive results, to the page's foot
constexpr int NoteH = 16, NoteGap = 4;

QGridLayout* gridOf(QGroupBox* group)
{
    QGridLayout* grid = makeGrid(group, QMargins(6, 2, 6, 5), 6, 2);
    grid->setColumnStretch(0, 1);
    return grid;
}

// A group of result rows "caption  [value]"; the captions end in " = " or
// "=" as the rows have always read.
QGroupBox* resultGroup(QWidget* page, const QString& title, const char* name, QRect at,
                       std::initializer_list<std::pair<const char*, const char*>> rows)
{
    auto* g = makeGroup(page, title, name);
    g->setGeometry(at);
    auto* grid = gridOf(g);
    int row = 0;
    for (const auto& [label, caption] : rows) {
        auto* l = makeResult(g, label, ResultW);
        l->setFixedSize(ResultW, ResultH);
        l->setFrameShape(QFrame::StyledPanel);
        grid->addWidget(makeLabel(g, QString::fromUtf8(caption)), row, 0);
        grid->addWidget(l, row, 1);
        ++row;
    }
    grid->setRowStretch(row, 1);
    return g;
}

void buildInputs(QWidget* page)
{
    auto* g = makeGroup(page, tx(" Dados de entrada "), "GBEntradaMT");
    g->setGeometry(LeftX, 26, LeftW, 218);
    auto* grid = gridOf(g);
    grid->setColumnMinimumWidth(2, 52);
    struct Row {
        const char* name;
        const char* caption;
        const char* unit;
    };
    const Row rows[] = {
        {"EPo", QT_TRANSLATE_NOOP("kelvora", "Potência de Audio Requerida (Po)"), "W"},
        {"EFm", QT_TRANSLATE_NOOP("kelvora", "Freqüência Mínima de Áudio (Fm)"), "Hz"},
        {"EVcc", QT_TRANSLATE_NOOP("kelvora", "Tensão de Coletor Modulador (Vcc)"), "V"},
        {"ERo", QT_TRANSLATE_NOOP("kelvora", "Impedância da carga (Ro)"), "ohms"},
        {"ERd", QT_TRANSLATE_NOOP("kelvora", "Impedância do Driver (Rd)"), "ohms"},
        {"CBIc0", QT_TRANSLATE_NOOP("kelvora", "Corrente Quiescente (Repouso)"),
         QT_TRANSLATE_NOOP("kelvora", "% de Icm")},
        {"EBetaQ1Q2min", QT_TRANSLATE_NOOP("kelvora", "Ganho de corrente de Q1/Q2 Mínimo"),
         "(beta)"},
        {"EBetaQ1Q2max", QT_TRANSLATE_NOOP("kelvora", "Ganho de corrente de Q1/Q2 Máximo"),
         "(beta)"},
        {"EBetaQ3", QT_TRANSLATE_NOOP("kelvora", "Ganho de corrente de Q3"), "(beta)"},
    };
    int row = 0;
    for (const Row& r : rows) {
        QWidget* field;
        if (r.name[0] == 'C') {
            auto* c = makeCombo(g, r.name, FieldW);
            c->setEditable(true);
            c->setFixedHeight(FieldH + 1);
            field = c;
        } else {
            field = makeEdit(g, r.name, FieldW, FieldH);
        }
        addRow(grid, row++, QString::fromUtf8(r.caption), field, QString::fromUtf8(r.unit));
    }
    // Working Ro out from the RF stage is not offered yet: the button stays hidden.
    auto* calcRo = makeButton(g, "BCalcRo", tx("Calcula Ro"));
    calcRo->setVisible(false);
    grid->addWidget(calcRo, 3, 3);
}

// A note under the results, italic and maroon. It wraps rather than runs past the
// figure's right edge when the font is wider than the one the form was drawn with.
QLabel* note(QWidget* parent, const char* text, const char* name)
{
    auto* l = makeLabel(parent, QString::fromUtf8(text), name);
    l->setWordWrap(true);
    l->setMinimumHeight(NoteH);
    QFont f; // what is set below; the rest follows the window
    f.setItalic(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kTitleMaroon);
    l->setPalette(p);
    return l;
}

// The two notes stacked from y 560 (the second at 580 as long as the first takes one
// line); the layout gives a wrapped note the height its text needs at the font in force.
void buildNotes(QWidget* page)
{
    auto* box = new QWidget(page);
    box->setGeometry(RightX + 8, NotesY, RightW - 8, NotesH);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(NoteGap);
    column->addWidget(
        note(box,
             QT_TRANSLATE_NOOP("kelvora", "Cálculos dos transformadores e demais variáveis "
                                          "serão incluídos em versão futura..."),
             "LNotaVersaoMT"));
    column->addWidget(note(box,
                           QT_TRANSLATE_NOOP("kelvora", "Cálculos em fase de teste Confira novas "
                                                        "versões para atualização..."),
                           "LNotaTesteMT"));
    column->addStretch(1);
}

} // namespace

void buildModTransisTab(QWidget* page)
{
    makeTitle(page, tx("Modulador - Classe B (AB) transistorizado"), "LTituloMT", 15)
        ->move(LeftX, 4);
    buildInputs(page);

    resultGroup(page, tx(" Etapa de saída (Q1/Q2) "), "GBSaidaMT", QRect(LeftX, 248, LeftW, 186),
                {{"LRc", QT_TRANSLATE_NOOP("kelvora", "Resistência de Coletor (Rc) = ")},
                 {"LVcm", QT_TRANSLATE_NOOP("kelvora", "Tensão máxima de coletor (Vcm) = ")},
                 {"LIcm", QT_TRANSLATE_NOOP("kelvora", "Corrente máxima de Coletor (Icm) = ")},
                 {"LIdc", QT_TRANSLATE_NOOP("kelvora", "Corrente contínua total (Idc) = ")},
                 {"LPi", QT_TRANSLATE_NOOP("kelvora", "Potência de Entrada CC (Pi) = ")},
                 {"LNteor", QT_TRANSLATE_NOOP("kelvora", "Eficiência Teórica (Nteor) = ")},
                 {"LPdiss", QT_TRANSLATE_NOOP("kelvora", "Potência de dissipação de Q1/Q2 = ")},
                 {"LVcemax",
                  QT_TRANSLATE_NOOP("kelvora", "Tensão Coletor-Emissor máx de Q1/Q2 = ")}});
    resultGroup(page, tx(" Polarização (Q3, R1, D1, D2) "), "GBPolarizacaoMT",
                QRect(LeftX, 438, LeftW, 166),
                {{"LIc0", QT_TRANSLATE_NOOP("kelvora", "Corrente Quiescente (Repouso) Ic0 =")},
                 {"LIb", QT_TRANSLATE_NOOP("kelvora", "Corrente de Base de Q1 e Q2 (Ib) =")},
                 {"LI2", QT_TRANSLATE_NOOP("kelvora", "Corrente de base de Q3 (I2) =")},
                 {"LId", QT_TRANSLATE_NOOP("kelvora", "Corrente sobre os diodos (Id) =")},
                 {"LI1", QT_TRANSLATE_NOOP("kelvora", "Corrente sobre resistor R1 (I1) =")},
                 {"LR1", QT_TRANSLATE_NOOP("kelvora", "Valor de Resistência de R1 =")},
                 {"LPR1", QT_TRANSLATE_NOOP("kelvora", "Dissipação de Potência de R1 =")}});

    auto* frame = new QFrame(page);
    frame->setObjectName(QStringLiteral("PFiguraMT"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(RightX, 4, RightW, TransistorFigure::DrawingHeight + 4);
    auto* figure = new TransistorFigure(frame);
    figure->setGeometry(0, 2, RightW, TransistorFigure::DrawingHeight);

    resultGroup(
        page, tx(" Excitação e transformador driver (m2/n2) "), "GBExcitacaoMT",
        QRect(RightX, 342, RightW, 204),
        {{"LPdrv", QT_TRANSLATE_NOOP("kelvora", "Potência de Excitação teórica (Pdrv) =")},
         {"LRe", QT_TRANSLATE_NOOP("kelvora", "Valor da resistência de emissor R1 e R2 =")},
         {"LNprat", QT_TRANSLATE_NOOP("kelvora", "Eficiência Real (Nprat) = ")},
         {"LRBmin", QT_TRANSLATE_NOOP("kelvora", "Resistência de base para Beta mínimo =")},
         {"LRBmax", QT_TRANSLATE_NOOP("kelvora", "Resistência de base para Beta máximo =")},
         {"LPdrvmin", QT_TRANSLATE_NOOP("kelvora", "Potência de Excitação p/ Beta mínimo =")},
         {"LPdrvmax", QT_TRANSLATE_NOOP("kelvora", "Potência de Excitação p/ Beta máximo =")},
         {"LM2N2min", QT_TRANSLATE_NOOP("kelvora", "Relação de espiras (m2/n2) para B mín = ")},
         {"LM2N2max", QT_TRANSLATE_NOOP("kelvora", "Relação de espiras (m2/n2) para B máx = ")}});

    buildNotes(page);
}

} // namespace kelvora
