// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_window.h"

#include "accessibility.h"
#include "app/forms/forms.h"
#include "app/forms/keyboard.h"
#include "picture_cache.h"

#include <QAccessible>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>

#include <cmath>

namespace tallowby {
namespace {

constexpr float kTwipsPerPixel = 15.0f;

int toPixels(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

int buttonMask(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton) mask |= kLeft;
    if (buttons & Qt::RightButton) mask |= kRight;
    if (buttons & Qt::MiddleButton) mask |= kMiddle;
    return mask;
}

QFont labelFont(const std::optional<Font>& own, const std::optional<Font>& window) {
    QFont font = QGuiApplication::font();
    const std::optional<Font>& chosen = own ? own : window;
    if (chosen) {
        font.setFamily(QString::fromStdString(chosen->family));
        // Sizes are points at 96 dots per inch: 9 pt is 12 px, 12 pt is 16 px.
        font.setPixelSize(static_cast<int>(std::lround(chosen->points * 96.0f / 72.0f)));
        font.setBold(chosen->bold);
    }
    return font;
}

int alignment(Align align) {
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

QColor qcolour(Colour c) {
    return QColor(c.r, c.g, c.b);
}

// The focus ring stands just outside the widget, so it never covers what it
// surrounds: a light band inside a dark one, seen on light and dark pictures
// alike. The light band turns orange while a picture is held.
constexpr int kRingBand = 2;
QRect ringOuter(const QRect& widget) {
    return widget.adjusted(-2 * kRingBand, -2 * kRingBand, 2 * kRingBand, 2 * kRingBand);
}
void fillBand(QPainter& p, const QRect& outer, const QColor& colour) {
    const int w = kRingBand, inner = outer.height() - 2 * w;
    p.fillRect(QRect(outer.left(), outer.top(), outer.width(), w), colour);
    p.fillRect(QRect(outer.left(), outer.bottom() - w + 1, outer.width(), w), colour);
    p.fillRect(QRect(outer.left(), outer.top() + w, w, inner), colour);
    p.fillRect(QRect(outer.right() - w + 1, outer.top() + w, w, inner), colour);
}
void paintRing(QPainter& p, const QRect& widget, bool holding) {
    fillBand(p, ringOuter(widget), QColor(20, 24, 82));
    fillBand(p, widget.adjusted(-kRingBand, -kRingBand, kRingBand, kRingBand),
             holding ? QColor(255, 160, 0) : QColor(Qt::white));
}

std::optional<Key> gameKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

FormWindow::FormWindow(Forms& forms, const Form& form, PictureCache& pictures, Keyboard& keyboard)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      forms_(forms), form_(&form), name_(form.name()), pictures_(pictures), keyboard_(keyboard) {
    setObjectName(QString::fromStdString(name_));
    setFixedSize(form.width() / 15, form.height() / 15);
    setWindowTitle(QString::fromStdString(form.caption()));
    // Hovering moves reach the pictures too, as the engine expects.
    setMouseTracking(true);
    // Everything is painted from the table; nothing of the system background.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The keys play the game too (Tab, arrows, Enter, Space).
    setFocusPolicy(Qt::StrongFocus);
    installAccessibility();
}

QRect FormWindow::pixels(const Rect& r) {
    int left = toPixels(r.left), top = toPixels(r.top);
    return QRect(left, top, toPixels(r.left + r.width) - left, toPixels(r.top + r.height) - top);
}

void FormWindow::damage(const Rect& before, const Rect& now) {
    update(pixels(before));
    if (!(before == now)) update(pixels(now));
}

void FormWindow::focusMoved(const FocusView& before) {
    if (!form_) return;
    const FocusView now = keyboard_.focus(*form_);
    if (before.ring) update(ringOuter(pixels(*before.ring)));
    if (now.ring) update(ringOuter(pixels(*now.ring)));
    if (now.widget < 0 || now.widget == before.widget || !QAccessible::isActive()) return;
    auto* me = static_cast<FormWindowAccessible*>(QAccessible::queryAccessibleInterface(this));
    const std::vector<int> exposed = me ? me->exposed() : std::vector<int>{};
    const auto at = std::find(exposed.begin(), exposed.end(), now.widget);
    if (at == exposed.end()) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(static_cast<int>(at - exposed.begin()));
    QAccessible::updateAccessibility(&focus);
}

void FormWindow::centreOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

void FormWindow::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setClipRegion(event->region());
    p.fillRect(rect(), palette().window());
    if (!form_) return;
    const FormDef& def = form_->definition();
    const auto& widgets = form_->widgets();
    // Back to front: the table lists the frontmost widget first.
    for (int i = static_cast<int>(widgets.size()) - 1; i >= 0; --i) {
        if (!form_->showsWidget(i)) continue;
        const WidgetState& w = widgets[i];
        const QRect box = pixels(w.rect);
        if (!event->region().intersects(box)) continue;
        switch (w.def->kind) {
        case WidgetKind::Picture: {
            const QPixmap& pm = pictures_.pixmap(w.def->picture, devicePixelRatioF());
            if (w.def->stretch)
                p.drawPixmap(box, pm);
            else
                p.drawPixmap(box.topLeft(), pm);
            break;
        }
        case WidgetKind::Label: {
            if (w.def->opaque) p.fillRect(box, qcolour(w.def->background));
            p.save();
            p.setClipRect(box, Qt::IntersectClip); // lines beyond the height are cut off
            p.setFont(labelFont(w.def->font, def.font));
            p.setPen(qcolour(w.def->colour));
            p.drawText(box, Qt::TextWordWrap | Qt::AlignTop | alignment(w.def->align),
                       QString::fromStdString(w.text));
            p.restore();
            break;
        }
        case WidgetKind::Shape:
            p.setPen(qcolour(w.def->colour));
            p.setBrush(Qt::NoBrush);
            p.drawRect(box.adjusted(0, 0, -1, -1));
            break;
        case WidgetKind::Button:
            p.setPen(Qt::black);
            p.setBrush(palette().button());
            p.drawRect(box.adjusted(0, 0, -1, -1));
            p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, QString::fromStdString(w.text));
            break;
        default:
            break;
        }
    }
    if (const FocusView focus = keyboard_.focus(*form_); focus.ring)
        paintRing(p, pixels(*focus.ring), keyboard_.holding());
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const std::optional<Key> key = gameKey(event);
    if (!key || !form_) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // Held arrows walk a picture on; a held Enter or Space clicks only once.
    if (event->isAutoRepeat() && (*key == Key::Enter || *key == Key::Space || *key == Key::Tab)) return;
    keyboard_.keyPressed(name_, *key,
                         event->modifiers() & Qt::ShiftModifier || event->key() == Qt::Key_Backtab);
}

void FormWindow::forward(QMouseEvent* event, PointerEvent handler, int buttons) {
    if (!form_) return;
    const QPointF at = event->position() * kTwipsPerPixel;
    (forms_.*handler)(name_, buttons, event->modifiers() & Qt::ShiftModifier, static_cast<float>(at.x()),
                      static_cast<float>(at.y()));
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    keyboard_.mouseUsed();
    if (!form_) return; // letting a held picture go may have closed this window
    forward(event, &Forms::pointerPress, buttonMask(event->button()));
}

// A quick second click is still a press to a child.
void FormWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    forward(event, &Forms::pointerMove, buttonMask(event->buttons()));
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    forward(event, &Forms::pointerRelease, buttonMask(event->button()));
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The engine decides: the close box unloads the form, which removes us.
    event->ignore();
    if (form_) forms_.closeBox(name_);
}

void FormWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && form_) forms_.activated(name_);
    QWidget::changeEvent(event);
}

} // namespace tallowby
