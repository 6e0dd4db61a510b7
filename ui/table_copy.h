#pragma once
// Copying a table of results as tab-separated text, which a spreadsheet or a
// text editor takes as rows and columns: a header row, then the rows.
#include <QString>

class QApplication;
class QTableView;

namespace kelvora {

// The selected cells (every cell when none is selected, or when `all`), the
// header of their columns first; tabs and line breaks inside a cell become blanks.
QString tableText(const QTableView* table, bool all = false);
void copyTable(const QTableView* table, bool all = false);
// Ctrl+C and a context menu ("Copiar", "Copiar tudo", "Selecionar tudo") on
// every table the program shows; installed once on the application.
void installTableCopy(QApplication* app);

} // namespace kelvora
