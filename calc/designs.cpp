#include "designs.h"

#include "circuito_pi.h"
#include "reator_filtro.h"
#include "trafo_alim.h"
#include "trafo_mod.h"
#include "trafo_mod_trans.h"

namespace kelvora {

const std::vector<Design>& designs()
{
    static const std::vector<Design> all = [] {
        std::vector<Design> v;
        for (Design d : {trafoAlimDesign(), trafoModDesign(), trafoModTransDesign(),
                         reatorFiltroDesign(), circuitoPiDesign()})
            if (!d.name.empty())
                v.push_back(std::move(d));
        return v;
    }();
    return all;
}

const Design* findDesign(std::string_view name)
{
    for (const Design& d : designs())
        if (d.name == name || d.tab == name)
            return &d;
    return nullptr;
}

} // namespace kelvora
