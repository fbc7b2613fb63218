#pragma once

#include <QTimer>

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
    // A warning (ui::Warning) in its colour instead of the label's own (a screen reader hears it
    // in words: showSpoken); none leaves the label's own colour.
    void showWarning();
    // Space and Enter on a focused label button: pressed on the key's press, clicked on its
    // release, as the mouse does, however long the key is held.
    bool pressByKey(QKeyEvent* key);
    // The button comes back up, clicked or not.
    void letGo(bool click);
    // A screen reader's "Press": down, up and click at once, refused as the mouse would be.
    void pressWhole();

    LabelWidget* label_;
    int heldBy_ = 0;         // the key holding the button down, none while it is up
    quint64 heldSince_ = 0;  // the time of that key's press
    // X repeats a held key as a release and a press at the same instant, and Qt does not
    // always mark the pair as a repeat: the release of a key held long enough to repeat waits
    // a moment for such a press before it clicks.
    QTimer letGo_;
    quint64 letGoAt_ = 0;  // the time of the release that waits
};

}  // namespace ui::qt
