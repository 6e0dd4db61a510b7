#include "form_helpers.h"
#include "language.h"
#include "tab_builders.h"
#include "version.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kelvora {

namespace {

// "%1": the version.
const char* const AboutText = QT_TRANSLATE_NOOP(
    "kelvora",
    "Kelvora - Cálculo de Transformadores, versão %1\n"
    "\n"
    "Autoria: equipe Kelvora, radioamadores e construtores de equipamentos valvulados.\n"
    "Contato: pela página do programa, indicada abaixo.\n"
    "\n"
    "Este programa calcula transformadores de alimentação (primário simples, duplo ou com "
    "derivação e até seis secundários, em lâminas E/I ou U/I), transformadores de modulação "
    "para moduladores push-pull classe B valvulados, acoplados diretamente ou por reator e "
    "capacitor, moduladores classe B (AB) transistorizados e reatores de filtro com "
    "entreferro.\n"
    "\n"
    "Literatura consultada: manuais de radioamadorismo da ARRL (The Radio Amateur's Handbook), "
    "o Radiotron Designer's Handbook (F. Langford-Smith), os manuais de válvulas transmissoras "
    "da RCA, textos clássicos de projeto de transformadores e reatores com núcleo de ferro "
    "laminado (método gráfico do produto L.I^2 de Hanna para reatores com entreferro) e as "
    "tabelas de fios esmaltados AWG.\n"
    "\n"
    "AVISO: os autores não se responsabilizam por erros nos cálculos nem por danos "
    "decorrentes do seu uso. Todos os resultados devem ser conferidos antes da construção de "
    "qualquer transformador ou reator. Trabalhe com cuidado: as tensões envolvidas podem ser "
    "mortais.\n"
    "\n"
    "Programa gratuito (freeware): pode ser usado e distribuído livremente, sem custo, desde "
    "que sem alterações. Não pode ser vendido.\n");

const char* const HistoryText = QT_TRANSLATE_NOOP(
    "kelvora",
    "Histórico de versões\n"
    "\n"
    "Versão 1.0\n"
    "  - Cálculo de transformadores de alimentação com primário simples e até três "
    "secundários.\n"
    "\n"
    "Versão 1.5\n"
    "  - Primário duplo e primário com derivação.\n"
    "  - Até seis secundários.\n"
    "\n"
    "Versão 2.0\n"
    "  - Cálculo de transformadores de modulação push-pull classe B valvulados.\n"
    "  - Densidade de corrente nos condutores ajustável (aba Ajustes).\n"
    "\n"
    "Versão 2.5\n"
    "  - Lâminas U/I ou U/U.\n"
    "  - Avaliação da largura da perna central.\n"
    "\n"
    "Versão 3.0\n"
    "  - Relatórios em arquivo texto do transformador de alimentação e do transformador de "
    "modulação.\n"
    "  - Acoplamento do modulador por reator e capacitor (RCA).\n"
    "\n"
    "Versão 3.5\n"
    "  - Desenho cotado do núcleo (Visualiza núcleo).\n"
    "  - Avaliação da indução de corrente contínua no transformador de modulação.\n"
    "\n"
    "Versão 4.0 (beta)\n"
    "  - Cálculo de moduladores classe B (AB) transistorizados (em fase de teste).\n"
    "  - Cálculo de reatores de filtro pelo método gráfico do produto L.I^2 (em fase de "
    "teste), com relatório em arquivo texto.\n"
    "  - Janela Construção: o enrolamento camada por camada no núcleo escolhido, perdas, "
    "temperatura, indução real, pesos e a folha de enrolamento (texto, PDF, impressão); "
    "sugestão de núcleos do catálogo.\n"
    "  - Resumo da construção ao lado de cada botão \"Construção\", a cada recálculo.\n"
    "  - Circuito PI de saída do estágio de RF.\n"
    "  - Projetos em arquivo (menu Arquivo) e a linha de comando kelvora-cli.\n"
    "  - Codificação dos arquivos de texto (aba Ajustes): Windows-1252 ou UTF-8.\n"
    "  - Projeto para o núcleo que se tem na mão: espiras e bitolas que dão a tensão em "
    "carga, regulação, entreferro e sugestão de núcleos por lâmina.\n"
    "  - Verificações da rede: tensão alta, corrente em vazio, fusível e isolação (grupo "
    "Rede da janela Construção).\n"
    "  - Janela Fonte: simulação do retificador e do filtro que o transformador alimenta.\n"
    "  - Lâminas U/I na construção, com desenho cotado.\n"
    "  - Janelas que rolam em telas pequenas e em escala de 200 %; itens de lista com "
    "chaves fixas (arquivos de projeto e kelvora-cli).\n");

QPlainTextEdit* memo(QWidget* parent, const char* name, const QString& text, int w, int h)
{
    auto* m = new QPlainTextEdit(text, parent);
    m->setObjectName(QString::fromLatin1(name));
    m->setReadOnly(true);
    m->setFixedSize(w, h);
    return m;
}

QLabel* styled(QWidget* parent, const char* name, const QString& text, const QString& family,
               int pixelSize, const QColor& colour = QColor())
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignCenter);
    QFont f(family);
    f.setPixelSize(pixelSize);
    l->setFont(f);
    if (colour.isValid()) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, colour);
        l->setPalette(p);
    }
    return l;
}

} // namespace

void buildInicioTab(QWidget* page)
{
    auto* v = new QVBoxLayout(page);
    v->addWidget(styled(page, "StaticText3",
                        txArg("Programa para Cálculo de Transformadores - KelvoraV%1",
                              QString::fromStdString(versionText())),
                        QStringLiteral("Arial Narrow"), 24, kTitleMaroon));
    v->addWidget(styled(page, "StaticText9",
                        tx("Utilize as abas acima para selecionar o cálculo desejado"),
                        QStringLiteral("Arial"), 21));
    v->addWidget(memo(page, "Memo1", txArg(AboutText, QString::fromStdString(versionText())), 905,
                      377),
                 0, Qt::AlignHCenter);
    auto* link = styled(page, "LinkLabel",
                        QStringLiteral("<a href=\"https://www.kelvora.example/\">"
                                       "www.kelvora.example</a>"),
                        QStringLiteral("Arial"), 28);
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(true);
    v->addWidget(link);
    v->addStretch();
}

void buildHistoricoTab(QWidget* page)
{
    auto* v = new QVBoxLayout(page);
    v->addWidget(memo(page, "Memo2", tx(HistoryText), 649, 553), 0, Qt::AlignHCenter);
    v->addStretch();
}

} // namespace kelvora
