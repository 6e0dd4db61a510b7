// Two texts of a window for the catalogue check: the catalogue beside this
// file translates the first only, so the check must name the second.
#include <QString>

namespace kelvora {

QString tx(const char* source);

void buildFixture()
{
    tx("Espiras do primário");
    tx("Espaçador do entreferro");
}

} // namespace kelvora
