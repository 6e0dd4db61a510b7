#include "sheet_owner.h"

namespace kelvora {

std::pair<const char*, const char*> ownerFields(std::string_view design)
{
    if (design == "TTrafoAlim" || design == "trafo-alimentacao")
        return {"EUserNameTA", "EApplicationTA"};
    if (design == "TModValvul" || design == "modulador-valvulado")
        return {"EUserNameTM", "EApplicationTM"};
    if (design == "TReatorFiltro" || design == "reator-filtro")
        return {"EUserNameRF", "EApplicationRF"};
    return {nullptr, nullptr};
}

std::string withOwner(std::string sheetText, std::string_view design, const Sheet& tab)
{
    const auto [user, application] = ownerFields(design);
    if (!user || !tab.has(user) || !tab.has(application))
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
