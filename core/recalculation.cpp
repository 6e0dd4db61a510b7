#include "recalculation.h"

#include "calc_error.h"

namespace kelvora {

std::optional<std::string> runCalculation(Sheet& tab, const std::vector<std::string>& outputs,
                                          const std::function<void()>& run)
{
    tab.forgetWrites();
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
        return std::string(e.what());
    }
}

} // namespace kelvora
