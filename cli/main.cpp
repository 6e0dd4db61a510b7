#include "cli.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <iostream>
#include <memory>
#include <string_view>

int main(int argc, char* argv[])
{
    // Qt Core only for the locale and the report encoder; no event loop. The
    // PDF winding sheet paints text and drawings, which needs a GUI
    // application: one without a screen.
    const bool paints = std::any_of(argv + 1, argv + argc, [](const char* a) {
        return std::string_view(a).rfind("--folha-pdf=", 0) == 0;
    });
    std::unique_ptr<QCoreApplication> app;
    if (paints) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    std::vector<std::string> args(argv + 1, argv + argc);
    return kelvora::runCli(args, std::cout, std::cerr);
}
