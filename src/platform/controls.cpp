#include "platform/controls.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QPixmapCache>
#include <QResource>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "platform/look.h"
#include "platform/picture_render.h"
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

void Control::raiseFromCode(const std::function<void()>& handler) const {
    raise(handler);
    Registry::stopIfEnded();
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

void Control::ZOrder(int position) {
    if (!widget_) return;
    if (position == 0)
        widget_->raise();
    else
        widget_->lower();
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

namespace {
// A graphical-style button: its back colour flat and exact, a plain raised edge that
// sinks while pressed, and a dotted focus mark, as the desktop it imitates draws it.
class FlatButton : public QPushButton {
public:
    FlatButton(const QString& text, QWidget* parent, const VisualControl& control)
        : QPushButton(text, parent), control_(control) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        p.fillRect(r, look::colour(control_.BackColor()));
        const QColor light = look::colour(0x80000014), lit = look::colour(0x80000016);
        const QColor shadow = look::colour(0x80000010), dark = look::colour(0x80000015);
        const bool down = isDown();
        auto edge = [&](QRect e, const QColor& topLeft, const QColor& bottomRight) {
            p.setPen(topLeft);
            p.drawLine(e.topLeft(), e.topRight());
            p.drawLine(e.topLeft(), e.bottomLeft());
            p.setPen(bottomRight);
            p.drawLine(e.bottomLeft(), e.bottomRight());
            p.drawLine(e.topRight(), e.bottomRight());
        };
        if (down) {
            edge(r, dark, light);
            edge(r.adjusted(1, 1, -1, -1), shadow, lit);
        } else {
            edge(r, light, dark);
            edge(r.adjusted(1, 1, -1, -1), lit, shadow);
        }
        QRect textArea = r.adjusted(4, 3, -4, -3);
        if (down) textArea.translate(1, 1);
        p.setFont(font());
        p.setPen(isEnabled() ? look::colour(control_.ForeColor()) : look::colour(0x80000011));
        p.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, text());
        if (hasFocus()) {
            QPen dots(look::colour(0x80000012), 1, Qt::DotLine);
            p.setPen(dots);
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(3, 3, -4, -4));
        }
    }

private:
    const VisualControl& control_;
};
}  // namespace

CommandButton::CommandButton(Container& parent, Rect place, std::string caption, bool graphical)
    : VisualControl(parent, place, kButtonFace, kButtonText), caption_(std::move(caption)), graphical_(graphical) {
    QPushButton* b =
        graphical_ ? new FlatButton(q(caption_), parentArea(), *this) : new QPushButton(q(caption_), parentArea());
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
    widget()->update();
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
    bool bordered = false;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked) clicked();
        QLabel::mouseReleaseEvent(e);
    }
    void paintEvent(QPaintEvent* e) override {
        QLabel::paintEvent(e);
        if (!bordered) return;
        // The sunken single edge of a bordered label: shadow over dark shadow at the top
        // and left, highlight over light at the bottom and right.
        QPainter p(this);
        auto edge = [&](QRect r, const QColor& topLeft, const QColor& bottomRight) {
            p.setPen(topLeft);
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(bottomRight);
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
        };
        edge(rect(), look::colour(0x80000010), look::colour(0x80000014));
        edge(rect().adjusted(1, 1, -1, -1), look::colour(0x80000015), look::colour(0x80000016));
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

void Label::setPaintsButtonFace(bool paints) {
    paintsButtonFace_ = paints;
    applyLook();
}

void Label::setBordered(bool bordered) {
    bordered_ = bordered;
    auto* l = static_cast<ClickableLabel*>(widget());
    l->bordered = bordered;
    l->setContentsMargins(bordered ? QMargins(2, 2, 2, 2) : QMargins());
    l->update();
}

void Label::setMousePointer(MousePointer p) {
    widget()->setCursor(p == MousePointer::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Label::applyLook() {
    auto* l = static_cast<QLabel*>(widget());
    l->setFont(look::font(font_));
    // A label in the button face is drawn on whatever its container paints, so no band
    // shows where it lies on a frame or a window of another shade.
    look::paintColours(l, back_, fore_, opaque_ && (back_ != kButtonFace || paintsButtonFace_));
    Qt::Alignment h = align_ == Align::Center  ? Qt::AlignHCenter
                      : align_ == Align::Right ? Qt::AlignRight
                                               : Qt::AlignLeft;
    l->setAlignment(h | Qt::AlignTop);
}

void Label::click() {
    if (Visible() && Enabled()) raise(click_);
}

// Frame -------------------------------------------------------------------

namespace {
// A frame fills itself with its own back colour, edge to edge, and draws an etched
// edge with the caption set into its top line.
class FrameWidget : public QWidget {
public:
    FrameWidget(QWidget* parent, const Frame& frame) : QWidget(parent), frame_(frame) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), look::colour(frame_.BackColor()));
        const QFontMetrics metrics(font());
        const QString caption = q(frame_.Caption());
        const int top = caption.isEmpty() ? 0 : metrics.height() / 2;
        const QRect edge = rect().adjusted(0, top, -2, -2);
        p.setPen(look::colour(0x80000010));
        p.drawRect(edge);
        p.setPen(look::colour(0x80000014));
        p.drawRect(edge.translated(1, 1));
        if (caption.isEmpty()) return;
        const int width = metrics.horizontalAdvance(caption);
        const QRect text(8, 0, width + 4, metrics.height());
        p.fillRect(text, look::colour(frame_.BackColor()));
        p.setPen(look::colour(frame_.ForeColor()));
        p.drawText(text, Qt::AlignCenter, caption);
    }

private:
    const Frame& frame_;
};
}  // namespace

