#pragma once
// The last guard of kelvora-cli's main. runCli answers every fault of the
// user's input itself (exit 1 or 2 with a message); an exception that still
// reaches the top is a fault of the program. It becomes one line on standard
// error and exit status 1 instead of an abort with the runtime's own text.
#include <exception>
#include <ostream>

namespace kelvora {

template <class Body>
int runToTheTop(Body&& body, std::ostream& err)
{
    try {
        return body();
    } catch (const std::exception& e) {
        err << "kelvora-cli: erro interno: " << e.what() << '\n';
    } catch (...) {
        err << "kelvora-cli: erro interno\n";
    }
    return 1;
}

} // namespace kelvora
