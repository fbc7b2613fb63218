#pragma once

#include "ui/qt/binder.h"
#include "ui/qt/widgets.h"

namespace ui::qt {

// A label, and a label that works as a button: the mouse clicks it, and Space or Enter press it
// while the keyboard is on it.
class LabelBinder : public Binder {
public:
    LabelBinder(BinderHost& host, ui::Control& control, QWidget* parent);

    std::optional<QString> shownText() const override { return label_->text(); }
    bool mouse(QObject* watched, QMouseEvent* event) override;
    bool key(QObject* watched, QKeyEvent* event) override;
    void focusLost() override;

protected:
    void show(ui::Property property) override;

private:
    // Space and Enter on a focused label button: pressed on the key's press, clicked on its
    // release, as the mouse does.
    bool pressByKey(QKeyEvent* key);

    LabelWidget* label_;
    bool keyPressed_ = false;  // held down by Space or Enter
};

}  // namespace ui::qt
