#include "text_encoding_setting.h"

#include "form_helpers.h"
#include "language.h"
#include "report_file.h"

namespace kelvora {

QComboBox* buildTextEncodingSetting(QWidget* page)
{
    auto* group = makeGroup(page, tx("Arquivos de texto"), "GBCodificacao");
    group->setGeometry(16, 148, 420, 64);
    auto* caption = makeLabel(group, tx("Codificação dos arquivos de texto:"));
    caption->move(16, 30);
    auto* combo = makeCombo(group, "CBCodificacao", 170);
    combo->setEditable(false);
    // Item order is the enum's: the first is the reports' own bytes.
    combo->addItem(QStringLiteral("Windows-1252 (CR LF)"));
    combo->addItem(QStringLiteral("UTF-8 (LF)"));
    combo->setCurrentIndex(savedTextEncoding() == TextEncoding::Utf8Lf ? 1 : 0);
    combo->move(230, 26);
    nameField(combo, tx("Codificação dos arquivos de texto"));
    combo->setToolTip(
        tx("Como os relatórios e as folhas de enrolamento são gravados. Windows-1252 com CR LF: "
           "os bytes de sempre, que o Bloco de Notas do Windows abre. UTF-8 com LF: abre "
           "corretamente em qualquer leitor do Linux e guarda qualquer caractere digitado."));
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [](int index) {
        saveTextEncoding(index == 1 ? TextEncoding::Utf8Lf : TextEncoding::Windows1252CrLf);
    });
    return combo;
}

} // namespace kelvora
