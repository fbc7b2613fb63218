#include "guestos/vexa_screen.h"

#include "guestos/program_pictures.h"

namespace guestos {

void layOutVexaScreen(ui::Window& screen, const char* nameLabel, const char* textLabel,
                      const QString& text) {
    screen.frameless = true;
    screen.backColor = ui::colors::Black;
    screen.foreColor = ui::colors::White;
    constexpr int Logo = 112;
    ui::Control& logo =
        screen.add("Image1", ui::ControlKind::Image, {(ScreenWidth - Logo) / 2, 70, Logo, Logo});
    logo.setPicture(QString::fromLatin1(pictures::Logo));
    logo.decorative = true;  // the name below it says it
    ui::Control& name = screen.addLabel(nameLabel, "Vexa 2", {0, 190, ScreenWidth, 64});
    name.fontSize = 36;
    name.bold = true;
    name.align = ui::Align::Center;
    name.setForeColor(ui::colors::White);
    ui::Control& line = screen.addLabel(textLabel, text, {0, 262, ScreenWidth, 24});
    line.fontSize = 12;
    line.align = ui::Align::Center;
    line.setForeColor(ui::colors::White);
}

}  // namespace guestos
