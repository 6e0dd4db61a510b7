#pragma once
// The result record of every design, as the window and the command line keep
// them between runs: each design reads and writes only its own.
#include "reator_filtro.h"
#include "trafo_alim.h"
#include "trafo_mod.h"
#include "trafo_mod_trans.h"

namespace kelvora {

struct DesignResults {
    TrafoAlimResult trafoAlim;
    TrafoModResult trafoMod;
    TrafoModTransResult trafoModTrans;
    ReatorFiltroResult reatorFiltro;
};

} // namespace kelvora