Frame::Frame(Container& parent, Rect place, std::string caption)
    : VisualControl(parent, place, kButtonFace, kButtonText), caption_(std::move(caption)) {
    auto* g = new FrameWidget(parentArea(), *this);
    fillBack_ = true;
    attach(g);
    applyLook();
}

// Image -------------------------------------------------------------------

namespace {
// A picture's pixels, made once and kept, so that a window painted again or shown again
// renders nothing: the build's raster where the screen has its pixel ratio, else the SVG
// rendered here. Nothing is made before a window that shows the picture is painted.
QPixmap renderedPicture(const std::string& picture, qreal pixelRatio) {
    // Room for every picture at once beside what the style keeps there: the default
    // would drop the large exam pictures between two windows and inflate them again.
    static const bool roomy = [] {
        QPixmapCache::setCacheLimit(std::max(QPixmapCache::cacheLimit(), 32 * 1024));
        return true;
    }();
    (void)roomy;
    const QString key = QStringLiteral("picture:%1@%2").arg(q(picture)).arg(pixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    QImage image;
    if (pixelRatio == 1.0) {
        const QResource raster(QStringLiteral(":/rasters/%1.raster").arg(q(picture)));
        if (raster.compressionAlgorithm() == QResource::NoCompression)
            image = pictures::viewRaster(raster.data(), raster.size());
        if (image.isNull()) image = pictures::fromRaster(raster.uncompressedData());
    }
    if (image.isNull()) image = pictures::renderSvg(QStringLiteral(":/pictures/%1.svg").arg(q(picture)), pixelRatio);
    if (image.isNull()) return {};
    pixmap = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

class PictureWidget : public QWidget {
public:
    PictureWidget(QWidget* parent, const std::string& picture) : QWidget(parent), picture_(picture) {}
    std::function<void()> clicked;

protected:
    void paintEvent(QPaintEvent*) override {
        if (picture_.empty()) return;
        const QPixmap pixmap = renderedPicture(picture_, devicePixelRatioF());
        if (pixmap.isNull()) return;
        // Drawn at its own size from the top left, as an unstretched picture is.
        QPainter(this).drawPixmap(0, 0, pixmap);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked) clicked();
    }

private:
    std::string picture_;
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
