#pragma once
// The main window's "Editar" (copy a field or a table, select all) and
// "Ajuda" (the user's guide, "Sobre") menus.
#include <QString>

class QMenuBar;
class QWidget;

namespace kelvora {

void addEditAndHelpMenus(QMenuBar* bar, QWidget* window);
// The README's user guide (Markdown), as the program ships it.
QString userGuide();

} // namespace kelvora
