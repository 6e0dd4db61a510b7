// Start-up time to the first mapped window and peak resident memory of
// programs under an X server. The map is seen as an event, not by polling.
// With several programs the runs alternate between them, so that a change in
// the machine's load falls on all alike; the last line gives each median as a
// multiple of the first program's.
//   bench_startup RUNS SETTLE_MS PROGRAM...
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS SETTLE_MS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int settleMs = std::atoi(argv[2]);
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(dpy);
    // Without a window manager the program's top level is a child of the root.
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, True);

    const int programs = argc - 3;
    std::vector<std::vector<double>> ms(programs);
    std::vector<long> peakKb(programs, 0);
    for (int r = 0; r < runs * programs; ++r) {
        const int which = r % programs;
        char* const program = argv[3 + which];
        char* const args[] = {program, nullptr};
        XSync(dpy, True); // drop events of the previous run
        const auto t0 = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execvp(program, args);
            _exit(127);
        }
        bool mapped = false;
        while (!mapped) {
            while (XPending(dpy)) {
                XEvent ev;
                XNextEvent(dpy, &ev);
                if (ev.type == MapNotify && !ev.xmap.override_redirect) {
                    mapped = true;
                    break;
                }
            }
            if (mapped)
                break;
            pollfd p{ConnectionNumber(dpy), POLLIN, 0};
            poll(&p, 1, 1000);
            int status;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::fprintf(stderr, "%s exited before mapping a window\n", program);
                return 1;
            }
        }
        const auto t1 = std::chrono::steady_clock::now();
        ms[which].push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        // Memory after the first paints and show handlers have run.
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        kill(pid, SIGTERM);
        int status;
        rusage ru{};
        wait4(pid, &status, 0, &ru);
        peakKb[which] = std::max(peakKb[which], ru.ru_maxrss);
    }
    std::vector<double> medians;
    for (int i = 0; i < programs; ++i) {
        std::vector<double> s = ms[i];
        std::sort(s.begin(), s.end());
        medians.push_back(s[s.size() / 2]);
        std::printf("%-24s runs %2d  start-up median %7.1f ms  min %7.1f ms  max %7.1f ms  peak "
                    "RSS %6.1f MB\n",
                    argv[3 + i], runs, medians.back(), s.front(), s.back(), peakKb[i] / 1024.0);
    }
    for (int i = 1; i < programs; ++i)
        std::printf("%-24s start-up median = %.2f x %s\n", argv[3 + i], medians[i] / medians[0],
                    argv[3]);
    XCloseDisplay(dpy);
    return 0;
}
