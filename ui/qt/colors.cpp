#include "ui/qt/colors.h"

#include <QApplication>
#include <QMenu>

namespace ui::qt {

namespace {

QColor toQColor(ui::Color c) {
    return QColor(c.r, c.g, c.b);
}

// The chosen row of a list and the item under the keyboard in a menu: white on dark green.
const QColor Highlight(0, 96, 0);
// A button drawn by Qt: a dark green face under the bright green text.
const QColor ButtonFace(0, 40, 0);

}  // namespace

QFont gameFont() {
    return QFont(QStringLiteral("Arial"), 10);
}

QPalette gamePalette() {
    const QColor text = toQColor(ui::colors::BrightGreen);
    const QColor back = toQColor(ui::colors::Black);
    // What cannot be chosen now: fainter, still readable on black.
    const QColor faded(0, 144, 0);
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, group == QPalette::Disabled ? faded : text);
        }
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base}) {
            palette.setColor(group, role, back);
        }
        palette.setColor(group, QPalette::Button, ButtonFace);
        palette.setColor(group, QPalette::Highlight, Highlight);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    return palette;
}

void giveMenusTheGameLook() {
    QPalette palette = gamePalette();
    // Fusion draws a menu's edge a shade darker than its window colour, which a menu uses for
    // nothing else (its face is the base colour): a green edge shows where the menu ends.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, QColor(0, 112, 0));
    }
    QApplication::setPalette(palette, "QMenu");
    QApplication::setFont(gameFont(), "QMenu");
}

void applyColors(QWidget* widget, ui::Color fore, ui::Color back) {
    QPalette palette = widget->palette();
    const QColor f = toQColor(fore);
    const QColor b = toQColor(back);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, f);
        }
    }
    // A disabled label button fades, as it would on any desktop.
    const QColor faded(f.red() / 2 + 40, f.green() / 2 + 40, f.blue() / 2 + 40);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, faded);
    }
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
            palette.setColor(group, role, b);
        }
        palette.setColor(group, QPalette::Highlight, Highlight);
        palette.setColor(group, QPalette::HighlightedText, QColor(255, 255, 255));
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void showBoxEdges(QWidget* box) {
    QPalette palette = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, QColor(0, 150, 0));
        palette.setColor(group, QPalette::Highlight, QColor(0, 230, 0));
        palette.setColor(group, QPalette::HighlightedText, QColor(0, 0, 0));
    }
    box->setPalette(palette);
    box->setAutoFillBackground(false);
}

}  // namespace ui::qt
