#include "ui/qt/colors.h"

#include <QPalette>

namespace ui::qt {

namespace {

QColor toQColor(ui::Color c) {
    return QColor(c.r, c.g, c.b);
}

}  // namespace

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
        palette.setColor(group, QPalette::Highlight, QColor(0, 96, 0));
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
