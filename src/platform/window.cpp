#include "platform/window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/look.h"
#include "platform/menus.h"
#include "platform/platform.h"
#include "platform/qt_bridge.h"

namespace forms {

using qt::px;
using qt::q;

namespace {

// Thrown to leave the running handler (the program ended, or its window went while a
// nested loop ran); caught by the dispatch that began the handler, never by Qt.
struct LeaveHandler {};

// Unloaded windows wait here for the event loop, so that no control is destroyed while
// its own code, which raised the event that unloaded it, is still on the stack.
class Graveyard : public QObject {
public:
    std::vector<std::unique_ptr<Form>> forms;
};

struct State {
    std::vector<std::pair<std::type_index, std::unique_ptr<Form>>> loaded;
    std::vector<std::unique_ptr<Form>> unloaded;  // handed to a graveyard once the outermost handler returns
    std::vector<QPointer<Graveyard>> graveyards;  // waiting for the event loop
    std::vector<const Form*> sources;             // the window of each running handler, outermost first
    int depth = 0;
    bool ended = false;
    bool everLoaded = false;
    Form* lastShown = nullptr;
    long nextHandle = 0x10010;
};

State& state() {
    static State s;
    return s;
}

void destroyNow() {
    auto& s = state();
    for (auto& g : s.graveyards) delete g.data();
    s.graveyards.clear();
    while (!s.unloaded.empty()) {
        auto batch = std::move(s.unloaded);
        s.unloaded.clear();
        batch.clear();
    }
}

void destroyUnloaded() {
    auto& s = state();
    if (s.unloaded.empty()) return;
    if (QCoreApplication::instance() == nullptr) return destroyNow();
    auto* g = new Graveyard;
    g->forms = std::move(s.unloaded);
    s.unloaded.clear();
    std::erase_if(s.graveyards, [](const QPointer<Graveyard>& p) { return p.isNull(); });
    s.graveyards.emplace_back(g);
    g->deleteLater();
}

}  // namespace

// ---------------------------------------------------------------- the registry

Form* Registry::find(std::type_index type) {
    for (auto& [t, f] : state().loaded)
        if (t == type) return f.get();
    return nullptr;
}

void Registry::adopt(std::type_index type, std::unique_ptr<Form> form) {
    auto& s = state();
    Form& f = *form;
    f.loaded_ = true;
    f.handle_ = s.nextHandle += 4;
    f.buildMenuBar();
    s.loaded.emplace_back(type, std::move(form));
    s.everLoaded = true;
    dispatch(&f, [&f] { f.Form_Load(); });
    stopIfEnded();
}

void Registry::unload(Form& form) {
    auto& s = state();
    auto it = std::find_if(s.loaded.begin(), s.loaded.end(), [&](auto& p) { return p.second.get() == &form; });
    if (it == s.loaded.end()) return;
    form.window()->hide();
    form.loaded_ = false;
    if (s.lastShown == &form) s.lastShown = nullptr;
    s.unloaded.push_back(std::move(it->second));
    s.loaded.erase(it);
    if (s.depth == 0) destroyUnloaded();
}

bool Registry::anyLoaded() { return !state().loaded.empty(); }

bool Registry::anyShown() {
    for (auto& [t, f] : state().loaded)
        if (f->Visible()) return true;
    return false;
}

std::vector<Form*> Registry::loadedForms() {
    std::vector<Form*> out;
    for (auto& [t, f] : state().loaded) out.push_back(f.get());
    return out;
}

void Registry::dispatch(const Form* source, const std::function<void()>& handler) {
    auto& s = state();
    if (s.ended) return;
    if (source != nullptr && !source->loaded()) return;  // events of an unloaded window never run
    const bool wasSeen = s.depth == 0 && anyShown();
    ++s.depth;
    s.sources.push_back(source);
    try {
        handler();
    } catch (const LeaveHandler&) {
        // The program ended inside this handler, or its window went during a nested loop.
    }
    s.sources.pop_back();
    --s.depth;
    // A nested handler returns normally even when the program ended: Qt may lie between
    // it and the handler around it. That one stops where the toolkit gets control back.
    if (s.depth > 0) return;
    destroyUnloaded();
    // Checked only now, so that a handler may unload the last window and then show another.
    if (!s.ended && s.everLoaded && s.loaded.empty()) endProgram();
    // A window's own exit button that hides the last window shown, with others still
    // loaded hidden (touched on the way out), would leave the program running unseen.
    if (!s.ended && wasSeen && !anyShown()) endProgram();
}

void Registry::closeBox(Form& form) {
    dispatch(&form, [&form] {
        form.closeBoxClicked();
        // A learner who closes the last visible window must not leave the program running unseen.
        if (!anyShown()) endProgram();
    });
}

void Registry::endProgram() {
    auto& s = state();
    if (s.ended) return;
    s.ended = true;
    while (!s.loaded.empty()) unload(*s.loaded.back().second);
    platform::current().endProcess();
    if (s.depth == 0)
        destroyUnloaded();
    else
        throw LeaveHandler{};
}

bool Registry::ended() { return state().ended; }

Form* Registry::lastShown() { return state().lastShown; }

void Registry::reset() {
    auto& s = state();
    int depth = s.depth;
    s.depth = 1;
    while (!s.loaded.empty()) unload(*s.loaded.back().second);
    s.depth = depth;
    destroyNow();
    s.ended = false;
    s.everLoaded = false;
}

void Registry::stopIfEnded() {
    if (state().ended && state().depth > 0) throw LeaveHandler{};
}

void Registry::runNestedLoop(const std::function<void()>& loop) {
    auto& s = state();
    const Form* source = s.sources.empty() ? nullptr : s.sources.back();
    const bool sourceLoaded = source != nullptr && source->loaded();
    loop();
    stopIfEnded();
    // Unloaded by another event meanwhile (a close box, a timer): nothing more runs for it.
    if (sourceLoaded && !source->loaded() && s.depth > 0) throw LeaveHandler{};
}

void EndProgram() { Registry::endProgram(); }
bool programEnded() { return Registry::ended(); }

// ---------------------------------------------------------------- windows

// A window's Qt side: the top-level widget, an optional menu bar and the client area.
class WindowEvents : public QWidget {
public:
    explicit WindowEvents(Form& form) : form_(&form) {}
    // The widget outlives its form by a turn of the event loop.
    void forget() { form_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();  // the toolkit decides what closing does
        if (form_ != nullptr && form_->loaded()) Registry::closeBox(*form_);
    }
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        if (form_ != nullptr) form_->windowResized();
    }

private:
    Form* form_;
};

