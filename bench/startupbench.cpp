// Start-up benchmark: how long programs take from process start to their window, and their peak
// resident memory, in the X display of $DISPLAY. Runs them in turn, RUNS times each, and compares
// the first with each of the others by the medians.
//
//   startupbench painted RUNS PROGRAM...   until the first painted frame shows light orange
//                                          (the face of "PRUEBA") at one pixel of the screen
//   startupbench mapped RUNS PROGRAM...    until a window titled "Form1" is mapped
//
// A PROGRAM with spaces is a command and its arguments ("wine64 korval2.exe"). Without a window
// manager every window opens at the top-left corner.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int probeX = 375, probeY = 222; // inside the face of "PRUEBA"
constexpr unsigned long orange = 0xFFC080;

using Clock = std::chrono::steady_clock;

bool probeShows(Display *display, unsigned long colour)
{
    XImage *image =
        XGetImage(display, DefaultRootWindow(display), probeX, probeY, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel == colour;
}

// True once a window titled "Form1" is mapped; waits at most a few milliseconds for events.
bool form1Mapped(Display *display)
{
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    if (!XPending(display) && poll(&connection, 1, 5) <= 0)
        return false;
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify)
            continue;
        char *name = nullptr;
        const bool found = XFetchName(display, event.xmap.window, &name) && name &&
                           std::strcmp(name, "Form1") == 0;
        XFree(name);
        if (found)
            return true;
    }
    return false;
}

long peakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

struct Run {
    double milliseconds;
    long peakKiB;
};

Run measure(Display *display, bool painted, const std::string &program)
{
    while (painted && probeShows(display, orange)) // the previous window must be gone
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    XSync(display, True); // forget earlier events

    std::vector<std::string> words;
    std::istringstream split(program);
    for (std::string word; split >> word;)
        words.push_back(word);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char *> argv;
        for (std::string &word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    while (painted ? !probeShows(display, orange) : !form1Mapped(display)) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startupbench: %s ended before its window\n", program.c_str());
            std::exit(1);
        }
        if (painted)
            std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // let it settle
    const long peak = peakResidentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return {elapsed, peak};
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5 || (std::strcmp(argv[1], "painted") && std::strcmp(argv[1], "mapped"))) {
        std::fprintf(stderr, "usage: startupbench painted|mapped RUNS PROGRAM PROGRAM...\n");
        return 2;
    }
    const bool painted = std::strcmp(argv[1], "painted") == 0;
    const int runs = std::max(1, std::atoi(argv[2]));
    const std::vector<std::string> programs(argv + 3, argv + argc);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startupbench: no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    std::vector<std::vector<double>> times(programs.size());
    std::vector<std::vector<long>> peaks(programs.size());
    for (int i = 0; i < runs; ++i)
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const Run run = measure(display, painted, programs[p]);
            times[p].push_back(run.milliseconds);
            peaks[p].push_back(run.peakKiB);
        }
    XCloseDisplay(display);

    std::printf("runs: %d each, medians, time to the %s window\n", runs,
                painted ? "first painted" : "mapped");
    for (std::size_t p = 0; p < programs.size(); ++p)
        std::printf("  %-50s %7.1f ms  %6.1f MiB\n", programs[p].c_str(), median(times[p]),
                    median(peaks[p]) / 1024.0);
    for (std::size_t p = 1; p < programs.size(); ++p)
        std::printf("first against %s: time ratio %.2f, memory %+.1f MiB\n", programs[p].c_str(),
                    median(times[0]) / median(times[p]),
                    (median(peaks[0]) - median(peaks[p])) / 1024.0);
    return 0;
}
