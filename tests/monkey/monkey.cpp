#include "monkey/monkey.h"

#include <cxxabi.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextEdit>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <memory>
#include <sstream>
#include <vector>

#include "exam/exam_windows.h"
#include "exam/form42.h"
#include "navigation/form8.h"
#include "platform/forms.h"
#include "shared/module1.h"

using namespace forms;

namespace monkey {

namespace {

std::string windowName(const Form& form) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(typeid(form).name(), nullptr, nullptr, &status),
                                                std::free);
    return status == 0 ? name.get() : typeid(form).name();
}

std::string controlName(const std::string& kind, const Control& c) {
    std::ostringstream out;
    out << kind;
    if (c.Index() >= 0) out << '(' << c.Index() << ')';
    out << '@' << c.Place().left << ',' << c.Place().top;
    return out.str();
}

// What a learner can reach: the control's widget is on the screen and takes input.
bool reachable(const Control& c) {
    return c.Visible() && c.Enabled() && c.widget() != nullptr && c.widget()->isVisible() && c.widget()->isEnabled();
}

void eachControl(Container& container, const std::function<void(Control&)>& visit) {
    for (Control* c : container.children()) {
        visit(*c);
        if (auto* inner = dynamic_cast<Container*>(c)) eachControl(*inner, visit);
    }
}

std::vector<Form*> shownForms() {
    std::vector<Form*> out;
    for (Form* f : Registry::loadedForms())
        if (f->Visible()) out.push_back(f);
    return out;
}

void eachMenuItem(Menu& menu, const std::string& path, const std::function<void(Menu&, const std::string&)>& visit) {
    if (!menu.Visible()) return;
    const std::string here = path.empty() ? menu.Caption() : path + ">" + menu.Caption();
    if (menu.items().empty()) visit(menu, here);
    for (Menu* item : menu.items()) eachMenuItem(*item, here, visit);
}

// Texts a learner might type or paste, hostile ones included.
const char* const kPieces[] = {"<b>x</b>", "%s", "../", ";rm -rf /", "\r\n", " ",    "\t",    "&amp;",
                               "\"",       "'",  "\\",  "😀",         "　",   "%n%n", "$(id)", "C:\\"};

}  // namespace

struct Monkey::Action {
    Form* form;
    std::string control;
    std::function<void()> fire;
    const void* target = nullptr;
    std::string kind;
};

void Tally::use(const std::string& window, const std::string& control) {
    seen[window].insert(control);
    ++used[window][control];
    ++eventsByWindow[window];
}

std::string Tally::report() const {
    std::ostringstream out;
    out << events << " events, " << restarts << " fresh starts, " << seen.size() << " windows reached\n";
    for (const auto& [window, controls] : seen) {
        auto u = used.find(window);
        std::vector<std::string> unused;
        for (const std::string& c : controls)
            if (u == used.end() || u->second.count(c) == 0) unused.push_back(c);
        auto e = eventsByWindow.find(window);
        out << "  " << window << ": " << (e == eventsByWindow.end() ? 0 : e->second) << " events, "
            << controls.size() - unused.size() << "/" << controls.size() << " controls used";
        for (const std::string& c : unused) out << "  [unused " << c << "]";
        out << '\n';
    }
    return out.str();
}

// The platform ------------------------------------------------------------

