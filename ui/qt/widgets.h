#pragma once

#include <QLabel>
#include <QListWidget>

namespace ui::qt {

// A label as the game shows it. One line that does not fit ends in "…" and shows whole in its
// tooltip; text() is always the whole caption. A label button takes the keyboard focus and
// shows it with a dotted mark inside its edge; under the mouse, while the player can press it,
// it shows the pointing hand and a faint face in its text colour.
class LabelWidget : public QLabel {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget* parent);

    void setButton(bool button);
    // Whether the player can press the button now: it, its containers and its window enabled,
    // no message box waiting; the view knows.
    void setPressable(bool pressable);
    // The button shows the look the game gives it while it is held down: nothing is drawn over
    // that.
    void setHeld(bool held);
    // The caption does not fit its place and is shown cut with "…".
    bool elided() const;
    // The mouse is over a button the player can press, and it shows so.
    bool hoverShown() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect() const;
    bool invites() const { return button_ && pressable_; }
    void showInvitation();

    bool button_ = false;
    bool pressable_ = true;
    bool held_ = false;
    bool hovered_ = false;
};

// A list box as the game shows it: the keyboard that brings the focus chooses no row (only a
// click, an arrow or a letter does), and a focused list shows a bright frame.
class ListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit ListWidget(QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showFocus(bool focused);
};

}  // namespace ui::qt
