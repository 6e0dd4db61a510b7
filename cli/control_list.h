#pragma once
// kelvora-cli --controles: every control a design takes as CONTROLE=TEXTO,
// read from the registry of designs, so the list cannot fall behind it.
#include <string>

namespace kelvora {

// One block per design: its name, then a line per input control with what
// it starts with (a list: its items; a radio button: "=1") and the keys that
// may stand for its items.
std::string controlList();

} // namespace kelvora
