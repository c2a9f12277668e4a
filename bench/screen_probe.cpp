// SPDX-License-Identifier: GPL-3.0-or-later
// Watches a program from outside, as the child sees it: on an X display,
// starts it or clicks into one of its windows, then grabs the window again
// and again until its picture has stopped changing, and tells when the final
// picture came. The program itself is never asked anything.
//
//   screen_probe launch TITLE PROGRAM [ARGS...]
//       starts PROGRAM and waits for its window TITLE to settle; the program
//       is left running. Prints pid= settled_ms= cpu_ms= pictures=, cpu_ms
//       being the CPU time all its threads had used by then
//   screen_probe click TITLE X Y [WATCH]
//       clicks at pixel (X, Y) of window TITLE and waits for window WATCH
//       (TITLE by default) to settle. Prints settled_ms= pictures=
//   screen_probe slide TITLE X Y ROW DONE
//       clicks at (X, Y), records every change of pixel row ROW of TITLE
//       until window DONE appears, then waits for DONE to settle. Prints
//       frames= first_ms= last_ms= max_gap_ms= done_mapped_ms= settled_ms=
//   screen_probe close TITLE
//       closes window TITLE as its close box would, and waits until it has gone
//
// Titles match from their start. Times are milliseconds from the launch or
// the click. A window settles when its picture stays the same for QUIET_MS
// (default 800).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void pause(double ms) {
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
}

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "screen_probe: %s\n", why.c_str());
    std::exit(2);
}

// Windows come and go while we look at them; a vanished one is no error.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

struct ImageDeleter {
    void operator()(XImage* image) const { XDestroyImage(image); }
};
using Image = std::unique_ptr<XImage, ImageDeleter>;

class Screen {
  public:
    Screen() : display_(XOpenDisplay(nullptr)) {
        if (!display_) fail("no X display");
        XSetErrorHandler(ignoreErrors);
        netWmName_ = XInternAtom(display_, "_NET_WM_NAME", False);
    }
    ~Screen() { XCloseDisplay(display_); }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // The viewable top-level window whose title starts with prefix.
    std::optional<Window> find(const std::string& prefix) {
        Window root = DefaultRootWindow(display_), parent = 0, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_, root, &root, &parent, &children, &count)) return std::nullopt;
        std::optional<Window> found;
        // Topmost first: a window that was just shown lies on top.
        for (unsigned i = count; i-- > 0 && !found;) {
            XWindowAttributes a;
            if (XGetWindowAttributes(display_, children[i], &a) && a.map_state == IsViewable &&
                title(children[i]).rfind(prefix, 0) == 0)
                found = children[i];
        }
        if (children) XFree(children);
        return found;
    }

    Window await(const std::string& prefix, double timeoutMs) {
        const auto start = Clock::now();
        for (;;) {
            if (auto w = find(prefix)) return *w;
            if (msSince(start) > timeoutMs) fail("no window titled " + prefix);
            pause(1);
        }
    }

    // The window's picture, or part of it; empty when it is gone.
    Image grab(Window w, int y = 0, int rows = 0) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(display_, w, &a) || a.map_state != IsViewable) return nullptr;
        return Image(XGetImage(display_, w, 0, y, a.width, rows > 0 ? rows : a.height, AllPlanes, ZPixmap));
    }

    // A left click at a pixel of the window, as a mouse would make it.
    void click(Window w, int x, int y) {
        int rootX = 0, rootY = 0;
        Window child = 0;
        XTranslateCoordinates(display_, w, DefaultRootWindow(display_), x, y, &rootX, &rootY, &child);
        XTestFakeMotionEvent(display_, -1, rootX, rootY, CurrentTime);
        XSync(display_, False);
        pause(100); // let the program see the pointer arrive, as it would
        XTestFakeButtonEvent(display_, 1, True, CurrentTime);
        XTestFakeButtonEvent(display_, 1, False, CurrentTime);
        XSync(display_, False);
    }

    // What the close box in a window's frame does: ask it to close.
    void close(Window w) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = w;
        e.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_, w, False, NoEventMask, &e);
        XSync(display_, False);
    }

  private:
    std::string title(Window w) {
        for (Atom property : {netWmName_, XA_WM_NAME}) {
            Atom type = 0;
            int format = 0;
            unsigned long items = 0, after = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(display_, w, property, 0, 256, False, AnyPropertyType, &type, &format,
                                   &items, &after, &data) == Success &&
                data) {
                std::string text(reinterpret_cast<char*>(data), items);
                XFree(data);
                if (!text.empty()) return text;
            }
        }
        return {};
    }

    Display* display_;
    Atom netWmName_;
};

