#pragma once
// Report lines are printf-style formats with "%s" slots; the texts put into
// them are taken literally, so a typed "%" stays a "%".
#include <initializer_list>
#include <string>
#include <string_view>

namespace kelvora {

// The two closing lines of every report, after two empty lines.
inline constexpr std::string_view ReportFooter =
    "\n\nCalculado com o Kelvora - Cálculo de Transformadores, da equipe Kelvora.\n"
    "Programa gratuito (freeware), disponível em https://www.kelvora.example/\n";

// `format` with each "%s" replaced, in order, by the next of `values`.
std::string subst(std::string_view format, std::initializer_list<std::string_view> values);

} // namespace kelvora
