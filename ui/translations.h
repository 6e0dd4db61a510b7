#pragma once
// The program speaks Portuguese only, so Qt's own standard texts (dialog
// buttons, file dialog, context menus) must be Portuguese too, whatever the
// system locale says.

namespace kelvora {

// Installs Qt's Portuguese translations into the running application.
// Returns false when no Portuguese Qt catalogue is installed (the standard
// texts then stay English; the program still works).
bool installQtPortuguese();

} // namespace kelvora
