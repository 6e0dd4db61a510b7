#pragma once
// The program speaks Portuguese only, so Qt's own standard texts (dialog
// buttons, file dialog, context menus, the file errors quoted in a report
// failure) must be Portuguese too, in the window and in kelvora-cli, whatever
// the system locale says.

namespace kelvora {

// Installs Qt's Portuguese translations into the running application.
// Returns false when no Portuguese Qt catalogue is installed (the standard
// texts then stay English; the program still works).
bool installQtPortuguese();

// The decimal separator of the user's locale, as the number formats take it:
// a locale whose separator is not one ASCII character gets '.'.
char localeDecimalSeparator();

} // namespace kelvora
