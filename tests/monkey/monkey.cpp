// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <tuple>
#include <vector>

namespace tallowby::testing {
namespace {

constexpr const char* kActivityBars[] = {"Image3", "Image4", "Image5", "Image7"};
constexpr const char* kMenuExit = "Image2";

// Where the children try to put what they drag, the slots of the ordering
// board and the apple box, and what they press once all is in place.
struct DropTargets {
    const char* window;
    std::vector<const char*> targets;
    const char* check;
};
const DropTargets kDropTargets[] = {
    {"MissingNum",
     {"Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "Image8", "Image9", "Image10", "Image11"},
     "Image12"},
    {"NumberPicking", {"Image5"}, "checkans"},
};

std::string at(float x, float y) {
    return " (" + std::to_string(std::lround(x)) + "," + std::to_string(std::lround(y)) + ")";
}

} // namespace

std::uint64_t Dice::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Counts every load of every window, touches included.
class Monkey::LoadCounter : public FormsObserver {
  public:
    void formLoaded(const Form& form) override { ++loads[form.name()]; }
    std::map<std::string, long long> loads;
};

Monkey::Monkey(std::uint64_t seed) : dice_(seed), loads_(std::make_unique<LoadCounter>()) {
    newGame();
    figures_.games = 1;
}

Monkey::~Monkey() = default;

void Monkey::newGame() {
    if (game_) {
        for (const std::string& cue : game_->cues())
            ++cuesBefore_[cue];
        addressesBefore_ += static_cast<long long>(game_->platform.addresses.size());
        ++figures_.games;
    }
    game_.reset();
    game_ = std::make_unique<Harness>(); // starts the menu at once
    game_->app.addObserver(loads_.get());
    ++loads_->loads["main"];
    pointer_ = {};
}

MonkeyFigures Monkey::figures() const {
    MonkeyFigures f = figures_;
    f.loads = loads_->loads;
    f.cues = cuesBefore_;
    for (const std::string& cue : game_->cues())
        ++f.cues[cue];
    f.addresses = addressesBefore_ + static_cast<long long>(game_->platform.addresses.size());
    return f;
}

std::string Monkey::step() {
    if (game_->app.ended()) {
        newGame();
        tidying_.clear();
    }
    ++figures_.events;
    if (pointer_.buttons != 0) return heldEvent();
    if (!tidying_.empty() && dice_.chance(0.95)) return tidyUp();
    return idleEvent();
}

std::string Monkey::idleEvent() {
    const int roll = dice_.below(1000);
    if (roll < 200) return advanceClock();
    const std::vector<std::string> visible = game_->app.visibleFrontToBack();
    if (roll < 240 && (visible.empty() || visible.front() == "main" || dice_.chance(0.25)))
        return openAnActivity();
    if (roll < 270) return bringSomeWindowForward();
    if (roll < 276) return closeSomeWindow();
    if (roll == 276 && dice_.chance(0.2)) return pressExit();
    if (roll >= 277 && roll < 285) {
        planTidyUp();
        return advanceClock();
    }
    if (roll < 315) return pressAKey();
    std::optional<std::string> window = someVisibleWindow();
    if (!window) return advanceClock();
    if (roll < 400) {
        // The pointer passes over a window without a button: the toolkit
        // reports moves only while a button is held, but the engine must not mind.
        auto [x, y] = somePoint(*window);
        game_->move(*window, x, y, kNoButton);
        return "hover " + *window + at(x, y);
    }
    if (roll < 410) {
        // A release with no press before it, as when a window opens under a held button.
        auto [x, y] = somePoint(*window);
        const int button = someButton();
        game_->release(*window, x, y, button);
        return "stray release " + *window + " " + std::to_string(button) + at(x, y);
    }
    return press(*window, someButton());
}

std::string Monkey::press(const std::string& window, int button) {
    auto [x, y] = somePoint(window);
    for (int tries = 0; button == kLeft && onExit(window, x, y); ++tries) {
        if (tries == 8) return advanceClock();
        std::tie(x, y) = somePoint(window);
    }
    const bool shift = dice_.chance(0.1);
    pointer_ = {window, button, x, y, x, y, 0};
    game_->keyboard.mouseUsed(); // as the front end tells it of every press
    const int plan = dice_.below(100);
    if (plan < 50) {
        // A click: maybe a tiny wobble, then up again.
        pointer_.toX += dice_.between(-20, 20);
        pointer_.toY += dice_.between(-20, 20);
        pointer_.movesLeft = dice_.below(2);
    } else if (plan < 75 && aimAtDropTarget()) {
        // A child who has seen where things go.
    } else {
        // A drag, now and then right off the window.
        const Form& f = game_->form(window);
        if (dice_.chance(0.1)) {
            pointer_.toX = dice_.between(-1500, static_cast<float>(f.width()) + 1500);
            pointer_.toY = dice_.between(-1500, static_cast<float>(f.height()) + 1500);
        } else {
            std::tie(pointer_.toX, pointer_.toY) = somePoint(window, false);
        }
        pointer_.movesLeft = 1 + dice_.below(12);
    }
    game_->press(window, x, y, button, shift);
    return "press " + window + " " + std::to_string(button) + at(x, y) + (shift ? " shift" : "");
}

bool Monkey::aimAtDropTarget() {
    const Form& f = game_->form(pointer_.window);
    const int hit = game_->app.hitTest(f, pointer_.x, pointer_.y);
    if (hit < 0 || !f.widgets()[static_cast<std::size_t>(hit)].def->mouseDown) return false;
    for (const DropTargets& d : kDropTargets) {
        if (pointer_.window != d.window) continue;
        const int target =
            f.indexOf(d.targets[static_cast<std::size_t>(dice_.below(static_cast<int>(d.targets.size())))]);
        if (target < 0) return false;
        const Rect& dragged = f.widgets()[static_cast<std::size_t>(hit)].rect;
        const Rect& onto = f.widgets()[static_cast<std::size_t>(target)].rect;
        // The dragged picture's corner a little inside the target's, the
        // grab point kept under the pointer.
        pointer_.toX = onto.left + dice_.between(0, onto.width / 2) + (pointer_.x - dragged.left);
        pointer_.toY = onto.top + dice_.between(0, onto.height / 2) + (pointer_.y - dragged.top);
        pointer_.movesLeft = 2 + dice_.below(8);
        return true;
    }
    return false;
}

// Tidying up: every draggable picture in view, one after the other, each
// pressed where it can be reached and aimed at a drop target.
std::string Monkey::tidyUp() {
    const std::string window = tidying_.front().first;
    const std::string picture = tidying_.front().second;
    tidying_.pop_front();
    const Form* f = game_->app.find(window);
    if (!f || !f->visible()) return advanceClock();
    const std::optional<Point> where = reachable(*f, picture);
    if (!where) return advanceClock();
    pointer_ = {window, kLeft, where->first, where->second, where->first, where->second, 0};
    // Dragged onto a target, or, at the end, clicked.
    aimAtDropTarget();
    game_->press(window, pointer_.x, pointer_.y, kLeft);
    return "tidy up: press " + window + "." + picture + at(pointer_.x, pointer_.y);
}

void Monkey::planTidyUp() {
    const std::vector<std::string> visible = game_->app.visibleFrontToBack();
    if (visible.empty()) return;
    const Form& f = game_->form(visible.front());
    std::vector<std::string> draggable;
    for (int i = 0; i < static_cast<int>(f.widgets().size()); ++i)
        if (f.showsWidget(i) && f.widgets()[static_cast<std::size_t>(i)].def->mouseDown)
            draggable.push_back(f.widgets()[static_cast<std::size_t>(i)].def->name);
    for (std::size_t i = draggable.size(); i > 1; --i)
        std::swap(draggable[i - 1], draggable[static_cast<std::size_t>(dice_.below(static_cast<int>(i)))]);
    for (const std::string& name : draggable)
        tidying_.emplace_back(f.name(), name);
    for (const DropTargets& d : kDropTargets)
        if (f.name() == d.window) tidying_.emplace_back(f.name(), d.check);
}

std::optional<Monkey::Point> Monkey::reachable(const Form& f, const std::string& widget) {
    const int index = f.indexOf(widget);
    if (index < 0) return std::nullopt;
    const Rect r = f.widgets()[static_cast<std::size_t>(index)].rect;
    for (int tries = 0; tries < 16; ++tries) {
        const float x = dice_.between(r.left, r.left + r.width), y = dice_.between(r.top, r.top + r.height);
        if (game_->app.hitTest(f, x, y) == index) return Point{x, y};
    }
    return std::nullopt;
}

std::string Monkey::heldEvent() {
    const int roll = dice_.below(100);
    if (roll < 8) return advanceClock();
    if (roll < 9) return closeSomeWindow();
    if (roll < 11) return bringSomeWindowForward();
    if (roll < 12) return pressAKey();
    if (roll < 15) {
        // Another button joins the one held.
        int button = someButton();
        if ((pointer_.buttons & button) == 0) {
            pointer_.buttons |= button;
            game_->press(pointer_.window, pointer_.x, pointer_.y, button);
            return "press also " + pointer_.window + " " + std::to_string(button) +
                   at(pointer_.x, pointer_.y);
        }
    }
    const bool wantsToLetGo = pointer_.movesLeft == 0 ? dice_.chance(0.6) : dice_.chance(0.02);
    if (wantsToLetGo) {
        // Let go of one held button, the left one last as a rule.
        int button = pointer_.buttons;
        if (std::popcount(static_cast<unsigned>(button)) > 1) {
            std::vector<int> held;
            for (int b : {kLeft, kRight, kMiddle})
                if (pointer_.buttons & b) held.push_back(b);
            button = held[static_cast<std::size_t>(dice_.below(static_cast<int>(held.size())))];
        }
        return release(button, pointer_.x, pointer_.y);
    }
    if (pointer_.movesLeft > 0) {
        const float share = 1.0f / static_cast<float>(pointer_.movesLeft--);
        pointer_.x += (pointer_.toX - pointer_.x) * share;
        pointer_.y += (pointer_.toY - pointer_.y) * share;
    } else {
        pointer_.x += dice_.between(-60, 60);
        pointer_.y += dice_.between(-60, 60);
    }
    game_->move(pointer_.window, pointer_.x, pointer_.y, pointer_.buttons, dice_.chance(0.1));
    return "move " + pointer_.window + " " + std::to_string(pointer_.buttons) + at(pointer_.x, pointer_.y);
}

std::string Monkey::release(int button, float x, float y) {
    pointer_.buttons &= ~button;
    game_->release(pointer_.window, x, y, button, dice_.chance(0.1));
    return "release " + pointer_.window + " " + std::to_string(button) + at(x, y);
}

std::string Monkey::advanceClock() {
    const int roll = dice_.below(100);
    long long ms;
    if (roll < 45)
        ms = 1 + dice_.below(30);
    else if (roll < 75)
        ms = 30 + dice_.below(970);
    else if (roll < 95)
        ms = 1000 + dice_.below(4000);
    else
        ms = 5000 + dice_.below(15000);
    game_->advance(ms);
    figures_.virtualMs += ms;
    return "advance " + std::to_string(ms) + " ms";
}

std::string Monkey::closeSomeWindow() {
    std::vector<std::string> visible = game_->app.visibleFrontToBack();
    if (visible.empty()) return advanceClock();
    std::string window = visible[static_cast<std::size_t>(dice_.below(static_cast<int>(visible.size())))];
    // The menu's close box less often, so that most play goes through the menu.
    if (window == "main" && dice_.chance(0.8)) {
        if (visible.size() == 1) return advanceClock();
        window = visible.front() != "main" ? visible.front() : visible[1];
    }
    ++figures_.closeBoxes;
    game_->closeBox(window);
    return "close box " + window;
}

std::string Monkey::bringSomeWindowForward() {
    std::vector<std::string> visible = game_->app.visibleFrontToBack();
    if (visible.empty()) return advanceClock();
    const std::string& window =
        visible[static_cast<std::size_t>(dice_.below(static_cast<int>(visible.size())))];
    game_->app.activated(window);
    return "bring forward " + window;
}

// Presses an activity bar; the release follows as the next event.
std::string Monkey::openAnActivity() {
    if (!game_->visible("main")) return advanceClock();
    const char* bar = kActivityBars[dice_.below(4)];
    Form& menu = game_->form("main");
    const WidgetState& s = menu.widgets()[static_cast<std::size_t>(menu.indexOf(bar))];
    // A sliding bar may stand mostly beyond the right edge.
    const float right = std::min(s.rect.left + s.rect.width, static_cast<float>(menu.width()));
    const float x = dice_.between(s.rect.left, right - 1),
                y = dice_.between(s.rect.top, s.rect.top + s.rect.height - 1);
    pointer_ = {"main", kLeft, x, y, x, y, 0};
    game_->press("main", x, y, kLeft);
    return std::string("press main.") + bar + at(x, y);
}

std::string Monkey::pressExit() {
    if (!game_->visible("main")) return advanceClock();
    auto [x, y] = game_->reachablePoint("main", kMenuExit);
    ++figures_.exits;
    pointer_ = {"main", kLeft, x, y, x, y, 0};
    game_->press("main", x, y, kLeft);
    return "press main.Image2 (EXIT) on purpose";
}

// A key of the keyboard play, now and then with shift; never the Enter or
// Space that would press the menu's EXIT.
std::string Monkey::pressAKey() {
    std::optional<std::string> window = someVisibleWindow();
    if (!window) return advanceClock();
    constexpr struct {
        Key key;
        const char* name;
    } kKeys[] = {{Key::Tab, "Tab"},     {Key::Enter, "Enter"}, {Key::Space, "Space"}, {Key::Left, "Left"},
                 {Key::Right, "Right"}, {Key::Up, "Up"},       {Key::Down, "Down"}};
    auto k = kKeys[dice_.below(7)];
    if (*window == "main" && (k.key == Key::Enter || k.key == Key::Space)) {
        const Form& menu = game_->form("main");
        const int focused = game_->keyboard.focus(menu).widget;
        if (focused >= 0 && menu.widgets()[static_cast<std::size_t>(focused)].def->name == kMenuExit)
            k = kKeys[0];
    }
    const bool shift = dice_.chance(0.2);
    game_->key(*window, k.key, shift);
    return "key " + *window + " " + k.name + (shift ? " shift" : "");
}

std::optional<std::string> Monkey::someVisibleWindow() {
    std::vector<std::string> visible = game_->app.visibleFrontToBack();
    if (visible.empty()) return std::nullopt;
    if (dice_.chance(0.8)) return visible.front();
    return visible[static_cast<std::size_t>(dice_.below(static_cast<int>(visible.size())))];
}

std::pair<float, float> Monkey::somePoint(const std::string& window, bool aimAtHandlers) {
    const Form& f = game_->form(window);
    const float width = static_cast<float>(f.width()), height = static_cast<float>(f.height());
    if (dice_.chance(0.75)) {
        // Mostly what looks like it does something; else anything in view.
        const bool handled = aimAtHandlers && dice_.chance(0.7);
        std::vector<int> inView;
        for (int i = 0; i < static_cast<int>(f.widgets().size()); ++i) {
            const WidgetDef& d = *f.widgets()[static_cast<std::size_t>(i)].def;
            if (f.showsWidget(i) && (!handled || d.click || d.mouseDown || d.mouseUp)) inView.push_back(i);
        }
        if (!inView.empty()) {
            const Rect r =
                f
                    .widgets()[static_cast<std::size_t>(
                        inView[static_cast<std::size_t>(dice_.below(static_cast<int>(inView.size())))])]
                    .rect;
            const float left = std::max(r.left, 0.0f), top = std::max(r.top, 0.0f);
            const float right = std::min(r.left + r.width, width),
                        bottom = std::min(r.top + r.height, height);
            return {dice_.between(left, right), dice_.between(top, bottom)};
        }
    }
    return {dice_.between(0, width), dice_.between(0, height)};
}

bool Monkey::onExit(const std::string& window, float x, float y) {
    if (window != "main") return false;
    const Form& f = game_->form(window);
    const int hit = game_->app.hitTest(f, x, y);
    return hit >= 0 && f.widgets()[static_cast<std::size_t>(hit)].def->name == kMenuExit;
}

int Monkey::someButton() {
    const int roll = dice_.below(100);
    return roll < 80 ? kLeft : roll < 92 ? kRight : kMiddle;
}

} // namespace tallowby::testing
