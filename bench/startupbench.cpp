// Start-up benchmark: how long korval2 takes from process start to its first painted frame, and
// its peak resident memory, against a bare Qt window (one empty widget) started the same way.
//
//   startupbench KORVAL2 [RUNS]   measures both, in the X display of $DISPLAY
//   startupbench --bare           is the bare window itself
//
// A frame counts as painted when the light orange of "PRUEBA" (or of the bare window, which is
// filled with the same colour) shows at one pixel of the screen. Without a window manager both
// windows open at the top-left corner.
#include <QApplication>
#include <QWidget>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int probeX = 375, probeY = 222; // inside the face of "PRUEBA"
constexpr unsigned long orange = 0xFFC080;

using Clock = std::chrono::steady_clock;

int bareWindow(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(640, 383);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xC0, 0x80));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.show();
    return QApplication::exec();
}

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

Run measure(Display *display, const std::vector<std::string> &command)
{
    while (probeShows(display, orange)) // the previous window must be gone
        std::this_thread::sleep_for(std::chrono::milliseconds(5));

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char *> argv;
        for (const std::string &word : command)
            argv.push_back(const_cast<char *>(word.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    while (!probeShows(display, orange)) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startupbench: %s ended before painting\n", command[0].c_str());
            std::exit(1);
        }
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
    if (argc >= 2 && std::string(argv[1]) == "--bare")
        return bareWindow(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: startupbench KORVAL2 [RUNS]\n");
        return 2;
    }
    const int runs = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 15;
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startupbench: no X display\n");
        return 1;
    }
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) < 0)
        return 1;

    std::vector<double> korvalTimes, bareTimes;
    std::vector<long> korvalPeaks, barePeaks;
    for (int i = 0; i < runs; ++i) {
        const Run bare = measure(display, {self, "--bare"});
        const Run korval = measure(display, {argv[1]});
        bareTimes.push_back(bare.milliseconds);
        barePeaks.push_back(bare.peakKiB);
        korvalTimes.push_back(korval.milliseconds);
        korvalPeaks.push_back(korval.peakKiB);
    }
    XCloseDisplay(display);

    const double korvalTime = median(korvalTimes), bareTime = median(bareTimes);
    const double korvalMiB = median(korvalPeaks) / 1024.0, bareMiB = median(barePeaks) / 1024.0;
    std::printf("runs: %d (medians)\n", runs);
    std::printf("korval2:          first frame %6.1f ms, peak memory %6.1f MiB\n", korvalTime,
                korvalMiB);
    std::printf("bare Qt window:   first frame %6.1f ms, peak memory %6.1f MiB\n", bareTime,
                bareMiB);
    std::printf("start-up ratio %.2f (target at most 1.15), memory above bare %.1f MiB (target at "
                "most 8)\n",
                korvalTime / bareTime, korvalMiB - bareMiB);
    return 0;
}
