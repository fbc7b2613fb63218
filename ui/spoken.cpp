#include "ui/spoken.h"

#include <QStringList>
#include <algorithm>

namespace ui {

namespace {

QString introduction(const Control& control) {
    return control.labelledBy != nullptr ? control.labelledBy->caption().trimmed()
                                         : control.spokenName;
}

// An introduction and the value after it; a caption that ends in a colon keeps its own.
QString introduced(const QString& introduction, const QString& value) {
    if (introduction.isEmpty() || value.isEmpty()) {
        return introduction.isEmpty() ? value : introduction;
    }
    return introduction +
           (introduction.endsWith(u':') ? QStringLiteral(" ") : QStringLiteral(": ")) + value;
}

// A row of a list, or a line of a box of many lines (the prices of the courses).
QString rowOf(const Control& column, int row) {
    if (column.kind() != ControlKind::TextBox) {
        return column.item(row);
    }
    QString text = column.text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = text.split(u'\n');
    return row >= 0 && row < lines.size() ? lines[row] : QString();
}

}  // namespace

QString spokenName(const Control& control) {
    switch (control.kind()) {
        case ControlKind::Label: {
            if (control.labelButton) {
                return control.caption();
            }
            const QString name = introduced(introduction(control), control.caption());
            const QString warning = warningWord(control.warning());
            return warning.isEmpty() ? name : name + QStringLiteral(", ") + warning;
        }
        case ControlKind::Image:
        case ControlKind::PictureBox:
            return control.decorative ? QString() : introduction(control);
        case ControlKind::Frame:
        case ControlKind::MenuItem:
            return control.caption();
        default:
            return introduction(control);
    }
}

QString spokenDescription(const Control& control) {
    if (control.warning() != Warning::None) {
        return warningWord(control.warning());
    }
    return control.rowBeside >= 0 ? valuesBeside(control, control.rowBeside) : QString();
}

QString valuesBeside(const Control& control, int row) {
    QStringList values;
    for (const Control* column : control.valuesBeside) {
        const QString value = rowOf(*column, row).trimmed();
        if (!value.isEmpty()) {
            values.append(introduced(introduction(*column), value));
        }
    }
    return values.join(QStringLiteral(", "));
}

QString warningWord(Warning warning) {
    switch (warning) {
        case Warning::None:
            break;
        case Warning::Low:
            return QStringLiteral("Мало");
        case Warning::Critical:
            return QStringLiteral("Очень мало");
    }
    return {};
}

bool speaksOf(const Control& control, const Control& other) {
    return control.labelledBy == &other ||
           std::find(control.valuesBeside.begin(), control.valuesBeside.end(), &other) !=
               control.valuesBeside.end();
}

}  // namespace ui
