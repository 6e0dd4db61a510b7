#pragma once
// The texts the plain code writes for a person to read, kept as messages.
//
// A message is a Portuguese source text of the catalogue (its context and
// its words, with "%1" ... "%9" where numbers or names go) and the arguments
// that fill it in, already written ("12,3", "Vs1"). The plain code keeps the
// Portuguese text a message fills in: the sheets, the reports, the design
// files and the command line's JSON read it byte for byte in any language. A
// window shows the message itself, translated by the catalogue and filled in
// with the same arguments (ui/language.h).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A text the window shows in the chosen language: the catalogue's tools read
// it as a message of `context`; the plain code keeps the Portuguese source
// (the reports, the winding sheet and the design files use it as it is).
#define KELVORA_SHOWN(context, text) text
// The same, as the words of a message (a Words value): the catalogue's tools
// read it as KELVORA_SHOWN.
#define KELVORA_WORDS(context, text) (::kelvora::Words{context, text})

namespace kelvora {

// A message's source: its catalogue context and its Portuguese words.
struct Words {
    const char* context = nullptr;
    const char* source = nullptr;
};

// A message filled in with its arguments; empty when there is none (a
// number, a name typed by the user).
struct ShownText {
    Words words;
    std::vector<std::string> args;
    // An argument that is itself a message (a field's note inside a refusal):
    // nested[i], when not empty, is what args[i] says. Empty for most.
    std::vector<ShownText> nested;
    bool empty() const { return words.source == nullptr; }
};

// `source` with each "%n" (n = 1 ... 9) replaced by args[n-1], in one pass:
// an argument's own "%1" is never replaced again; a "%n" with no argument
// stays as it is.
std::string fillIn(std::string_view source, const std::vector<std::string>& args);
// The Portuguese text of a message ("" when empty).
std::string portuguese(const ShownText& m);

// Turns a message into the text a reader gets: `portuguese` (the sheets,
// the JSON, the reports), or the catalogue's language where a window or
// kelvora-cli --idioma=en shows it.
using Translator = std::function<std::string(const ShownText&)>;

inline ShownText say(Words w, std::vector<std::string> args = {})
{
    return ShownText{w, std::move(args)};
}

} // namespace kelvora
