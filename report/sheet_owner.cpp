#include "sheet_owner.h"

namespace kelvora {

std::string withOwner(std::string sheetText, const construction::WoundPart& part, const Sheet& tab,
                      const Translator& tr)
{
    const std::string& user = part.ownerUser;
    const std::string& application = part.ownerApplication;
    if (user.empty() || !tab.has(user) || !tab.has(application))
        return sheetText;
    // After the title and its underline.
    std::size_t at = sheetText.find('\n');
    if (at != std::string::npos)
        at = sheetText.find('\n', at + 1);
    at = at == std::string::npos ? sheetText.size() : at + 1;
    sheetText.insert(at, tr(say(KELVORA_WORDS("Sheet", "Nome do usuário: %1\nAplicação: %2\n"),
                                {tab[user].text, tab[application].text})));
    return sheetText;
}

} // namespace kelvora