struct Form::Widgets {
    std::unique_ptr<WindowEvents> window;
    QWidget* client = nullptr;
    QMenuBar* menuBar = nullptr;
    QObject* events = nullptr;  // receiver of all connections; deleted with the form
};

Form::Form(FormDesign design) : design_(std::move(design)), qt_(std::make_unique<Widgets>()) {
    qt_->window = std::make_unique<WindowEvents>(*this);
    QWidget* w = qt_->window.get();
    qt_->events = new QObject();
    w->setWindowTitle(q(design_.caption));
    qt_->client = new QWidget(w);
    qt_->client->setGeometry(0, 0, px(design_.clientWidth), px(design_.clientHeight));
    look::paintBackground(qt_->client, design_.backColor);
    look::paintBackground(w, design_.backColor);

    Qt::WindowFlags flags = Qt::Window;
    switch (design_.border) {
        case BorderStyle::Sizable:
            flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                     Qt::WindowCloseButtonHint;
            break;
        case BorderStyle::FixedSingle:
            flags |=
                Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            break;
        case BorderStyle::FixedDialog:
            flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
            break;
        case BorderStyle::None:
            flags |= Qt::FramelessWindowHint;
            break;
    }
    if (!design_.showInTaskbar) flags |= Qt::Tool;
    w->setWindowFlags(flags);
    const int width = px(design_.clientWidth);
    const int height = px(design_.clientHeight);
    if (design_.border != BorderStyle::Sizable) w->setFixedSize(width, height);
    // The designed place is the client area's, which is what a top-level geometry sets.
    if (design_.place)
        w->setGeometry(px(design_.place->first), px(design_.place->second), width, height);
    else
        w->resize(width, height);
}

Form::~Form() {
    delete qt_->events;  // no connection of this window fires any more
    qt_->window->forget();
    QWidget* w = qt_->window.release();
    w->hide();
    w->deleteLater();  // a Qt signal of one of its widgets may still be on the stack
}