int MonkeyPlatform::messageBox(const std::string& prompt, int style, const std::optional<std::string>& title) {
    if (onDesktop()) return desktopMessageBox(prompt, style, title);
    messageBoxes.push_back({prompt, style, title});
    if (!answers.empty()) {  // a road's own answer
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<int> buttons;
    switch (style & 0x0F) {
        case vbOKCancel:
            buttons = {vbOK, vbCancel};
            break;
        case vbAbortRetryIgnore:
            buttons = {vbAbort, vbRetry, vbIgnore};
            break;
        case vbYesNoCancel:
            buttons = {vbYes, vbNo, vbCancel};
            break;
        case vbYesNo:
            buttons = {vbYes, vbNo};
            break;
        case vbRetryCancel:
            buttons = {vbRetry, vbCancel};
            break;
        default:
            buttons = {vbOK};
    }
    int answer = buttons[static_cast<std::size_t>(monkey_.below(static_cast<int>(buttons.size())))];
    monkey_.log("  message box \"" + prompt.substr(0, 60) + "\" answered " + std::to_string(answer));
    return answer;
}

void MonkeyPlatform::popupMenu(Form& form, Menu& menu) {
    RecordingPlatform::popupMenu(form, menu);
    if (onDesktop()) return desktopPopupMenu(form, menu);
    std::vector<std::pair<Menu*, std::string>> items;
    for (Menu* top : menu.items())
        eachMenuItem(*top, "", [&](Menu& m, const std::string& path) { items.emplace_back(&m, path); });
    // Dismissing the popup is as likely as any one item.
    const int pick = monkey_.below(static_cast<int>(items.size()) + 1);
    if (pick == static_cast<int>(items.size())) {
        monkey_.log("  popup " + menu.Caption() + " dismissed");
        return;
    }
    const auto& [item, path] = items[static_cast<std::size_t>(pick)];
    monkey_.log("  popup item " + path);
    monkey_.tally_.use(windowName(form), "popup:" + menu.Caption() + ">" + path);
    item->click();
}

double MonkeyPlatform::random() { return std::uniform_real_distribution<double>(0.0, 1.0)(monkey_.engine_); }

int MonkeyPlatform::randomWholeNumber(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(monkey_.engine_);
}

// The run ------------------------------------------------------------------

Monkey::Monkey(std::uint64_t seed, Tally& tally) : seed_(seed), tally_(tally), engine_(seed), platform_(*this) {
    if (seed % 10 == 5) {
        desktop_ = std::make_unique<DesktopStandIns>();
        platform_.useDesktop(&desktop_->platform());
    }
    platform::install(&platform_);
}

Monkey::~Monkey() {
    Registry::reset();
    settle();
    Module1::reset();
    platform::install(&testing_support::recorder());
}

void Monkey::start() {
    Registry::reset();
    settle();
    Module1::reset();
    clockLeft_.clear();
    rowsWindow_ = 0;
    log("start: the start window is shown");
    form<Form8>().Show();
    walkRoad();
    settle();
    // A learner comes back to the program now and then, as well as when it ends.
    eventsUntilRestart_ = 200 + below(1000);
}

void Monkey::run(long events) {
    start();
    outsideTouches_ = Table::touchesOutside();
    for (long i = 0; i < events && !failure_; ++i) {
        ++eventNumber_;
        ++tally_.events;
        if (Registry::ended() || --eventsUntilRestart_ < 0) {
            ++tally_.restarts;
            start();
        }
        for (Form* f : shownForms()) tally_.reach(windowName(*f));
        step();
        settle();
        check();
    }
}

void Monkey::step() {
    acted_ = nullptr;
    actedWindow_.clear();
    actedKind_.clear();
    itemBefore_ = Module1::CurrentItem.number();
    examRanBefore_ = examRuns();
    examBarBefore_ = isLoaded<Form42>() ? form<Form42>().hWnd() : 0;
    platform_.newEvent();
    const int roll = below(100);
    if (roll < 55)
        clickSomething();
    else if (roll < 67)
        typeSomething();
    else if (roll < 70)
        pressMouseInBox();
    else if (roll < 72)
        closeSomeWindow();
    else if (roll < 80)
        pressKey();
    else if (roll < 94)
        fireTimer();
    else
        advanceClock();
}

void Monkey::clickSomething() {
    std::vector<Action> actions;
    for (Form* f : shownForms()) {
        const std::string w = windowName(*f);
        auto add = [&](const std::string& name, std::function<void()> fire, const void* target = nullptr) {
            tally_.note(w, name);
            actions.push_back({f, name, std::move(fire), target, name.substr(0, name.find_first_of("(@:"))});
        };
        eachControl(*f, [&](Control& c) {
            if (!reachable(c)) return;
            if (auto* b = dynamic_cast<CommandButton*>(&c))
                add(controlName("button", c), [b] { b->click(); }, &c);
            else if (auto* l = dynamic_cast<Label*>(&c))
                add(controlName("label", c), [l] { l->click(); }, &c);
            else if (auto* i = dynamic_cast<Image*>(&c))
                add(controlName("image", c), [i] { i->click(); }, &c);
            else if (auto* x = dynamic_cast<CheckBox*>(&c))
                add(controlName("check", c), [x] { x->click(); }, &c);
            else if (auto* o = dynamic_cast<OptionButton*>(&c))
                add(controlName("option", c), [o] { o->click(); }, &c);
            else if (auto* list = dynamic_cast<ListBox*>(&c)) {
                if (list->ListCount() > 0)
                    add(controlName("list", c), [this, list] { list->pick(below(list->ListCount())); }, &c);
            } else if (auto* combo = dynamic_cast<ComboBox*>(&c)) {
                if (combo->ListCount() > 0)
                    add(controlName("combo", c), [this, combo] { combo->pick(below(combo->ListCount())); }, &c);
            }
        });
        for (Menu* top : f->menus()) {
            if (!top->Visible()) continue;
            eachMenuItem(*top, "", [&](Menu& m, const std::string& path) {
                add("menu:" + path, [&m] { m.click(); }, &m);
            });
        }
    }
    if (actions.empty()) return;
    const Action& a = actions[static_cast<std::size_t>(below(static_cast<int>(actions.size())))];
    const std::string w = windowName(*a.form);
    log("click " + w + " " + a.control);
    tally_.use(w, a.control);
    acted_ = a.target;
    actedWindow_ = w;
    actedKind_ = a.kind;
    a.fire();
}

std::string Monkey::randomText() {
    const int roll = below(100);
    const int length = roll < 70 ? below(20) : roll < 95 ? below(300) : below(10001);
    std::u32string chars;
    std::string out;
    int count = 0;
    while (count < length) {
        const int kind = below(10);
        if (kind < 3) {
            const char32_t c = 0x4E00 + static_cast<char32_t>(below(0x9FA5 - 0x4E00));
            out += QString::fromUcs4(&c, 1).toStdString();
            ++count;
        } else if (kind < 6) {
            out += static_cast<char>(below(2) ? 'a' + below(26) : 'A' + below(26));
            ++count;
        } else if (kind < 7) {
            out += static_cast<char>('0' + below(10));
            ++count;
        } else {
            const std::string piece = kPieces[below(static_cast<int>(std::size(kPieces)))];
            out += piece;
            count += static_cast<int>(QString::fromStdString(piece).size());
        }
    }
    return out;
}

void Monkey::typeSomething() {
    std::vector<Action> actions;
    for (Form* f : shownForms()) {
        const std::string w = windowName(*f);
        eachControl(*f, [&](Control& c) {
            if (!reachable(c)) return;
            if (auto* t = dynamic_cast<TextBox*>(&c)) {
                if (t->Locked()) return;
                const std::string name = controlName("text", c);
                tally_.note(w, name);
                actions.push_back({f, name, [this, t] { t->type(randomText()); }, &c, "text"});
            } else if (auto* combo = dynamic_cast<ComboBox*>(&c)) {
                const std::string name = controlName("combo", c);
                tally_.note(w, name);
                actions.push_back({f, name,
                                   [this, combo] {
                                       if (below(4) == 0)
                                           combo->pressEnter();
                                       else
                                           combo->type(randomText());
                                   },
                                   &c, "combo"});
            }
        });
    }
    if (actions.empty()) return;
    const Action& a = actions[static_cast<std::size_t>(below(static_cast<int>(actions.size())))];
    const std::string w = windowName(*a.form);
    log("type into " + w + " " + a.control);
    tally_.use(w, a.control);
    acted_ = a.target;
    actedWindow_ = w;
    actedKind_ = "typing";
    a.fire();
}

void Monkey::pressMouseInBox() {
    std::vector<TextBox*> boxes;
    for (Form* f : shownForms())
        eachControl(*f, [&](Control& c) {
            if (auto* t = dynamic_cast<TextBox*>(&c); t != nullptr && reachable(c)) boxes.push_back(t);
        });
    if (boxes.empty()) return;
    TextBox& box = *boxes[static_cast<std::size_t>(below(static_cast<int>(boxes.size())))];
    const int buttons[] = {vbLeftButton, vbRightButton, vbMiddleButton};
    const int button = buttons[below(3)];
    const std::string w = windowName(box.form());
    const std::string name = controlName("text", box);
    log("mouse button " + std::to_string(button) + " in " + w + " " + name);
    tally_.use(w, name + ":mouse");
    const int shift = below(8), x = below(box.Place().width + 1), y = below(box.Place().height + 1);
    if (!platform_.onDesktop()) {
        box.mouseDown(button, shift, x, y);
        return;
    }
    // On the desktop the press comes through Qt, as the window system delivers it.
    QWidget* target = box.widget();
    if (auto* edit = qobject_cast<QTextEdit*>(target)) target = edit->viewport();
    const QPointF at(x / kTwipsPerPixel, y / kTwipsPerPixel);
    const Qt::MouseButton b = button == vbRightButton ? Qt::RightButton
                              : button == vbMiddleButton ? Qt::MiddleButton
                                                         : Qt::LeftButton;
    Qt::KeyboardModifiers modifiers;
    if (shift & 1) modifiers |= Qt::ShiftModifier;
    if (shift & 2) modifiers |= Qt::ControlModifier;
    if (shift & 4) modifiers |= Qt::AltModifier;
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), b, b, modifiers);
    QCoreApplication::sendEvent(target, &press);
}

