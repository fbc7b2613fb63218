#include "tools/scenario/qt/screen_reader_check.h"

#include <QAccessible>
#include <QWidget>

#include "tools/scenario/quoting.h"
#include "ui/application.h"
#include "ui/qt/qt_front_end.h"
#include "ui/qt/window_view.h"

namespace scenario {

namespace {

// The role as the accessibility bus calls it, for the roles the game's controls come as.
QString roleName(QAccessible::Role role) {
    switch (role) {
        case QAccessible::NoRole:
            return QStringLiteral("no role");
        case QAccessible::Client:
            return QStringLiteral("filler");
        case QAccessible::Window:
            return QStringLiteral("window");
        case QAccessible::Dialog:
            return QStringLiteral("dialog");
        case QAccessible::AlertMessage:
            return QStringLiteral("alert");
        case QAccessible::StaticText:
            return QStringLiteral("label");
        case QAccessible::Button:
            return QStringLiteral("push button");
        case QAccessible::EditableText:
            return QStringLiteral("text");
        case QAccessible::List:
            return QStringLiteral("list");
        case QAccessible::ComboBox:
            return QStringLiteral("combo box");
        case QAccessible::Graphic:
            return QStringLiteral("image");
        case QAccessible::ProgressBar:
            return QStringLiteral("progress bar");
        case QAccessible::Grouping:
            return QStringLiteral("group");
        case QAccessible::Pane:
            return QStringLiteral("panel");
        default:
            return QStringLiteral("role 0x%1").arg(static_cast<int>(role), 0, 16);
    }
}

QString heardAs(QAccessibleInterface* face) {
    if (face == nullptr) {
        return QStringLiteral("nothing");
    }
    return roleName(face->role()) + QStringLiteral(" named ") +
           quoted(face->text(QAccessible::Name));
}

// A label button is a button to a listener too: it says so and can be pressed.
bool pressable(QAccessibleInterface* face) {
    QAccessibleActionInterface* actions = face->actionInterface();
    return face->role() == QAccessible::Button && actions != nullptr &&
           actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// Roles that tell a listener nothing about what a thing is.
bool silent(QAccessible::Role role) {
    return role == QAccessible::NoRole || role == QAccessible::Client;
}

// Controls that carry nothing to hear or use: timers, menu items (the menu bar speaks for them),
// the lines and boxes that only draw, a picture that is only the look of its window, and a
// label with nothing written on it.
bool worthHearing(const ui::Control& c) {
    if (c.decorative) {
        return false;
    }
    switch (c.kind()) {
        case ui::ControlKind::Timer:
        case ui::ControlKind::MenuItem:
        case ui::ControlKind::Shape:
        case ui::ControlKind::Line:
            return false;
        case ui::ControlKind::Label:
            return !c.caption().trimmed().isEmpty();
        default:
            return true;
    }
}

}  // namespace

void ScreenReaderCheck::once(std::vector<Problem>& problems, const QString& what, Problem problem) {
    if (!told_.contains(what)) {
        told_.insert(what);
        problems.push_back(std::move(problem));
    }
}

std::vector<Problem> ScreenReaderCheck::windows(const ui::Application& app,
                                                const ui::qt::QtFrontEnd& front) {
    std::vector<Problem> problems;
    for (const ui::Window* window : app.openWindows()) {
        const ui::qt::WindowView* view = front.view(window->name());
        if (view == nullptr || !view->isVisible()) {
            continue;
        }
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(const_cast<ui::qt::WindowView*>(view));
        const QString title = view->windowTitle();
        if (face == nullptr ||
            (face->role() != QAccessible::Window && face->role() != QAccessible::Dialog) ||
            face->text(QAccessible::Name) != title) {
            once(problems, window->name(),
                 {QStringLiteral("window ") + window->name() +
                      QStringLiteral(" heard as a window or dialog named ") + quoted(title),
                  heardAs(face)});
        }
        for (const auto& c : window->controls()) {
            if (!worthHearing(*c) || !c->shown()) {
                continue;
            }
            QWidget* widget = view->widget(c->name());
            if (widget == nullptr || !widget->isVisible()) {
                continue;
            }
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
            const QString name = control != nullptr ? control->text(QAccessible::Name) : QString();
            const QString who = window->name() + u'.' + c->name();
            if (control == nullptr || silent(control->role()) || name.trimmed().isEmpty()) {
                once(problems, who,
                     {who + QStringLiteral(" heard with a role and a name"), heardAs(control)});
            } else if (c->labelButton && !pressable(control)) {
                once(problems, who,
                     {who + QStringLiteral(" heard as a push button that can be pressed"),
                      heardAs(control)});
            }
        }
    }
    return problems;
}

// Whether the interface or one below it reads `text`, as its name or its value.
static bool reads(QAccessibleInterface* face, const QString& text) {
    if (face == nullptr) {
        return false;
    }
    if (face->text(QAccessible::Name) == text || face->text(QAccessible::Value) == text) {
        return true;
    }
    for (int i = 0; i < face->childCount(); ++i) {
        if (reads(face->child(i), text)) {
            return true;
        }
    }
    return false;
}

std::vector<Problem> ScreenReaderCheck::messageBox(QMessageBox& box) {
    std::vector<Problem> problems;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&box);
    const bool named = face != nullptr && face->text(QAccessible::Name) == box.windowTitle();
    const bool anAlert = face != nullptr && (face->role() == QAccessible::AlertMessage ||
                                             face->role() == QAccessible::Dialog);
    if (!reads(face, box.text())) {
        problems.push_back(
            {QStringLiteral("a message box whose text is heard, ") + quoted(box.text()),
             QStringLiteral("no part of it reads so")});
    }
    if (!named || !anAlert) {
        problems.push_back(
            {QStringLiteral("a message box heard as an alert named ") + quoted(box.windowTitle()),
             heardAs(face)});
    }
    return problems;
}

}  // namespace scenario
