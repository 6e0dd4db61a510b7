#include "cli.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[])
{
    // Qt Core only for the locale and the report encoder; no event loop.
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    return kelvora::runCli(args, std::cout, std::cerr);
}
