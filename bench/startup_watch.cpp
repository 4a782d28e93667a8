// Starts a program under the X display and times its start-up from the X server's side: when
// its first top-level window is mapped, and when the program first draws into it. Prints one
// line of figures once the program has run for a while after the map, then ends it:
//
//   map_ms=… paint_ms=… cpu_ms=… rss_kib=… anon_kib=… private_kib=…
//
// cpu_ms is the CPU time of all the program's threads when the window was mapped, from the
// scheduler's own count in /proc (finer than the clock ticks of /proc/<pid>/stat). The memory
// figures are VmRSS and RssAnon from /proc/<pid>/status and the private dirty pages from
// /proc/<pid>/smaps_rollup, read settle_ms after the map.
//
// Usage: bng-startup-watch [--settle-ms N] [--trace] -- program [argument...]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double cpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* folder = opendir(tasks.c_str());
    if (!folder)
        return -1;
    double total = 0;
    while (const dirent* entry = readdir(folder)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        unsigned long long onCpuNs = 0;
        if (schedstat >> onCpuNs)
            total += onCpuNs / 1e6;
    }
    closedir(folder);
    return total;
}

// The value in kiB of the line "key: value kB" in a /proc file, or -1.
long field(pid_t pid, const char* file, const std::string& key) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, key.size() + 1, key + ":") == 0)
            return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
    }
    return -1;
}

int usage() {
    std::fprintf(stderr, "usage: bng-startup-watch [--settle-ms N] [--trace] -- program...\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    double settleMs = 1000;
    bool trace = false;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        }
        if (std::strcmp(argv[first], "--settle-ms") == 0 && first + 1 < argc)
            settleMs = std::atof(argv[++first]);
        else if (std::strcmp(argv[first], "--trace") == 0)
            trace = true;
        else
            return usage();
    }
    if (first >= argc)
        return usage();

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "bng-startup-watch: cannot open the display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "bng-startup-watch: the display has no DAMAGE extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[first], argv + first);
        std::perror(argv[first]);
        _exit(127);
    }

    std::map<Window, Damage> damages;
    Window mapped = 0;
    double mapMs = -1;
    double paintMs = -1;
    double cpuAtMap = -1;
    const double giveUp = start + 30000;
    for (;;) {
        const double now = nowMs();
        if (mapMs >= 0 && paintMs >= 0 && now >= start + mapMs + settleMs)
            break;
        if (now >= giveUp || waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "bng-startup-watch: %s\n",
                         now >= giveUp ? "no window was mapped and drawn"
                                       : "the program ended before it was measured");
            kill(pid, SIGKILL);
            return 1;
        }
        if (!XPending(display)) {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 5);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double at = nowMs() - start;
        if (event.type == CreateNotify && event.xcreatewindow.parent == root &&
            !event.xcreatewindow.override_redirect) {
            damages[event.xcreatewindow.window] =
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
            if (trace)
                std::fprintf(stderr, "%8.2f create %lx\n", at, event.xcreatewindow.window);
        } else if (event.type == MapNotify && event.xmap.event == root &&
                   !event.xmap.override_redirect && mapped == 0) {
            mapped = event.xmap.window;
            mapMs = at;
            cpuAtMap = cpuMs(pid);
            if (trace)
                std::fprintf(stderr, "%8.2f map %lx\n", at, mapped);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (trace)
                std::fprintf(stderr, "%8.2f damage %lx %dx%d+%d+%d\n", at, damage.drawable,
                             damage.area.width, damage.area.height, damage.area.x, damage.area.y);
            if (damage.drawable == mapped && paintMs < 0)
                paintMs = at;
        }
    }

    const long rss = field(pid, "status", "VmRSS");
    const long anon = field(pid, "status", "RssAnon");
    const long privateDirty = field(pid, "smaps_rollup", "Private_Dirty");
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("map_ms=%.2f paint_ms=%.2f cpu_ms=%.2f rss_kib=%ld anon_kib=%ld private_kib=%ld\n",
                mapMs, paintMs, cpuAtMap, rss, anon, privateDirty);
    XCloseDisplay(display);
    return 0;
}
