#include "ui/property_access.h"

#include <QRegularExpression>
#include <map>
#include <set>

namespace ui {

namespace {

using Kind = ControlKind;

const std::set<QString>& propertiesOf(Kind kind) {
    static const std::map<Kind, std::set<QString>> table = {
        {Kind::Label,
         {"Caption", "Enabled", "Visible", "ForeColor", "BackColor", "BorderStyle", "Warning"}},
        {Kind::TextBox, {"Text", "Enabled", "Visible", "ForeColor", "BackColor"}},
        {Kind::ComboBox,
         {"Text", "Enabled", "Visible", "ForeColor", "BackColor", "ListIndex", "ListCount",
          "Item"}},
        {Kind::ListBox,
         {"Text", "Enabled", "Visible", "ForeColor", "BackColor", "ListIndex", "ListCount",
          "Item"}},
        {Kind::FileList,
         {"Enabled", "Visible", "ForeColor", "BackColor", "ListIndex", "ListCount", "Item",
          "FileName"}},
        {Kind::PictureBox, {"Enabled", "Visible", "BackColor", "Picture"}},
        {Kind::Image, {"Visible", "Picture"}},
        {Kind::Frame, {"Caption", "Enabled", "Visible", "ForeColor", "BackColor"}},
        {Kind::ProgressBar, {"Visible", "Value", "Min", "Max"}},
        {Kind::Timer, {"Enabled", "Interval"}},
        {Kind::Shape, {"Visible", "BackColor"}},
        {Kind::Line, {"Visible"}},
        {Kind::MenuItem, {"Caption", "Enabled", "Visible"}},
    };
    return table.at(kind);
}

// "Item[3]" → ("Item", 3); other names → (name, -1).
std::pair<QString, int> split(const QString& property) {
    static const QRegularExpression item(QStringLiteral("^Item\\[(\\d+)\\]$"));
    const auto match = item.match(property);
    if (match.hasMatch()) {
        bool ok = false;
        const int row = match.captured(1).toInt(&ok);
        // A row too large to count is no row at all, not row 0.
        return {QStringLiteral("Item"), ok ? row : -1};
    }
    return {property, -1};
}

std::optional<int> parseInt(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

QString boolText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString warningText(Warning warning) {
    switch (warning) {
        case Warning::None:
            break;
        case Warning::Low:
            return QStringLiteral("low");
        case Warning::Critical:
            return QStringLiteral("critical");
    }
    return QStringLiteral("none");
}

std::optional<bool> parseBool(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t == u"true") {
        return true;
    }
    if (t == u"false") {
        return false;
    }
    return std::nullopt;
}

bool hasProperty(ControlKind kind, const QString& property) {
    const auto [name, index] = split(property);
    if (name == u"Item" && index < 0) {
        return false;
    }
    return propertiesOf(kind).count(name) > 0;
}

std::optional<QString> readProperty(const Control& c, const QString& property) {
    if (!hasProperty(c.kind(), property)) {
        return std::nullopt;
    }
    const auto [name, index] = split(property);
    if (name == u"Caption") {
        return c.caption();
    }
    if (name == u"Text") {
        return c.kind() == Kind::ListBox ? c.item(c.listIndex()) : c.text();
    }
    if (name == u"Enabled") {
        return boolText(c.enabled());
    }
    if (name == u"Visible") {
        return boolText(c.visible());
    }
    if (name == u"ForeColor") {
        return c.foreColor().text();
    }
    if (name == u"BackColor") {
        return c.backColor().text();
    }
    if (name == u"BorderStyle") {
        return QString::number(c.borderStyle());
    }
    if (name == u"ListIndex") {
        return QString::number(c.listIndex());
    }
    if (name == u"ListCount") {
        return QString::number(c.items().size());
    }
    if (name == u"Item") {
        if (index >= c.items().size()) {
            return std::nullopt;
        }
        return c.item(index);
    }
    if (name == u"FileName") {
        return c.fileName();
    }
    if (name == u"Value") {
        return QString::number(c.value());
    }
    if (name == u"Min") {
        return QString::number(c.minimum());
    }
    if (name == u"Max") {
        return QString::number(c.maximum());
    }
    if (name == u"Interval") {
        return QString::number(c.interval());
    }
    if (name == u"Picture") {
        return c.picture();
    }
    if (name == u"Warning") {
        return warningText(c.warning());
    }
    return std::nullopt;
}

QString writeProperty(Control& c, const QString& property, const QString& value) {
    if (!hasProperty(c.kind(), property)) {
        return QStringLiteral("no property ") + property;
    }
    const auto [name, index] = split(property);
    if (name == u"Caption" || name == u"Text") {
        c.setCaption(value);
        return {};
    }
    if (name == u"Enabled" || name == u"Visible") {
        const auto b = parseBool(value);
        if (!b) {
            return QStringLiteral("not true or false: ") + value;
        }
        name == u"Enabled" ? c.setEnabled(*b) : c.setVisible(*b);
        return {};
    }
    if (name == u"ForeColor" || name == u"BackColor") {
        const auto color = Color::parse(value);
        if (!color) {
            return QStringLiteral("not a colour R,G,B: ") + value;
        }
        name == u"ForeColor" ? c.setForeColor(*color) : c.setBackColor(*color);
        return {};
    }
    if (name == u"Item") {
        if (index >= c.items().size()) {
            return QStringLiteral("no row %1").arg(index);
        }
        QStringList items = c.items();
        const int selected = c.listIndex();
        items[index] = value;
        c.setItems(items);
        c.setListIndex(selected);
        return {};
    }
    if (name == u"FileName") {
        const int row = static_cast<int>(c.items().indexOf(value));
        if (row < 0 && !value.isEmpty()) {
            return QStringLiteral("no file ") + value + QStringLiteral(" in the list");
        }
        c.setListIndex(row);
        return {};
    }
    if (name == u"ListCount") {
        return QStringLiteral("ListCount cannot be set");
    }
    if (name == u"Warning") {
        return QStringLiteral("Warning cannot be set: the game sets it after every event");
    }
    if (name == u"Picture") {
        c.setPicture(value);
        return {};
    }
    const auto number = parseInt(value);
    if (!number) {
        return QStringLiteral("not a whole number: ") + value;
    }
    if (name == u"BorderStyle") {
        c.setBorderStyle(*number);
    } else if (name == u"ListIndex") {
        if (*number < -1 || *number >= c.items().size()) {
            return QStringLiteral("no row %1").arg(*number);
        }
        c.setListIndex(*number);
    } else if (name == u"Value") {
        c.setValue(*number);
    } else if (name == u"Min") {
        c.setRange(*number, c.maximum());
    } else if (name == u"Max") {
        c.setRange(c.minimum(), *number);
    } else if (name == u"Interval") {
        c.setInterval(*number);
    }
    return {};
}

bool hasWindowProperty(const QString& property) {
    return property == u"Caption" || property == u"Enabled" || property == u"Visible";
}

std::optional<QString> readWindowProperty(const Window& w, const QString& property) {
    if (property == u"Caption") {
        return w.caption();
    }
    if (property == u"Enabled") {
        return boolText(w.enabled());
    }
    if (property == u"Visible") {
        return boolText(w.visible());
    }
    return std::nullopt;
}

QString writeWindowProperty(Window& w, const QString& property, const QString& value) {
    if (property == u"Caption") {
        w.setCaption(value);
        return {};
    }
    const auto b = parseBool(value);
    if (!hasWindowProperty(property)) {
        return QStringLiteral("no window property ") + property;
    }
    if (!b) {
        return QStringLiteral("not true or false: ") + value;
    }
    property == u"Enabled" ? w.setEnabled(*b) : w.setVisible(*b);
    return {};
}

}  // namespace ui
