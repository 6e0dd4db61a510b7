// A design is built only from inputs the tab used as typed: a text that was
// no number (the fallback stood in), a number no part can be built from, and
// a choke off the method's charts give no construction, no core advice and
// no winding sheet, each saying why.
#include "wound_part.h"

#include <utility>

namespace kelvora::construction {

std::optional<ShownText> inputRefusal(const WoundPart& part, const Sheet& sheet,
                                        const DesignResults& s)
{
    // Each field's name and its read's note ("EFo (texto não numérico: usado
    // 1)"), the note a message of its own inside the refusal.
    ShownText list;
    for (const std::string& name : part.inputsInUse(sheet, s)) {
        if (!sheet.has(name))
            continue;
        const Control& c = sheet[name];
        if (!c.substituted && !c.badInput)
            continue;
        ShownText item = say(KELVORA_WORDS("Error", "%1 (%2)"), {name, c.readNote});
        item.nested = {ShownText{}, c.readNoteWords};
        if (list.empty()) {
            list = std::move(item);
            continue;
        }
        ShownText both = say(KELVORA_WORDS("Error", "%1; %2"), {portuguese(list), portuguese(item)});
        both.nested = {std::move(list), std::move(item)};
        list = std::move(both);
    }
    if (!list.empty()) {
        ShownText refusal = say(KELVORA_WORDS("Error", "O projeto se apoia em entradas inválidas ou "
                                                       "substituídas: %1. Corrija-as na aba."),
                                {portuguese(list)});
        refusal.nested = {std::move(list)};
        return refusal;
    }
    if (part.ownRefusal)
        return part.ownRefusal(s);
    return std::nullopt;
}

Analysis analysePart(const WoundPart& part, const Sheet& sheet, const DesignResults& s,
                     bool tabError, const ConstructionSettings& set, const Settings& cfg)
{
    if (!tabError)
        if (auto refusal = inputRefusal(part, sheet, s)) {
            Analysis refused;
            refused.part = part.type;
            setError(refused, std::move(*refusal));
            return refused;
        }
    return part.run(sheet, s, tabError, set, cfg).analysis;
}

PartRun sheetRun(const WoundPart& part, const Sheet& sheet, const DesignResults& s, bool tabError,
                 const ConstructionSettings& set, const Settings& cfg)
{
    PartRun out = part.run(sheet, s, tabError, set, cfg);
    if (!tabError)
        if (auto refusal = inputRefusal(part, sheet, s))
            setError(out.analysis, std::move(*refusal));
    return out;
}

} // namespace kelvora::construction
