// SPDX-License-Identifier: GPL-3.0-or-later
#include "invariants.h"

#include "app/forms/number_text.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

namespace tallowby::testing {
namespace {

// Read-only access to one loaded window's widgets by name. A window that
// lacks a widget is one whose rules do not apply yet.
class View {
  public:
    explicit View(const Form& form) : form_(form) {}
    const std::string& window() const { return form_.name(); }
    bool has(const std::string& name) const { return form_.indexOf(name) >= 0; }
    const WidgetState& widget(const std::string& name) const { return form_.widgets()[form_.indexOf(name)]; }
    bool visible(const std::string& name) const { return widget(name).visible; }
    // Drawn on the screen: visible and not parked.
    bool inView(const std::string& name) const { return form_.showsWidget(form_.indexOf(name)); }
    const std::string& text(const std::string& name) const { return widget(name).text; }

  private:
    const Form& form_;
};

std::string numbered(const char* stem, int n) {
    return stem + std::to_string(n);
}

// The whole number a caption reads as strictly, if it is one.
std::optional<long long> wholeNumber(const std::string& text) {
    std::optional<double> value = readStrict(text);
    if (!value || *value != std::floor(*value)) return std::nullopt;
    return static_cast<long long>(*value);
}

class Report {
  public:
    void broken(const View& v, const std::string& what) { lines_.push_back(v.window() + ": " + what); }
    void broken(const std::string& what) { lines_.push_back(what); }
    std::vector<std::string> take() { return std::move(lines_); }

  private:
    std::vector<std::string> lines_;
};

// A countdown caption must read strictly as a whole number from low to high.
void countdownInRange(Report& r, const View& v, const char* label, long long low, long long high) {
    if (!v.has(label)) return;
    const std::string& caption = v.text(label);
    std::optional<long long> n = wholeNumber(caption);
    if (!n || *n < low || *n > high)
        r.broken(v, std::string(label) + " reads \"" + caption + "\", not a number from " +
                        std::to_string(low) + " to " + std::to_string(high));
}

// Answer fields hold "" (not yet), "0" or "1", and nothing else.
constexpr const char* kAnswerFields[] = {"oneanstxt",  "twoanstxt", "threeanstxt", "fouranstxt",
                                         "fiveanstxt", "sixanstxt", "sevenanstxt", "eightanstxt",
                                         "nineanstxt", "tenanstxt"};

int answerFieldsHolding(Report& r, const View& v, const std::string& wanted) {
    int count = 0;
    for (const char* field : kAnswerFields) {
        if (!v.has(field)) continue;
        const std::string& t = v.text(field);
        if (t != "" && t != "0" && t != "1") r.broken(v, std::string(field) + " holds \"" + t + "\"");
        count += t == wanted;
    }
    return count;
}

void engine(Report& r, const Forms& app) {
    for (const std::string& fault : app.faults())
        r.broken("caller fault recorded: " + fault);
    const std::vector<std::string> loaded = app.loadedNames();
    const std::set<std::string> distinct(loaded.begin(), loaded.end());
    if (distinct.size() != loaded.size()) r.broken("a window is loaded more than once");
    const std::vector<std::string> visible = app.visibleFrontToBack();
    if (std::set<std::string>(visible.begin(), visible.end()).size() != visible.size())
        r.broken("a window stands twice in the front-to-back order");
    for (const std::string& name : loaded) {
        const Form* f = app.find(name);
        const bool listed = std::find(visible.begin(), visible.end(), name) != visible.end();
        if (f->visible() != listed) r.broken(name + ": visible flag and front-to-back order disagree");
    }
    if (app.ended() != visible.empty())
        r.broken(app.ended() ? "the program ended with a window visible"
                             : "no window is visible but the program runs on");
}

void menu(Report& r, const View& v) {
    // 8 at rest; 7 down to -62 while a bar slides (-63 is reset within its tick).
    countdownInRange(r, v, "timelbl", -62, 8);
}

void numberMatching(Report& r, const View& v) {
    for (int n = 1; n <= 5; ++n) {
        const int lamps = v.visible(numbered("question", n)) + v.visible(numbered("right", n)) +
                          v.visible(numbered("wrong", n));
        if (lamps != 1)
            r.broken(v, "light " + std::to_string(n) + " shows " + std::to_string(lamps) + " lamps");
    }
    int numerals = 0;
    for (int n = 1; n <= 5; ++n)
        numerals += v.inView(numbered("big", n));
    if (numerals > 1) r.broken(v, std::to_string(numerals) + " numeral tiles in view");
    countdownInRange(r, v, "numcountlbl", 0, 4);
}

void numbersOutOfOrder(Report& r, const View& v) {
    answerFieldsHolding(r, v, "1");
    for (int k = 1; k <= 10; ++k)
        if (v.visible(numbered("order", k)) == v.visible(numbered("answer", k)))
            r.broken(v, "answer tile " + std::to_string(k) + " shows both faces or none");
    // 20 at rest, 19 down to 11 while revealing (10 is reset within its tick).
    countdownInRange(r, v, "lblcount", 11, 20);
    if (!v.text("endresultlbl").empty()) countdownInRange(r, v, "endresultlbl", 0, 10);
}

void completeTheSequence(Report& r, const View& v) {
    // 3 between banners; each tick that reaches 0 puts 3 back at once.
    countdownInRange(r, v, "timelbl", 1, 3);
}

void numberPicking(Report& r, const View& v) {
    if (!v.has("small1")) return; // the window is not built yet
    int trunk = 0;
    for (int n = 1; n <= 10; ++n)
        trunk += v.visible(numbered("small", n));
    if (trunk > 1) r.broken(v, std::to_string(trunk) + " trunk numerals visible");

    // An apple in the box is hidden, counted by its "1" field and by one
    // more crate apple, whichever apple it was.
    const int ones = answerFieldsHolding(r, v, "1");
    int crate = 0, boxed = 0;
    for (int n = 1; n <= 10; ++n) {
        crate += v.visible(numbered("token", n));
        boxed += !v.visible(numbered("apple", n));
    }
    const std::string& count = v.text("applecounttxt");
    const int counted = count.empty() ? 0 : static_cast<int>(readLenient(count));
    if (counted != ones || crate != ones || boxed != ones)
        r.broken(v, "apple count \"" + count + "\", " + std::to_string(ones) + " fields at \"1\", " +
                        std::to_string(crate) + " crate apples, " + std::to_string(boxed) + " apples boxed");
}

} // namespace

std::vector<std::string> brokenInvariants(const Forms& app) {
    Report r;
    engine(r, app);
    const struct {
        const char* window;
        void (*rules)(Report&, const View&);
    } windows[] = {
        {"main", menu},
        {"nummatch", numberMatching},
        {"MissingNum", numbersOutOfOrder},
        {"Sequence", completeTheSequence},
        {"NumberPicking", numberPicking},
    };
    for (const auto& w : windows)
        if (const Form* f = app.find(w.window)) w.rules(r, View(*f));
    return r.take();
}

} // namespace tallowby::testing
