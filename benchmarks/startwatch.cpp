// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and peak memory of programs with a window, side by side under one X server.
//
//   torrentix-startwatch RUNS NAME=PROGRAM NAME=PROGRAM
//
// Launches the two programs alternately, RUNS times each after one unmeasured warm-up
// launch of each, and for every launch measures, from just before the fork:
//   mapped:  the X server reports the program's first top-level window mapped (MapNotify
//            on the root window, which this watcher selects SubstructureNotify on);
//   painted: the program has drawn every pixel of that window (the DAMAGE extension
//            reports each rectangle drawn into it; we wait until they cover the window);
// and the peak resident memory (VmHWM) of the program at the moment it has painted, read
// from /proc just before the program is ended. No sleeps, no polling of the screen.
//
// Prints each launch to stderr and a Markdown summary to stdout: medians and median ratios
// of the first program to the second, then the absolute figures. Run it under a private
// X server with no window manager (benchmarks/run.sh starts Xvfb).
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <map>
#include <memory>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
    std::string name;
    std::string path;
    std::vector<double> mappedMs, paintedMs, cpuMs, peakMiB;
};

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "startwatch: %s\n", why.c_str());
    std::exit(1);
}

// One top-level window of the launched program, and which of its pixels have been drawn.
struct Watched {
    xcb_damage_damage_t damage = 0;
    int width = 0, height = 0;
    bool mapped = false;
    std::vector<bool> drawn;
    long remaining = 0;

    void resize(int w, int h) {
        width = w;
        height = h;
        drawn.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), false);
        remaining = static_cast<long>(w) * h;
    }
    void draw(int x0, int y0, int w, int h) {
        const int x1 = std::min(width, x0 + w), y1 = std::min(height, y0 + h);
        for (int y = std::max(0, y0); y < y1; ++y) {
            for (int x = std::max(0, x0); x < x1; ++x) {
                auto bit = drawn[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                 static_cast<std::size_t>(x)];
                if (!bit) {
                    bit = true;
                    --remaining;
                }
            }
        }
    }
};

class Display {
public:
    Display() {
        int screenNumber = 0;
        conn_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(conn_))
            fail("cannot connect to the X server (is DISPLAY set?)");
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(conn_));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&it);
        root_ = it.data->root;

        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(conn_, &xcb_damage_id);
        if (damage == nullptr || !damage->present)
            fail("the X server has no DAMAGE extension");
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(
            conn_,
            xcb_damage_query_version(conn_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));

        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(conn_);
    }
    ~Display() { xcb_disconnect(conn_); }

    // Launches `path` and returns when its window is painted, or fails after 60 s.
    void measure(Program& program, bool record) {
        windows_.clear();
        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid < 0)
            fail("fork failed");
        if (pid == 0) {
            execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
            std::fprintf(stderr, "startwatch: cannot run %s: %s\n", program.path.c_str(),
                         std::strerror(errno));
            _exit(127);
        }

        double mappedMs = -1, paintedMs = -1;
        const int fd = xcb_get_file_descriptor(conn_);
        while (paintedMs < 0) {
            xcb_generic_event_t* event = xcb_poll_for_event(conn_);
            if (event == nullptr) {
                if (xcb_connection_has_error(conn_))
                    fail("lost the X server");
                pollfd p{fd, POLLIN, 0};
                const auto waited = std::chrono::duration<double>(Clock::now() - start).count();
                if (waited > 60 || poll(&p, 1, 1000) < 0 || waitpid(pid, nullptr, WNOHANG) == pid)
                    fail(program.name + " showed no painted window");
                continue;
            }
            const std::unique_ptr<xcb_generic_event_t, decltype(&free)> owned(event, &free);
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            const int type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
                if (e->parent != root_)
                    continue;
                // Watch every new top-level window from its creation, long before the
                // program can map and paint it.
                Watched& w = windows_[e->window];
                w.damage = xcb_generate_id(conn_);
                xcb_damage_create(conn_, w.damage, e->window,
                                  XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                xcb_flush(conn_);
                w.resize(e->width, e->height);
            } else if (type == XCB_CONFIGURE_NOTIFY) {
                const auto* e = reinterpret_cast<xcb_configure_notify_event_t*>(event);
                const auto found = windows_.find(e->window);
                if (found != windows_.end() &&
                    (found->second.width != e->width || found->second.height != e->height))
                    found->second.resize(e->width, e->height);
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
                const auto found = windows_.find(e->window);
                if (found != windows_.end() && !e->override_redirect) {
                    found->second.mapped = true;
                    if (mappedMs < 0)
                        mappedMs = ms;
                }
            } else if (type == damageEvent_) {
                const auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                const auto found = windows_.find(e->drawable);
                if (found == windows_.end() || !found->second.mapped)
                    continue;
                found->second.draw(e->area.x, e->area.y, e->area.width, e->area.height);
                if (found->second.remaining == 0)
                    paintedMs = ms;
            }
        }

        const double peak = peakResidentMiB(pid);
        const double cpu = cpuMs(pid);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        // Let the server tear the program's windows down before the next launch.
        free(xcb_get_input_focus_reply(conn_, xcb_get_input_focus(conn_), nullptr));
        while (xcb_generic_event_t* e = xcb_poll_for_event(conn_))
            free(e);

        std::fprintf(
            stderr, "%-10s mapped %7.1f ms  painted %7.1f ms  cpu %7.1f ms  peak %6.1f MiB%s\n",
            program.name.c_str(), mappedMs, paintedMs, cpu, peak, record ? "" : "  (warm-up)");
        if (record) {
            program.mappedMs.push_back(mappedMs);
            program.paintedMs.push_back(paintedMs);
            program.cpuMs.push_back(cpu);
            program.peakMiB.push_back(peak);
        }
    }

