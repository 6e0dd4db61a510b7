#pragma once
// The construction tests work their figures by hand on the tab's own turns
// ("Espiras da aba"), not on the turns designed for the core.
#include "construction.h"

inline kelvora::construction::ConstructionSettings tabTurnsSettings()
{
    kelvora::construction::ConstructionSettings s;
    s.projeto = kelvora::construction::Projeto::TabTurns;
    return s;
}
