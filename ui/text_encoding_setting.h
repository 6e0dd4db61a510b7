#pragma once
// "Codificação dos arquivos de texto" on the settings tab: a preference of
// the user, kept in the program's settings rather than in a design file.
#include <QComboBox>
#include <QWidget>

namespace kelvora {

QComboBox* buildTextEncodingSetting(QWidget* page);

} // namespace kelvora
