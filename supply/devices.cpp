// Rectifying elements: forward laws and ratings from the makers' sheets.
#include "supply.h"

#include <cmath>

namespace kelvora::supply {

double childLangmuirK(double dropV, double currentA)
{
    return dropV > 0 ? currentA / std::pow(dropV, 1.5) : 0;
}

namespace {

Device silicon(const char* name, double v0, double rs, double piv, double iAvg, double iFsm)
{
    Device d;
    d.name = name;
    d.law = {false, v0, rs, 0};
    d.ratings.piv = piv;
    d.ratings.iAvg = iAvg;
    d.ratings.iSurge = iFsm;
    return d;
}

Device vacuum(const char* name, double dropV, double atA)
{
    Device d;
    d.name = name;
    d.valve = true;
    d.law = {true, 0, 0, childLangmuirK(dropV, atA)};
    return d;
}

std::vector<Device> table()
{
    std::vector<Device> v;
    // Silicon, V_F = V0 + Rs I. 1N4007: V0 0.85 V and Rs 0.15 ohm through the
    // guaranteed maxima 1.0 V at 1 A and 1.3 V at 3 A (1N4001-1N4007/BY133
    // sheet); 1000 V, 1 A, I_FSM 30 A (Vishay doc. 88503).
    v.push_back(silicon("1N4007", 0.85, 0.15, 1000, 1, 30));
    // The others publish one point only, taken as a constant drop (pessimistic
    // below it): UF4007 1.7 V at 1 A (SUF4001-4007 sheet), 1N5408 1.2 V at 3 A
    // (General Semiconductor 1N5400-5408, JEDEC), HER108 1.7 V at 1 A (TSC).
    v.push_back(silicon("UF4007", 1.7, 0, 1000, 1, 30));
    v.push_back(silicon("1N5408", 1.2, 0, 1000, 3, 200));
    v.push_back(silicon("HER108", 1.7, 0, 1000, 1, 30));

    // Vacuum rectifiers, I = k V^1.5 per plate through the sheet's drop at its
    // DC plate current. Only the ratings the sheets were read for are given.
    Device d = vacuum("5U4G", 58, 0.225); // 58 V at 225 mA (5Z3/5U4G sheet)
    d.ratings.iPeak = 1.0;                // per plate (GE sheet)
    d.ratings.iDcCapInput = 0.225;
    d.ratings.iDcChokeInput = 0.225;
    d.ratings.cMax = 40e-6;
    d.ratings.rMin = 75;  // capacitor input
    d.ratings.lMin = 3;   // choke input
    v.push_back(d);

    d = vacuum("5T4", 45, 0.225); // 45 V at 225 mA (5T4 sheet)
    d.ratings.iDcCapInput = 0.225;
    d.ratings.iDcChokeInput = 0.225;
    d.ratings.cMax = 40e-6;
    d.ratings.rMin = 150;
    d.ratings.lMin = 3;
    v.push_back(d);

    d = vacuum("5R4GY", 67, 0.250); // about 67 V at 250 mA (5R4GY sheet)
    // The peak inverse voltage the sheet allows falls with the DC current.
    d.ratings.pivAt[0][0] = 150, d.ratings.pivAt[0][1] = 2800;
    d.ratings.pivAt[1][0] = 175, d.ratings.pivAt[1][1] = 2400;
    d.ratings.pivAt[2][0] = 250, d.ratings.pivAt[2][1] = 2100;
    d.ratings.iDcChokeInput = 0.250;
    d.ratings.cMax = 4e-6;
    d.ratings.rMin = 250;
    v.push_back(d);

    // 60 V at 125 mA is the approximation the 5Y3 record gives (the RCA sheet
    // states no drop).
    d = vacuum("5Y3GT", 60, 0.125);
    d.ratings.iDcCapInput = 0.125;
    d.ratings.cMax = 20e-6;
    v.push_back(d);

    // Mercury vapour: a drop of about 15 V nearly independent of the current
    // (RCA 866A); PIV 2500 V at the hottest condensed mercury, peak plate
    // current 1 A (the lower of the two published figures), 250 mA average.
    d = Device{};
    d.name = "866A";
    d.valve = true;
    d.law = {false, 15, 0, 0};
    d.ratings.piv = 2500;
    d.ratings.iPeak = 1.0;
    d.ratings.iDcCapInput = 0.25;
    d.ratings.iDcChokeInput = 0.25;
    v.push_back(d);
    return v;
}

} // namespace

const std::vector<Device>& devices()
{
    static const std::vector<Device> all = table();
    return all;
}

const Device* findDevice(const std::string& name)
{
    for (const Device& d : devices())
        if (d.name == name)
            return &d;
    return nullptr;
}

} // namespace kelvora::supply
