#include "ui/control.h"

#include <QDir>

#include "ui/window.h"

namespace ui {

Control::Control(Window& window, QString name, ControlKind kind, Rect geometry, Control* parent)
    : window_(window),
      name_(std::move(name)),
      kind_(kind),
      geometry_(geometry),
      parent_(parent),
      foreColor_(window.foreColor),
      backColor_(window.backColor) {}

void Control::changed(Property property) {
    if (observer_ != nullptr) {
        observer_->controlChanged(*this, property);
    }
}

void Control::setGeometry(Rect geometry) {
    geometry_ = geometry;
    changed(Property::Geometry);
}

void Control::setCaption(const QString& text) {
    if (text_ == text) {
        return;
    }
    text_ = text;
    changed(Property::Caption);
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled) {
        return;
    }
    enabled_ = enabled;
    if (kind_ == ControlKind::Timer) {
        window_.timerChanged(*this);
    }
    changed(Property::Enabled);
}

void Control::setChecked(bool checked) {
    if (checked_ == checked) {
        return;
    }
    checked_ = checked;
    changed(Property::Checked);
}

void Control::setWarning(Warning warning) {
    if (warning_ == warning) {
        return;
    }
    warning_ = warning;
    changed(Property::Warning);
}

void Control::setVisible(bool visible) {
    if (visible_ == visible) {
        return;
    }
    visible_ = visible;
    changed(Property::Visible);
}

bool Control::shown() const {
    for (const Control* c = this; c != nullptr; c = c->parent_) {
        if (!c->visible_) {
            return false;
        }
    }
    return true;
}

const Control* Control::blocker() const {
    for (const Control* c = this; c != nullptr; c = c->parent_) {
        if (!c->visible_ || !c->enabled_) {
            return c;
        }
    }
    return nullptr;
}

bool Control::reachable() const {
    return window_.visible() && window_.enabled() && blocker() == nullptr;
}

void Control::setForeColor(Color color) {
    if (foreColor_ == color) {
        return;
    }
    foreColor_ = color;
    changed(Property::ForeColor);
}

void Control::setBackColor(Color color) {
    if (backColor_ == color) {
        return;
    }
    backColor_ = color;
    changed(Property::BackColor);
}

void Control::setBorderStyle(int style) {
    if (borderStyle_ == style) {
        return;
    }
    borderStyle_ = style;
    changed(Property::BorderStyle);
}

void Control::setItems(const QStringList& items) {
    items_ = items;
    listIndex_ = -1;
    changed(Property::Items);
}

void Control::addItem(const QString& item) {
    items_.append(item);
    changed(Property::Items);
}

void Control::clearItems() {
    setItems({});
}

QString Control::item(int row) const {
    return row >= 0 && row < items_.size() ? items_[row] : QString();
}

void Control::setListIndex(int row) {
    if (row < -1 || row >= items_.size()) {
        row = -1;
    }
    if (listIndex_ == row) {
        return;
    }
    listIndex_ = row;
    changed(Property::ListIndex);
}

void Control::setFolder(const QString& folder) {
    folder_ = folder;
    refresh();
}

void Control::setPattern(const QString& pattern) {
    pattern_ = pattern;
    refresh();
}

void Control::refresh() {
    const QString chosen = fileName();
    QStringList names;
    if (!folder_.isEmpty() && !pattern_.isEmpty()) {
        // Case-insensitive, as a player who named a save "Game.SAV" would expect.
        names = QDir(folder_).entryList(QStringList{pattern_}, QDir::Files | QDir::Readable,
                                        QDir::Name | QDir::IgnoreCase);
    }
    items_ = names;
    listIndex_ = chosen.isEmpty() ? -1 : static_cast<int>(names.indexOf(chosen));
    changed(Property::Items);
}

QString Control::fileName() const {
    return item(listIndex_);
}

void Control::setValue(int value) {
    if (value_ == value) {
        return;
    }
    value_ = value;
    changed(Property::Value);
}

void Control::setRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = maximum;
    changed(Property::Value);
}

void Control::setInterval(int ms) {
    if (interval_ == ms) {
        return;
    }
    interval_ = ms;
    if (kind_ == ControlKind::Timer) {
        window_.timerChanged(*this);
    }
    changed(Property::Interval);
}

void Control::setPicture(const QString& file) {
    picture_ = file;
    changed(Property::Picture);
}

}  // namespace ui
