#include "catalogue.h"
#include "cli.h"
#include "report_file.h"
#include "top_level.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <iostream>
#include <memory>
#include <string_view>

namespace {

// A closed standard output or error gets a descriptor that refuses every
// write with EBADF. Left free, its number goes to the next descriptor made
// (Qt's event notifier, a report file), which would then take our results.
void holdClosedOutputs()
{
    for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(fd, F_GETFD) != -1)
            continue;
        const int held = open("/dev/null", O_RDONLY);
        if (held >= 0 && held != fd) {
            dup2(held, fd);
            close(held);
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    holdClosedOutputs();
    // A reader that goes away (kelvora-cli ... | head -1) must not kill the
    // program in silence: the failed write is reported and the exit is 1.
    std::signal(SIGPIPE, SIG_IGN);
    // A FIFO given as an output file is written as a pipeline would: waiting
    // for its reader to take the bytes (one that has none is still refused).
    kelvora::setDeviceWritesWait(true);
    return kelvora::runToTheTop(
        [&] {
            // Qt Core only for the locale, the report encoder and its file errors
            // (in Portuguese, as the window gives them); no event loop. The PDF
            // winding sheet paints text and drawings, which needs a GUI application:
            // one without a screen.
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
            // Portuguese, Qt's own texts too, unless --idioma=en says otherwise.
            kelvora::installLanguage(kelvora::Language::Portuguese);
            std::vector<std::string> args(argv + 1, argv + argc);
            return kelvora::runCli(args, std::cout, std::cerr);
        },
        std::cerr);
}
