#include "sheet_owner.h"

namespace kelvora {

std::string withOwner(std::string sheetText, const construction::WoundPart& part, const Sheet& tab)
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
    sheetText.insert(at, "Nome do usuário: " + tab[user].text
                             + "\nAplicação: " + tab[application].text + "\n");
    return sheetText;
}

} // namespace kelvora
