#include "platform/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "platform/look.h"
#include "platform/qt_bridge.h"

namespace forms {

using qt::px;
using qt::q;

Control::Control(Container& parent, Rect place) : parent_(&parent), form_(&parent.owner()), place_(place) {
    parent.adopt(this);
}

Control::~Control() = default;

void Control::attach(QWidget* widget) {
    widget_ = widget;
    widget_->setGeometry(px(place_.left), px(place_.top), px(place_.width), px(place_.height));
    widget_->show();  // shown with its window; Visible false hides it
}

QObject* Control::events() const { return form_->events(); }

void Control::raise(const std::function<void()>& handler) const {
    if (!handler) return;
    Registry::dispatch(form_, handler);
}

void Control::setVisible(bool visible) {
    visible_ = visible;
    if (widget_) widget_->setVisible(visible);
}

void Control::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (widget_) widget_->setEnabled(enabled);
}

void Control::Move(Rect place) {
    place_ = place;
    if (widget_) widget_->setGeometry(px(place.left), px(place.top), px(place.width), px(place.height));
}

VisualControl::VisualControl(Container& parent, Rect place, Colour back, Colour fore)
    : Control(parent, place), back_(back), fore_(fore) {}

void VisualControl::setBackColor(Colour c) {
    back_ = c;
    applyLook();
}
void VisualControl::setForeColor(Colour c) {
    fore_ = c;
    applyLook();
}
void VisualControl::setFont(const Font& f) {
    font_ = f;
    applyLook();
}
void VisualControl::setFontBold(bool b) {
    font_.bold = b;
    applyLook();
}
void VisualControl::setFontSize(double s) {
    font_.size = s;
    applyLook();
}

void VisualControl::applyLook() {
    if (!widget()) return;
    widget()->setFont(look::font(font_));
    look::paintColours(widget(), back_, fore_, fillBack_);
}

// Command button ----------------------------------------------------------

CommandButton::CommandButton(Container& parent, Rect place, std::string caption, bool graphical)
    : VisualControl(parent, place, kButtonFace, kButtonText), caption_(std::move(caption)), graphical_(graphical) {
    auto* b = new QPushButton(q(caption_), parentArea());
    b->setAutoDefault(false);
    attach(b);
    QObject::connect(b, &QPushButton::clicked, events(), [this] { raise(click_); });
    applyLook();
}

void CommandButton::setCaption(std::string caption) {
    caption_ = std::move(caption);
    static_cast<QPushButton*>(widget())->setText(q(caption_));
}

void CommandButton::applyLook() {
    widget()->setFont(look::font(font_));
    // Only a graphical-style button shows its back colour, as on the desktop it imitates.
    look::paintButton(widget(), graphical_ ? back_ : kButtonFace, fore_);
}

void CommandButton::click() {
    if (Visible() && Enabled()) raise(click_);
}

// Label -------------------------------------------------------------------

namespace {
class ClickableLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked) clicked();
        QLabel::mouseReleaseEvent(e);
    }
};
}  // namespace

Label::Label(Container& parent, Rect place, std::string caption)
    : VisualControl(parent, place, kButtonFace, kButtonText), caption_(std::move(caption)) {
    auto* l = new ClickableLabel(parentArea());
    l->setTextFormat(Qt::PlainText);  // captions are never read as markup
    l->setWordWrap(true);
    l->setText(q(caption_));
    l->clicked = [this] { raise(click_); };
    attach(l);
    applyLook();
}

void Label::setCaption(std::string caption) {
    caption_ = std::move(caption);
    static_cast<QLabel*>(widget())->setText(q(caption_));
}

void Label::setAlignment(Align a) {
    align_ = a;
    applyLook();
}

void Label::setOpaque(bool opaque) {
    opaque_ = opaque;
    applyLook();
}

void Label::setMousePointer(MousePointer p) {
    widget()->setCursor(p == MousePointer::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Label::applyLook() {
    auto* l = static_cast<QLabel*>(widget());
    l->setFont(look::font(font_));
    look::paintColours(l, back_, fore_, opaque_);
    Qt::Alignment h = align_ == Align::Center  ? Qt::AlignHCenter
                      : align_ == Align::Right ? Qt::AlignRight
                                               : Qt::AlignLeft;
    l->setAlignment(h | Qt::AlignTop);
}

void Label::click() {
    if (Visible() && Enabled()) raise(click_);
}

// Frame -------------------------------------------------------------------

Frame::Frame(Container& parent, Rect place, std::string caption)
    : VisualControl(parent, place, kButtonFace, kButtonText), caption_(std::move(caption)) {
    auto* g = new QGroupBox(q(caption_), parentArea());
    fillBack_ = true;
    attach(g);
    applyLook();
}

// Image -------------------------------------------------------------------

namespace {
class PictureWidget : public QWidget {
public:
    PictureWidget(QWidget* parent, const std::string& picture) : QWidget(parent) {
        if (!picture.empty())
            renderer_ = std::make_unique<QSvgRenderer>(QStringLiteral(":/pictures/%1.svg").arg(q(picture)));
    }
    std::function<void()> clicked;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!renderer_ || !renderer_->isValid()) return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // Drawn at its own size from the top left, as an unstretched picture is.
        renderer_->render(&p, QRectF(QPointF(0, 0), renderer_->defaultSize()));
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked) clicked();
    }

private:
    std::unique_ptr<QSvgRenderer> renderer_;
};
}  // namespace

