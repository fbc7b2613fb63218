#pragma once

#include <QLabel>
#include <QListWidget>

namespace ui::qt {

// A label as the game shows it. One line that does not fit ends in "…" and shows whole in its
// tooltip; text() is always the whole caption. A label button takes the keyboard focus and
// shows it with a dotted mark inside its edge.
class LabelWidget : public QLabel {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget* parent);

    void setButton(bool button);
    // The caption does not fit its place and is shown cut with "…".
    bool elided() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect() const;
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