void Monkey::closeSomeWindow() {
    std::vector<Form*> forms = shownForms();
    if (forms.empty()) return;
    Form& f = *forms[static_cast<std::size_t>(below(static_cast<int>(forms.size())))];
    const std::string w = windowName(f);
    log("close box of " + w);
    tally_.use(w, "close box");
    f.window()->close();
}

void Monkey::pressKey() {
    std::vector<Form*> forms = shownForms();
    if (forms.empty()) return;
    Form& f = *forms[static_cast<std::size_t>(below(static_cast<int>(forms.size())))];
    const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab};
    const char* const names[] = {"Enter", "Escape", "Tab"};
    const int k = below(3);
    const std::string w = windowName(f);
    log(std::string("key ") + names[k] + " in " + w);
    tally_.use(w, std::string("key ") + names[k]);
    QWidget* target = f.window()->focusWidget() != nullptr ? f.window()->focusWidget() : f.window();
    QKeyEvent press(QEvent::KeyPress, keys[k], Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, keys[k], Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    if (!Registry::ended()) QCoreApplication::sendEvent(target, &release);
}

void Monkey::fireTimer() {
    std::vector<Timer*> timers;
    for (Form* f : Registry::loadedForms())
        eachControl(*f, [&](Control& c) {
            if (auto* t = dynamic_cast<Timer*>(&c); t != nullptr && t->Enabled()) timers.push_back(t);
        });
    if (timers.empty()) {
        advanceClock();
        return;
    }
    Timer& t = *timers[static_cast<std::size_t>(below(static_cast<int>(timers.size())))];
    // Real time passes between ticks.
    platform_.monotonic += t.Interval() / 1000.0;
    platform_.clock += t.Interval() / 1000.0;
    const std::string w = windowName(t.form());
    const std::string name = controlName("timer", t);
    log("tick " + w + " " + name);
    tally_.use(w, name);
    const long window = t.form().hWnd();
    const bool examClock = w == "Form42";
    t.tick();
    if (examClock && !Registry::ended() && clockLeft_.count(window) == 0) clockLeft_[window] = -1;
}