bool same(const Image& a, const Image& b) {
    if (!a || !b) return !a && !b;
    return a->width == b->width && a->height == b->height && a->bytes_per_line == b->bytes_per_line &&
           std::memcmp(a->data, b->data, static_cast<size_t>(a->bytes_per_line) * a->height) == 0;
}

double quietMs() {
    const char* q = std::getenv("QUIET_MS");
    return q ? std::atof(q) : 800;
}

// CPU time that every thread of the process has had so far, from the
// scheduler's own count: steadier than wall time on a loaded machine.
double cpuMs(pid_t pid) {
    if (pid <= 0) return 0;
    double ns = 0;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream in(task.path() / "schedstat");
        double onCpu = 0;
        if (in >> onCpu) ns += onCpu;
    }
    return ns / 1e6;
}

struct Settled {
    double ms = 0;    // when the final picture came
    double cpuMs = 0; // the program's CPU time by then
    int pictures = 0; // how many different pictures were seen on the way
};

// Grabs the window titled prefix (found anew each time: a reloaded window is
// a new X window) until its picture has not changed for quietMs().
Settled settle(Screen& screen, const std::string& prefix, Clock::time_point start, pid_t pid = 0) {
    Settled s;
    Image last;
    double lastChange = msSince(start);
    for (;;) {
        std::optional<Window> w = screen.find(prefix);
        Image now = w ? screen.grab(*w) : nullptr;
        const double at = msSince(start);
        if (!same(now, last)) {
            s.ms = at;
            s.cpuMs = cpuMs(pid);
            ++s.pictures;
            lastChange = at;
            last = std::move(now);
        } else if (last && at - lastChange > quietMs()) {
            return s;
        }
        if (at > 20000) fail("window " + prefix + " never settled");
        pause(1);
    }
}

int launch(const std::string& title, char** argv) {
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) fail("fork failed");
    if (pid == 0) {
        // Our output is read to its end: the program must not hold it open.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[0], argv);
        _exit(127);
    }
    Screen screen;
    screen.await(title, 20000);
    const Settled s = settle(screen, title, start, pid);
    std::printf("pid=%d settled_ms=%.1f cpu_ms=%.1f pictures=%d\n", pid, s.ms, s.cpuMs, s.pictures);
    return 0;
}

int click(const std::string& title, int x, int y, const std::string& watch) {
    Screen screen;
    const Window w = screen.await(title, 5000);
    screen.click(w, x, y);
    const Settled s = settle(screen, watch, Clock::now());
    std::printf("settled_ms=%.1f pictures=%d\n", s.ms, s.pictures);
    return 0;
}

int close(const std::string& title) {
    Screen screen;
    const Window w = screen.await(title, 5000);
    screen.close(w);
    for (const auto start = Clock::now(); screen.find(title) == w; pause(5))
        if (msSince(start) > 5000) fail("window " + title + " did not close");
    return 0;
}

int slide(const std::string& title, int x, int y, int row, const std::string& done) {
    Screen screen;
    const Window w = screen.await(title, 5000);
    Image last = screen.grab(w, row, 1);
    screen.click(w, x, y);
    const auto start = Clock::now();
    std::vector<double> frames;
    double doneMapped = 0;
    for (int poll = 0;; ++poll) {
        Image now = screen.grab(w, row, 1);
        const double at = msSince(start);
        if (!same(now, last)) {
            frames.push_back(at);
            last = std::move(now);
        }
        // Looking for the new window costs more than a row: every 4th poll.
        if (poll % 4 == 0 && screen.find(done)) {
            doneMapped = at;
            break;
        }
        if (at > 20000) fail("window " + done + " never came");
        pause(1);
    }
    const Settled s = settle(screen, done, start);
    double maxGap = 0; // between ticks; the first waits for the chime
    for (size_t i = 1; i < frames.size(); ++i)
        maxGap = std::max(maxGap, frames[i] - frames[i - 1]);
    std::printf("frames=%zu first_ms=%.1f last_ms=%.1f max_gap_ms=%.1f done_mapped_ms=%.1f settled_ms=%.1f\n",
                frames.size(), frames.empty() ? 0.0 : frames.front(), frames.empty() ? 0.0 : frames.back(),
                maxGap, doneMapped, s.ms);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "launch" && argc >= 4) return launch(argv[2], argv + 3);
    if (mode == "click" && (argc == 5 || argc == 6))
        return click(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), argc == 6 ? argv[5] : argv[2]);
    if (mode == "close" && argc == 3) return close(argv[2]);
    if (mode == "slide" && argc == 7)
        return slide(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), argv[6]);
    std::fprintf(stderr, "usage: screen_probe launch TITLE PROGRAM [ARGS...]\n"
                         "       screen_probe click TITLE X Y [WATCH]\n"
                         "       screen_probe slide TITLE X Y ROW DONE\n"
                         "       screen_probe close TITLE\n");
    return 2;
}
