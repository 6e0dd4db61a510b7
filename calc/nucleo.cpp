#include "nucleo.h"

namespace kelvora {

std::vector<std::pair<std::string, std::string>> VisNucleoLabels(float En, float Bn,
                                                                 const Settings& cfg)
{
    const long double bn = Bn, en = En;
    const std::string b = general(bn, cfg);
    const std::string e = general(en, cfg);
    const std::string b3 = general(3 * bn, cfg);   // overall width of the E, length of the I
    const std::string b2 = general(2 * bn, cfg);   // height of the E: yoke plus window
    const std::string bh = general(0.5 * bn, cfg); // outer legs, I bar, window width
    return {
        {"Label7", b},   {"Label14", b},  {"Label4", e},   {"Label12", e},  {"Label18", e},
        {"Label1", b3},  {"Label10", b3}, {"Label19", b3}, {"Label2", b2},  {"Label11", b2},
        {"Label16", b2}, {"Label3", bh},  {"Label5", bh},  {"Label6", bh},  {"Label8", bh},
        {"Label9", bh},  {"Label13", bh}, {"Label15", bh}, {"Label17", bh},
    };
}

} // namespace kelvora
