#pragma once

#include <QString>
#include <functional>

#include "ui/window.h"

namespace guestos {

// The controls of one window inside the desktop, by their names on the desktop window.
struct InnerWindowNames {
    const char* frame;     // the picture box that is the window
    const char* bar;       // the title bar's background
    const char* title;     // its title, on the bar
    const char* minimise;  // "_"
    const char* close;     // "X"
    const char* entry;     // its entry on the task bar
};

// A window inside the desktop: a picture box with a title bar along its top, the minimise and
// close buttons at the title bar's right end, and an entry on the task bar. Minimising hides
// the window and keeps the entry, so a click on the entry brings it back; closing hides both.
class InnerWindow {
public:
    InnerWindow(ui::Window& desktop, const InnerWindowNames& names, const QString& title,
                ui::Rect geometry, const QString& entryCaption, ui::Rect entryGeometry);

    ui::Control& frame() const { return frame_; }
    ui::Control& title() const { return title_; }
    ui::Control& entry() const { return entry_; }

    // The window and its entry shown.
    void open();

    // Told when the player's click on a window button should close the start menu, and when
    // the window has come on screen.
    std::function<void()> onHideMenus;
    std::function<void()> onShown;

    static constexpr int TitleHeight = 22;

private:
    void hideMenus() const;
    void shown() const;

    ui::Control& frame_;
    ui::Control& bar_;
    ui::Control& title_;
    ui::Control& entry_;
};

}  // namespace guestos
