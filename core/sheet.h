#pragma once
#include "colour.h"
#include "shown_text.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvora {

// What kind of widget stands for a control; decides which properties the
// window copies and how the command line sets it.
enum class Kind {
    Edit,  // line edit: text (typed or read-only)
    Combo, // editable combo box: text, item index
    List,  // non-editable combo box: item index (and its text)
    Radio, // radio button: checked
    Label, // result or caption label: text
    Panel, // group of controls that may move: visible, top
    Shape, // drawn line that may move and stretch: visible, top, height
    Image, // painted picture: visible
};

// One control of a tab as the calculations see it.
struct Control {
    std::string text;
    // The message `text` is the Portuguese of, when it is words (a verdict,
    // "12,3 Esp"): what a window shows in its language. Written with
    // `text` by write(); a window that finds `text` changed since shows `text`.
    ShownText words;
    Colour background = Colour::Window;
    Colour font = Colour::WindowText;
    bool visible = true;
    int top = 0;
    int height = 0;
    bool checked = false;
    int itemIndex = -1;
    // The last read used the fallback, not the text: no number (or a setting out of range).
    bool substituted = false;
    // The text is a number no part can be built from (a negative voltage):
    // painted red, and the design is not built on it.
    bool badInput = false;
    // What the last read did with the text when it did not use it as typed
    // ("texto não numérico: usado 1", "fora da faixa: usado 1", "valor
    // negativo"); empty when it did.
    std::string readNote;
    ShownText readNoteWords; // readNote's message (see `words`)
    // The last run failed reading this control: painted red until a run reads it again.
    bool failedRead = false;
};

// How a control starts: its name, kind and initial state, plus the widget
// properties that never change (combo items, maximum length, read-only).
struct ControlSpec {
    std::string name;
    Kind kind = Kind::Label;
    std::string text;
    std::vector<std::string> items;
    // A stable key per item, in the items' order: short lower-case ASCII
    // ("single", "dual", "tapped") that design files and the command line may
    // give in place of the item's text, which a translation changes. A list
    // has one per item; a combo box of numbers (typed as numbers) has none.
    std::vector<std::string> keys;
    int maxLength = 0;     // 0: no limit
    bool readOnly = false; // typed by the program only
    bool visible = true;
    bool checked = false;
    int itemIndex = -1;
    int top = 0;
    int height = 0;
    bool input = false;               // the user types or chooses it
    std::string group;                // radio buttons of one group exclude each other
    Colour font = Colour::WindowText; // font colour until a calculation paints it
    // The initial text is words (KELVORA_SHOWN("Initial", ...)): a window shows
    // it in its language, and while it stands untouched the sheet keeps it
    // in Portuguese, as the reports and design files have it.
    bool initialWords = false;
};

// An edit the user types into; maxLength 0 for no limit.
inline ControlSpec inputEdit(std::string name, std::string text, int maxLength = 0)
{
    return ControlSpec{.name = std::move(name),
                       .kind = Kind::Edit,
                       .text = std::move(text),
                       .maxLength = maxLength,
                       .input = true};
}

// The index of the first item of a list or combo box whose text is `text`, or -1.
int itemIndexOf(const ControlSpec& spec, std::string_view text);
// The index of the item whose text is `textOrKey`, else of the item whose key
// it is, or -1: what a design file or the command line names an item by.
int itemIndexOfTextOrKey(const ControlSpec& spec, std::string_view textOrKey);
// The key of item `index`; empty when the control has no keys or no such item.
std::string_view itemKey(const ControlSpec& spec, int index);

// An edit whose initial text is words, an invitation to type ("Digite aqui ...").
inline ControlSpec inputWords(std::string name, std::string text, int maxLength = 0)
{
    ControlSpec s = inputEdit(std::move(name), std::move(text), maxLength);
    s.initialWords = true;
    return s;
}

// A label the calculations write.
inline ControlSpec resultLabel(std::string name, bool visible = true)
{
    return ControlSpec{.name = std::move(name), .visible = visible};
}

// The designs read and write what a tab shows through a Sheet, never through
// widgets, so the same code serves the window, the command line and the tests.
// Names are fixed when the sheet is made: an unknown name is a programming error.
class Sheet {
public:
    Sheet() = default;
    explicit Sheet(const std::vector<ControlSpec>& specs);

    Control& operator[](std::string_view name);
    const Control& operator[](std::string_view name) const;
    bool has(std::string_view name) const;

    // Control names in the order the tab declares them.
    const std::vector<std::string>& names() const { return order_; }
    const ControlSpec& spec(std::string_view name) const;

    // What a calculation wrote: every control handed out for writing (the
    // non-const operator[]) since forgetWrites() counts as written.
    void forgetWrites();
    bool written(std::string_view name) const;

private:
    // A calculation looks names up hundreds of times per keystroke: an
    // open-addressed table of indices into the arrays, which never grow.
    // Names are short ("EIs1", "LRFLI2Aval"): a slot keeps the first and the
    // last eight bytes of its name (overlapping, or zero-padded when shorter)
    // and the length, so that a look-up compares three words and only a name
    // longer than 16 bytes needs its full text compared.
    struct Key {
        std::uint64_t head = 0, tail = 0;
        std::size_t size = 0;
        bool operator==(const Key&) const = default;
    };
    struct Slot {
        Key key;
        int index = -1;
    };
    static Key keyOf(std::string_view s) noexcept;
    static std::size_t hashOf(const Key& k) noexcept;
    int find(std::string_view name) const noexcept;
    std::size_t indexOf(std::string_view name) const;

    std::vector<Slot> slots_; // power-of-two size, at least twice the names
    std::vector<Control> controls_;
    std::vector<char> written_;
    std::vector<ControlSpec> specs_;
    std::vector<std::string> order_;
};

// Writes a message into a control: its Portuguese text and the message.
inline void write(Control& c, ShownText m)
{
    c.text = portuguese(m);
    c.words = std::move(m);
}
// The same for the note of the control's last read.
inline void writeReadNote(Control& c, ShownText m)
{
    c.readNote = portuguese(m);
    c.readNoteWords = std::move(m);
}

// Paints a control with a verdict pair (background and font).
inline void paint(Control& c, ColourPair pair)
{
    c.background = pair.background;
    c.font = pair.font;
}

} // namespace kelvora
