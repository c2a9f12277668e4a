// SPDX-License-Identifier: GPL-3.0-or-later
// One top-level window per loaded form: paints the form's widget table and
// hands the mouse to the engine. It holds no game state.
#pragma once

#include <QWidget>

#include <string>

namespace tallowby {

class Form;
class Forms;
class Keyboard;
class PictureCache;
struct FocusView;
struct Rect;

class FormWindow : public QWidget {
  public:
    FormWindow(Forms& forms, const Form& form, PictureCache& pictures, Keyboard& keyboard);

    // The form was unloaded: forget it before the window goes away.
    void detach() { form_ = nullptr; }
    // Repaint what a widget covered and covers now.
    void damage(const Rect& before, const Rect& now);
    void centreOnScreen();
    // The keyboard focus moved or its ring did: repaint both rings and tell
    // a screen reader which widget has the focus now.
    void focusMoved(const FocusView& before);

    const Form* form() const { return form_; }
    Keyboard& keyboard() const { return keyboard_; }

    // Whole pixels of a twip position, as the window draws it.
    static QRect pixels(const Rect& twips);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; } // Tab is the game's
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    using PointerEvent = void (Forms::*)(const std::string&, int, bool, float, float);
    // Hands a mouse event to the engine in twips with its button mask.
    void forward(QMouseEvent* event, PointerEvent handler, int buttons);

    Forms& forms_;
    const Form* form_;
    std::string name_;
    PictureCache& pictures_;
    Keyboard& keyboard_;
};

} // namespace tallowby