QWidget* Form::area() { return qt_->client; }
QWidget* Form::window() const { return qt_->window.get(); }
QObject* Form::events() const { return qt_->events; }

void Form::buildMenuBar() {
    bool anyVisible = std::any_of(menus_.begin(), menus_.end(), [](Menu* m) { return m->Visible(); });
    if (!anyVisible) return;
    QWidget* w = qt_->window.get();
    qt_->menuBar = new QMenuBar(w);
    std::function<void(QMenu*, Menu*)> fill = [&](QMenu* into, Menu* m) {
        for (Menu* item : m->items()) {
            if (!item->Visible()) continue;
            if (item->items().empty()) {
                QAction* a = into->addAction(q(item->Caption()));
                QObject::connect(a, &QAction::triggered, qt_->events, [item] { item->click(); });
            } else {
                fill(into->addMenu(q(item->Caption())), item);
            }
        }
    };
    for (Menu* m : menus_) {
        if (!m->Visible()) continue;
        if (m->items().empty()) {
            QAction* a = qt_->menuBar->addAction(q(m->Caption()));
            QObject::connect(a, &QAction::triggered, qt_->events, [m] { m->click(); });
        } else {
            fill(qt_->menuBar->addMenu(q(m->Caption())), m);
        }
    }
    const int barHeight = qt_->menuBar->sizeHint().height();
    qt_->menuBar->setGeometry(0, 0, px(design_.clientWidth), barHeight);
    qt_->client->move(0, barHeight);
    const int width = px(design_.clientWidth);
    const int height = px(design_.clientHeight) + barHeight;
    if (design_.border != BorderStyle::Sizable) w->setFixedSize(width, height);
    w->resize(width, height);
}

void Form::setTabOrder(std::vector<Control*> order) {
    tabOrder_ = std::move(order);
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1]->widget(), tabOrder_[i]->widget());
}

void Form::Show() {
    if (!loaded_) return;
    state().lastShown = this;
    QWidget* w = qt_->window.get();
    const bool first = !w->isVisible() && w->focusWidget() == nullptr;
    w->show();
    if (first) {
        for (Control* c : tabOrder_) {
            if (c->Visible() && c->Enabled() && c->widget()->focusPolicy() != Qt::NoFocus) {
                c->widget()->setFocus();
                break;
            }
        }
    }
    w->raise();
    w->activateWindow();
}

void Form::placeBeside(const Form& other) {
    QWidget* w = qt_->window.get();
    const QRect beside = other.window()->frameGeometry();
    const QScreen* screen = other.window()->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // Before its first show a window has no frame yet: allow for one like the other's.
    QSize size = w->frameGeometry().size();
    if (!w->isVisible()) size += other.window()->frameGeometry().size() - other.window()->geometry().size();
    QPoint at(beside.right() + 1, beside.top());
    if (at.x() + size.width() > room.right() + 1)
        at = QPoint(room.right() + 1 - size.width(), room.bottom() + 1 - size.height());
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
    w->move(at);
}

// A sizable window's client area follows the window, as its form's scale does; the
// controls keep their places unless the window's Form_Resize moves them.
void Form::windowResized() {
    if (design_.border != BorderStyle::Sizable) return;
    QWidget* w = qt_->window.get();
    const int barHeight = qt_->menuBar != nullptr ? qt_->menuBar->height() : 0;
    if (qt_->menuBar != nullptr) qt_->menuBar->resize(w->width(), barHeight);
    qt_->client->resize(std::max(0, w->width()), std::max(0, w->height() - barHeight));
    if (loaded_ && qt_->client->width() > 0 && qt_->client->height() > 0) Registry::dispatch(this, [this] { Form_Resize(); });
}

int Form::ScaleWidth() const { return qt_->client->width() * kTwipsPerPixel; }
int Form::ScaleHeight() const { return qt_->client->height() * kTwipsPerPixel; }

void Form::Hide() {
    if (loaded_) qt_->window->hide();
}

void Form::Unload() { Registry::unload(*this); }

bool Form::Visible() const { return loaded_ && qt_->window->isVisible(); }

void Form::setCaption(std::string caption) {
    design_.caption = std::move(caption);
    qt_->window->setWindowTitle(q(design_.caption));
}

// ---------------------------------------------------------------- controls

}  // namespace forms
