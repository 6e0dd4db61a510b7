#pragma once
// Design files: every input of the design sheets as one JSON document, so a
// design can be kept, opened again and sent to someone in another locale.
//
// The document (UTF-8 JSON, extension .kelvora, MIME type application/x-kelvora):
//   {
//     "formato": "kelvora-projeto",
//     "versao": 1,
//     "programa": "Kelvora 4.0 (beta)",      (informative, not read)
//     "separadorDecimal": ",",               the separator the numbers were typed with
//     "folhas": {                            one object per stored sheet (tab or window)
//       "TTrafoAlim": { "EBn1": "32", "RBNucleoE": true, "CNumPri": "Simples", ... },
//       ...
//       "TAjustes": { "CBSigma": "3" },
//       "FConstrucao": { "CBCoAco": "M800-50A", "ECoEmpil": "0,95", ... }
//     }
//   }
// An edit or combo box stores its text, a list the text of its chosen item, a
// radio button true or false. Results are not stored: opening recalculates.
// Where a file names a list's item (or a combo box's), the item's stable key
// ("CNumPri": "dual") reads as its text does ("CNumPri": "Duplo"); writing
// keeps the texts, so a file is written byte for byte as before and earlier
// builds still read it.
// Reading: a control absent from its sheet keeps its start-up state (and the
// radio buttons of a group named in the file but absent are unchecked); an
// unknown key at the top and an unknown sheet (one that another build of the
// program stores) are ignored; an unknown control inside a known sheet, a wrong
// type, a text longer than its field or a list item the list lacks is an error.
#include "field_text.h"
#include "sheet.h"

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// A sheet kept in design files: its name (tab or window) and its controls,
// of which only the inputs are stored.
struct StoredSheet {
    std::string name;
    std::vector<ControlSpec> controls;
};

// Every stored sheet, in file order: each design's sheet, then the settings
// tab and the construction settings.
// Storing another sheet is one more entry in this list.
const std::vector<StoredSheet>& storedSheets();

// The inputs of a design: one Sheet per stored sheet, at its start-up state,
// fractional defaults written with `decimalSeparator`.
class DesignInputs {
public:
    explicit DesignInputs(char decimalSeparator = ',');
    // The sheet with that name; std::out_of_range for a name not stored.
    Sheet& operator[](std::string_view name);
    const Sheet& operator[](std::string_view name) const;

    // The tab the design was saved on ("TModValvul"), empty when not said.
    std::string tab;

private:
    std::vector<Sheet> sheets_; // in the order of storedSheets()
};

// A file that is no readable design; the message is Portuguese and complete.
class DesignFileError : public std::runtime_error {
public:
    explicit DesignFileError(const std::string& message) : std::runtime_error(message) {}
};

inline constexpr const char* DesignFormat = "kelvora-projeto";
inline constexpr int DesignVersion = 1;
// A design is a few kilobytes; a file above this is refused unread.
inline constexpr std::size_t MaxDesignFileBytes = 1024 * 1024;

// How a stored sheet is found where the inputs live: null when absent.
using SheetLookup = std::function<const Sheet*(std::string_view name)>;

// The document of the inputs of every stored sheet that `sheetOf` finds
// (UTF-8, "\n" line ends, ends with a newline). Each text is written as its
// field keeps it (fieldText), so that every document written reads again.
// `shownTab`, when given, is the tab the window shows, opened again with the design.
std::string writeDesign(const SheetLookup& sheetOf, char decimalSeparator,
                        std::string_view shownTab = {});
std::string writeDesign(const DesignInputs& inputs, char decimalSeparator);

// Reads and checks a whole document before anything is returned; numeric
// texts typed with the file's separator are rewritten with `decimalSeparator`.
// Throws DesignFileError naming the problem (not the file).
DesignInputs readDesign(std::string_view bytes, char decimalSeparator);

// Copies the state of the input controls of a stored sheet (text, item, check).
void copyInputs(const Sheet& from, Sheet& to);
// Whether two sheets of the same stored sheet hold the same inputs.
bool sameInputs(const Sheet& a, const Sheet& b);

// A numeric text typed with `from` rewritten with `to`; any other text as is.
std::string convertSeparator(const std::string& text, char from, char to);

} // namespace kelvora
