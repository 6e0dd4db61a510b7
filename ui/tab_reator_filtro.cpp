#include "construction_summary.h"
#include "form_helpers.h"
#include "language.h"
#include "tab_builders.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>

namespace kelvora {

namespace {

constexpr int LeftX = 6, LeftW = 455;     // requirements and the energy results
constexpr int RightX = 467, RightW = 448; // the core
constexpr int FieldW = 56, FieldH = 20;

QGridLayout* gridOf(QGroupBox* group)
{
    QGridLayout* grid = makeGrid(group, QMargins(6, 4, 6, 6), 6, 3);
    grid->setColumnStretch(0, 1);
    return grid;
}

void buildRequirements(QWidget* page)
{
    auto* g = makeGroup(page, tx(" Dados do reator "), "GBDadosRF");
    g->setGeometry(LeftX, 48, LeftW, 118);
    auto* grid = gridOf(g);
    addRow(grid, 0, tx("Indutância nomina requerida no Reator (Lr):"),
           makeEdit(g, "ERFLr", FieldW, FieldH), QStringLiteral("H"));
    addRow(grid, 1, tx("Corrente de trabalho Corrente Contínua do Reator (Ir):"),
           makeEdit(g, "ERFIr", FieldW, FieldH), QStringLiteral("mA"));
    grid->setColumnMinimumWidth(2, 24);
    grid->addWidget(makeLabel(g, tx("Limites da Corrente para a indutância informada:")), 2, 0, 1,
                    3);
    auto* lim = makeVerdict(g, "LRFIlim");
    grid->addWidget(lim, 3, 0, 1, 3);
}

void buildEnergy(QWidget* page)
{
    auto* g = makeGroup(page, tx(" Resultados "), "GBResultadosRF");
    g->setGeometry(LeftX, 172, LeftW, 150);
    auto* grid = gridOf(g);
    const std::pair<const char*, const char*> rows[] = {
        {"LRFLI2",
         QT_TRANSLATE_NOOP("kelvora", "Produto da Indutância pelo quadrado da corrente (LI^2):")},
        {"LRFNI", QT_TRANSLATE_NOOP("kelvora", "Produto do número de espiras pela corrente (NI):")},
        {"LRFNesp", QT_TRANSLATE_NOOP("kelvora", "Número de espiras no enrolamento (Nesp):")},
    };
    int row = 0;
    for (const auto& [name, caption] : rows) {
        grid->addWidget(makeLabel(g, QString::fromUtf8(caption)), row, 0);
        grid->addWidget(makeResultField(g, name, 110), row, 1);
        ++row;
    }
    grid->addWidget(makeVerdict(g, "LRFLI2Aval"), row++, 0, 1, 2);
    grid->addWidget(makeVerdict(g, "LRFSnAval"), row++, 0, 1, 2);
}

void buildCore(QWidget* page)
{
    auto* g = makeGroup(page, tx("Seleção do Núcleo "), "GBNucleoRF");
    g->setGeometry(RightX, 48, RightW, 274);
    auto* grid = gridOf(g);
    // Column 1 what was chosen, column 2 what the energy asks for.
    grid->addWidget(makeLabel(g, tx("Selecionada")), 0, 1, Qt::AlignHCenter);
    grid->addWidget(makeLabel(g, tx("Calculada")), 0, 2, Qt::AlignHCenter);
    addCoreDimensionRow(grid, 1, tx("Largura Perna Central Núcleo (Bn):"), "CBRFBn", "ERFBnc",
                        {64, 64, FieldH});
    addCoreDimensionRow(grid, 2, tx("Altura do Empilhamento Núcleo (En):"), "CBRFEn", "ERFEnc",
                        {64, 64, FieldH});

    auto resultRow = [&](int row, const QString& caption, const char* chosen, const char* needed,
                         const QString& unit) {
        grid->addWidget(makeLabel(g, caption), row, 0);
        grid->addWidget(makeResultField(g, chosen, 64), row, 1);
        grid->addWidget(makeResultField(g, needed, 64), row, 2);
        grid->addWidget(makeLabel(g, unit), row, 3);
    };
    grid->setRowMinimumHeight(3, 8);
    resultRow(4, tx("Resultados das seções quadradas:"), "LRFSne", "LRFSn", QStringLiteral("cm^2"));
    resultRow(5, tx("Comprimento do circuito magnético:"), "LRFLmage", "LRFLmag",
              QStringLiteral("mm"));
    resultRow(6, tx("Altura total do entreferro:"), "LRFAee", "LRFAe", QStringLiteral("mm"));
    grid->setRowMinimumHeight(7, 8);
    grid->addWidget(makeVerdict(g, "LRFNAval"), 8, 0, 1, 4);
    auto* vis = makeButton(g, "BBVisNucleoReator", tx("Visualiza Núcleo"));
    vis->setFixedHeight(26);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeSummaryLabel(g, "LCoResumoRF"), 1);
    buttons->setSpacing(6);
    buttons->addWidget(vis);
    auto* construcao = makeButton(g, "BBConstrucaoReator", tx("Construção"));
    construcao->setFixedHeight(26);
    buttons->addWidget(construcao);
    grid->addLayout(buttons, 9, 0, 1, 4);
    grid->setRowStretch(10, 1);
}

void buildReport(QWidget* page)
{
    makeReportGroup(page, "GBSalvaRF", "EUserNameRF", "EApplicationRF", "BSalvaRF",
                    tx("Entre com o nome do reator ou tipo de aplicação"))
        ->setGeometry(LeftX, 330, RightX + RightW - LeftX, 82);
}

} // namespace

void buildReatorFiltroTab(QWidget* page)
{
    makeTitle(page,
              tx("Cálculo de Reatores de Filtro - Método gráfico do produto L.I^2 "
                 "(energia armazenada)"),
              "LTituloRF", 15)
        ->move(LeftX, 4);
    auto* note = makeLabel(page,
                           tx("Cálculos em fase de teste Confira novas versões "
                              "para atualização..."),
                           "LNotaTesteRF");
    note->move(LeftX, 26);
    QFont f; // what is set below; the rest follows the window
    f.setItalic(true);
    note->setFont(f);

    buildRequirements(page);
    buildEnergy(page);
    buildCore(page);
    buildReport(page);
}

} // namespace kelvora