private:
    // CPU time the program's threads have run so far (the scheduler's own account, in ns):
    // less disturbed than wall time when other work shares the machine.
    static double cpuMs(pid_t pid) {
        const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
        double ns = 0;
        DIR* dir = opendir(tasks.c_str());
        if (dir == nullptr)
            fail("cannot read " + tasks);
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
            double running = 0;
            if (stat >> running)
                ns += running;
        }
        closedir(dir);
        return ns / 1e6;
    }

    static double peakResidentMiB(pid_t pid) {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("VmHWM:", 0) == 0)
                return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
        }
        fail("no VmHWM for the program");
    }

    xcb_connection_t* conn_ = nullptr;
    xcb_window_t root_ = 0;
    int damageEvent_ = 0;
    std::map<xcb_window_t, Watched> windows_;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The median of the ratios of launch i of `a` to launch i of `b`, launched one after the
// other, so that slow spells of a shared machine hit both sides of a ratio alike.
double medianRatio(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < a.size(); ++i)
        ratios.push_back(a[i] / b[i]);
    return median(ratios);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        fail("usage: torrentix-startwatch RUNS NAME=PROGRAM NAME=PROGRAM");
    const int runs = std::atoi(argv[1]);
    if (runs < 1)
        fail("RUNS must be at least 1");
    std::vector<Program> programs;
    for (int i = 2; i < 4; ++i) {
        const std::string arg = argv[i];
        const auto eq = arg.find('=');
        if (eq == std::string::npos)
            fail("expected NAME=PROGRAM, got " + arg);
        programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}, {}, {}});
    }

    Display display;
    for (Program& p : programs)
        display.measure(p, false);
    for (int run = 0; run < runs; ++run) {
        for (Program& p : programs)
            display.measure(p, true);
    }

    const Program& a = programs[0];
    const Program& b = programs[1];
    const double startRatio = medianRatio(a.paintedMs, b.paintedMs);
    const double memoryRatio = medianRatio(a.peakMiB, b.peakMiB);
    std::printf("### Start-up and memory against the floor\n\n");
    std::printf("%d launches of each, alternately, under one Xvfb.\n\n", runs);
    std::printf("| goal | median ratio %s ÷ %s | ratio of medians | |\n|---|---|---|---|\n",
                a.name.c_str(), b.name.c_str());
    std::printf("| start-up (until painted) ≤ 1.10× | %.2f× | %.2f× | %s |\n", startRatio,
                median(a.paintedMs) / median(b.paintedMs),
                startRatio <= 1.10 ? "met" : "**missed**");
    std::printf("| peak resident memory ≤ 1.10× | %.2f× | %.2f× | %s |\n", memoryRatio,
                median(a.peakMiB) / median(b.peakMiB), memoryRatio <= 1.10 ? "met" : "**missed**");
    std::printf("| (until mapped) | %.2f× | %.2f× | |\n", medianRatio(a.mappedMs, b.mappedMs),
                median(a.mappedMs) / median(b.mappedMs));
    std::printf("| (CPU time until painted) | %.2f× | %.2f× | |\n", medianRatio(a.cpuMs, b.cpuMs),
                median(a.cpuMs) / median(b.cpuMs));

    std::printf("@@absolute@@\n");
    std::printf("### Start-up and memory: medians of %d launches\n\n", runs);
    std::printf("| program | until mapped | until painted | fastest painted | slowest painted | "
                "CPU time until painted | peak resident memory |\n|---|---|---|---|---|---|---|\n");
    for (const Program& p : programs)
        std::printf("| %s | %.1f ms | %.1f ms | %.1f ms | %.1f ms | %.1f ms | %.1f MiB |\n",
                    p.name.c_str(), median(p.mappedMs), median(p.paintedMs),
                    *std::min_element(p.paintedMs.begin(), p.paintedMs.end()),
                    *std::max_element(p.paintedMs.begin(), p.paintedMs.end()), median(p.cpuMs),
                    median(p.peakMiB));
    return 0;
}
