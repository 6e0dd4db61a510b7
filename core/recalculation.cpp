#include "recalculation.h"

#include "calc_error.h"

namespace kelvora {

std::optional<std::string> runCalculation(Sheet& tab, const std::vector<std::string>& outputs,
                                          const std::function<void()>& run,
                                          std::string* failedField, ShownText* failedWords)
{
    // The field a failed run painted is read again now: its red goes, and
    // this run paints it anew if it still fails (or a verdict colours it).
    for (const std::string& name : tab.names())
        if (Control& c = tab[name]; c.failedRead) {
            c.failedRead = false;
            c.background = Colour::Window;
            c.font = Colour::WindowText;
        }
    tab.forgetWrites();
    if (failedField)
        failedField->clear();
    if (failedWords)
        *failedWords = {};
    try {
        run();
        return std::nullopt;
    } catch (const CalcError& e) {
        for (const std::string& name : outputs) {
            if (tab.written(name))
                continue;
            Control& c = tab[name];
            c.text.clear();
            c.background = Colour::Window;
            c.font = Colour::WindowText;
        }
        // An input the run did not reach keeps no verdict of an earlier run:
        // green there would vouch for a design that was not made.
        for (const std::string& name : tab.names()) {
            if (!tab.spec(name).input || tab.written(name))
                continue;
            Control& c = tab[name];
            c.background = Colour::Window;
            c.font = Colour::WindowText;
            c.substituted = false;
            c.badInput = false;
            c.readNote.clear();
            c.readNoteWords = {};
        }
        if (tab.has(e.field)) {
            paint(tab[e.field], BadPair);
            tab[e.field].failedRead = true;
        }
        if (failedField)
            *failedField = e.field;
        if (failedWords)
            *failedWords = e.words;
        return std::string(e.what());
    }
}

} // namespace kelvora
