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
    bool button() const { return button_; }
    // Whether the player can press the button now: it, its containers and its window enabled,
    // no message box waiting; the view knows.
    void setPressable(bool pressable);
    bool pressable() const { return pressable_; }
    // The button shows the look the game gives it while it is held down: nothing is drawn over
    // that.
    void setHeld(bool held);
    // The caption does not fit its place and is shown cut with "…".
    bool elided() const;
    // The mouse is over a button the player can press, and it shows so.
    bool hoverShown() const;
    // A screen reader's "Press": asks for the press once the current event is over, so that a
    // message box the press opens never holds up the reader's call.
    void pressLater();

signals:
    void pressRequested();

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

// A picture, or a container that may show one. To a screen reader a picture is an image and a
// container a panel; a decorative one is passed over.
class PictureWidget : public QLabel {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent) : QLabel(parent) {}

    void setDecorative(bool decorative) { decorative_ = decorative; }
    bool decorative() const { return decorative_; }

private:
    bool decorative_ = false;
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