void Monkey::advanceClock() {
    // Mostly minutes, sometimes the whole exam.
    const double seconds = below(10) == 0 ? 7200.0 : 1.0 + below(600);
    platform_.monotonic += seconds;
    platform_.clock += seconds;
    if (platform_.clock >= 86400.0) platform_.clock -= 86400.0;
    log("clock +" + std::to_string(static_cast<int>(seconds)) + " s");
}

// Paints and layouts as the event loop would, then what unloaded windows left behind,
// which only an explicit request or the loop itself deletes.
void Monkey::settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Records ----------------------------------------------------------------------

void Monkey::log(std::string event) {
    lastEvents_.push_back("#" + std::to_string(eventNumber_) + " " + std::move(event));
    if (lastEvents_.size() > 60) lastEvents_.pop_front();
}

void Monkey::fail(const std::string& what) {
    if (failure_) return;
    std::string windows;
    for (Form* f : Registry::loadedForms()) windows += " " + windowName(*f) + (f->Visible() ? "(shown)" : "(hidden)");
    failure_ = what + "; loaded:" + (windows.empty() ? " none" : windows);
}

std::string Monkey::replayNote() const {
    std::ostringstream out;
    out << "seed " << seed_ << ", event " << eventNumber_ << ": " << failure_.value_or("") << "\n"
        << "replay with PPT_MONKEY_FIRST_SEED=" << seed_ << " PPT_MONKEY_SEEDS=1 PPT_MONKEY_EVENTS=" << eventNumber_
        << "\nlast events:\n";
    for (const std::string& e : lastEvents_) out << "  " << e << '\n';
    return out.str();
}

}  // namespace monkey
