#include "guestos/inner_window.h"

#include "guestos/vexa_look.h"

namespace guestos {

namespace {
constexpr int ButtonSize = 18;
constexpr int ButtonGap = 2;
constexpr int TitleIndent = 6;  // the title stands off the window's edge
}  // namespace

InnerWindow::InnerWindow(ui::Window& desktop, const InnerWindowNames& names, const QString& title,
                         ui::Rect geometry, const QString& entryCaption, ui::Rect entryGeometry)
    : frame_(desktop.add(names.frame, ui::ControlKind::PictureBox, geometry)),
      bar_(desktop.add(names.bar, ui::ControlKind::Shape, {0, 0, geometry.width, TitleHeight},
                       &frame_)),
      title_(desktop.addLabel(
          names.title, title,
          {TitleIndent, 0, geometry.width - TitleIndent - 2 * (ButtonSize + ButtonGap),
           TitleHeight},
          &frame_)),
      entry_(desktop.addLabel(names.entry, entryCaption, entryGeometry)) {
    frame_.setVisible(false);
    frame_.setBackColor(look::WindowFace);
    // Named by its title, as its task-bar entry is: the program's name in the program window.
    frame_.labelledBy = &title_;
    bar_.setBackColor(look::TitleBar);
    bar_.setForeColor(look::TitleBar);
    title_.setBackColor(look::TitleBar);
    title_.setForeColor(ui::colors::White);
    title_.bold = true;

    const int top = (TitleHeight - ButtonSize) / 2;
    const int closeLeft = geometry.width - ButtonGap - ButtonSize;
    ui::Control& minimise = desktop.addButton(
        names.minimise, "_", {closeLeft - ButtonGap - ButtonSize, top, ButtonSize, ButtonSize},
        &frame_);
    ui::Control& close =
        desktop.addButton(names.close, "X", {closeLeft, top, ButtonSize, ButtonSize}, &frame_);

    entry_.setVisible(false);
    entry_.align = ui::Align::Center;
    entry_.setBorderStyle(1);
    entry_.setBackColor(look::TaskEntry);
    entry_.setForeColor(ui::colors::Black);
    entry_.labelButton = true;  // a task-bar entry is pressed like a button, also from the keyboard

    title_.onClick = [this] { hideMenus(); };
    bar_.onClick = [this] { hideMenus(); };
    minimise.onClick = [this] {
        frame_.setVisible(false);
        hideMenus();
    };
    close.onClick = [this] {
        frame_.setVisible(false);
        entry_.setVisible(false);
        hideMenus();
    };
    entry_.onClick = [this] {
        frame_.setVisible(!frame_.visible());
        if (frame_.visible()) {
            shown();
        }
    };
}

void InnerWindow::open() {
    frame_.setVisible(true);
    entry_.setVisible(true);
    shown();
}

void InnerWindow::hideMenus() const {
    if (onHideMenus) {
        onHideMenus();
    }
}

void InnerWindow::shown() const {
    if (onShown) {
        onShown();
    }
}

}  // namespace guestos