Image::Image(Container& parent, Rect place, std::string picture)
    : Control(parent, place), picture_(std::move(picture)) {
    auto* w = new PictureWidget(parentArea(), picture_);
    w->clicked = [this] { raise(click_); };
    attach(w);
}

void Image::setMousePointer(MousePointer p) {
    widget()->setCursor(p == MousePointer::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Image::click() {
    if (Visible() && Enabled()) raise(click_);
}

// Timer -------------------------------------------------------------------

Timer::Timer(Container& parent, int interval, bool enabled) : Control(parent, Rect{}), interval_(interval) {
    auto* holder = new QWidget(parentArea());
    holder->setAttribute(Qt::WA_TransparentForMouseEvents);
    attach(holder);
    holder->hide();
    auto* t = new QTimer(holder);
    t->setObjectName(QStringLiteral("timer"));
    QObject::connect(t, &QTimer::timeout, events(), [this] { tick(); });
    Control::setEnabled(enabled);
    restart();
}

void Timer::restart() {
    auto* t = widget()->findChild<QTimer*>(QStringLiteral("timer"));
    if (Enabled() && interval_ > 0)
        t->start(interval_);
    else
        t->stop();
}

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    restart();
}

void Timer::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    restart();
}

void Timer::tick() {
    if (Enabled() && interval_ > 0) raise(timer_);
}

// Line and shape ----------------------------------------------------------

namespace {
class LineWidget : public QWidget {
public:
    LineWidget(QWidget* parent, QPoint a, QPoint b, Colour c, int width)
        : QWidget(parent), a_(a), b_(b), colour_(c), width_(width) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QPen pen(look::colour(colour_), width_);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        const QPointF shift(width_ / 2.0, width_ / 2.0);  // the pen's width lies inside the widget
        p.drawLine(QPointF(a_) + shift, QPointF(b_) + shift);
    }

private:
    QPoint a_, b_;
    Colour colour_;
    int width_;
};

class ShapeWidget : public QWidget {
public:
    ShapeWidget(QWidget* parent, const Shape& shape) : QWidget(parent), shape_(shape) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(look::colour(shape_.BorderColor()), 1));
        p.setBrush(shape_.FillStyle() == Shape::Solid ? QBrush(look::colour(shape_.FillColor())) : Qt::NoBrush);
        QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        bool round = shape_.shape() == Shape::Kind::Circle || shape_.shape() == Shape::Kind::Oval;
        if (shape_.shape() == Shape::Kind::Circle || shape_.shape() == Shape::Kind::Square) {
            double side = std::min(r.width(), r.height());
            r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        }
        if (round)
            p.drawEllipse(r);
        else
            p.drawRect(r);
    }

private:
    const Shape& shape_;
};
}  // namespace

Line::Line(Container& parent, int x1, int y1, int x2, int y2, Colour colour, int width)
    : Control(parent, Rect{std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + width * kTwipsPerPixel,
                           std::abs(y2 - y1) + width * kTwipsPerPixel}),
      x1_(x1),
      y1_(y1),
      x2_(x2),
      y2_(y2),
      colour_(colour),
      width_(width) {
    const int left = std::min(x1, x2);
    const int top = std::min(y1, y2);
    attach(new LineWidget(parentArea(), QPoint(px(x1_ - left), px(y1_ - top)), QPoint(px(x2_ - left), px(y2_ - top)),
                          colour_, width_));
}

Shape::Shape(Container& parent, Rect place, Kind kind) : Control(parent, place), kind_(kind) {
    attach(new ShapeWidget(parentArea(), *this));
}

void Shape::setFillColor(Colour c) {
    fill_ = c;
    widget()->update();
}
void Shape::setFillStyle(int style) {
    fillStyle_ = style;
    widget()->update();
}
void Shape::setBorderColor(Colour c) {
    border_ = c;
    widget()->update();
}

}  // namespace forms
