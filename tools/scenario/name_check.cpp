#include "tools/scenario/name_check.h"

#include <map>
#include <memory>
#include <utility>

#include "game/game.h"
#include "game/game_globals.h"
#include "ui/property_access.h"

namespace scenario {

namespace {

using Kind = ui::ControlKind;

bool oneOf(Kind kind, std::initializer_list<Kind> kinds) {
    for (Kind k : kinds) {
        if (k == kind) {
            return true;
        }
    }
    return false;
}

// What an action needs of its control; empty when the control suits it.
QString unsuitable(Op op, Kind kind) {
    switch (op) {
        case Op::Type:
            return oneOf(kind, {Kind::TextBox, Kind::ComboBox})
                       ? QString()
                       : QStringLiteral("only a text box or a combo box can be typed into");
        case Op::Select:
            return oneOf(kind, {Kind::ListBox, Kind::FileList, Kind::ComboBox})
                       ? QString()
                       : QStringLiteral("only a list box, file list or combo box has rows");
        case Op::Menu:
            return kind == Kind::MenuItem ? QString() : QStringLiteral("menu needs a menu item");
        case Op::Click:
        case Op::MouseDown:
        case Op::MouseUp:
        case Op::Key:
            if (kind == Kind::MenuItem) {
                return QStringLiteral("a menu item is chosen with menu");
            }
            return kind == Kind::Timer ? QStringLiteral("a timer cannot be reached by a player")
                                       : QString();
        default:
            return {};
    }
}

class Checker {
public:
    explicit Checker(const game::Game& game) : game_(game) {}

    void check(const Step& step) {
        line_ = step.line;
        switch (step.op) {
            case Op::Type:
            case Op::Click:
            case Op::MouseDown:
            case Op::MouseUp:
            case Op::Select:
            case Op::Key:
            case Op::Menu:
                if (step.control.isEmpty()) {
                    window(step.window);
                } else if (const ui::Control* c = control(step.window, step.control)) {
                    if (const QString why = unsuitable(step.op, c->kind()); !why.isEmpty()) {
                        fail(step.window + u'.' + step.control + QStringLiteral(" is ") +
                             kindText(c->kind()) + QStringLiteral(": ") + why);
                    }
                }
                break;
            case Op::Shot:
                if (step.control.isEmpty() && step.window == MessageShot) {
                    break;
                }
                if (const ui::Control* c =
                        step.control.isEmpty() ? nullptr : control(step.window, step.control);
                    c != nullptr && c->kind() != Kind::MenuItem) {
                    fail(step.window + u'.' + step.control +
                         QStringLiteral(" is no menu: a picture shows a window or its open menu"));
                }
                window(step.window);
                break;
            case Op::Close:
            case Op::ExpectOpen:
            case Op::ExpectClosed:
                window(step.window);
                break;
            case Op::Set:
            case Op::ExpectValue:
                target(step.target);
                break;
            default:
                break;
        }
    }

    std::vector<Fault> faults;

private:
    void fail(const QString& why) { faults.push_back({line_, why}); }

    const ui::Window* window(const QString& name) {
        if (auto it = blueprints_.find(name); it != blueprints_.end()) {
            return it->second.get();
        }
        if (!game_.knowsWindow(name)) {
            fail(QStringLiteral("unknown window ") + name);
            return nullptr;
        }
        return (blueprints_[name] = game_.blueprint(name)).get();
    }

    const ui::Control* control(const QString& windowName, const QString& name) {
        const ui::Window* w = window(windowName);
        if (w == nullptr) {
            return nullptr;
        }
        const ui::Control* c = w->find(name);
        if (c == nullptr) {
            fail(QStringLiteral("unknown control ") + name + QStringLiteral(" of window ") +
                 windowName);
        }
        return c;
    }

    void target(const Target& t) {
        switch (t.kind) {
            case Target::Global:
                if (!game::isGlobalName(t.property)) {
                    fail(QStringLiteral("unknown variable GameGlobals.") + t.property);
                }
                return;
            case Target::WindowProperty:
                if (window(t.window) != nullptr && !ui::hasWindowProperty(t.property)) {
                    fail(QStringLiteral("unknown property ") + t.text() +
                         QStringLiteral(" (a window has Caption, Enabled and Visible; a control "
                                        "is named Window.Control.Property)"));
                }
                return;
            case Target::ControlProperty:
                if (const ui::Control* c = control(t.window, t.control);
                    c != nullptr && !ui::hasProperty(c->kind(), t.property)) {
                    fail(QStringLiteral("unknown property ") + t.text() + QStringLiteral(" (") +
                         t.control + QStringLiteral(" is ") + kindText(c->kind()) +
                         QStringLiteral(")"));
                }
                return;
        }
    }

    const game::Game& game_;
    std::map<QString, std::unique_ptr<ui::Window>> blueprints_;
    int line_ = 0;
};

}  // namespace

QString kindText(ui::ControlKind kind) {
    switch (kind) {
        case Kind::Label:
            return QStringLiteral("a label");
        case Kind::TextBox:
            return QStringLiteral("a text box");
        case Kind::ComboBox:
            return QStringLiteral("a combo box");
        case Kind::ListBox:
            return QStringLiteral("a list box");
        case Kind::FileList:
            return QStringLiteral("a file list");
        case Kind::PictureBox:
            return QStringLiteral("a picture box");
        case Kind::Image:
            return QStringLiteral("an image");
        case Kind::Frame:
            return QStringLiteral("a frame");
        case Kind::ProgressBar:
            return QStringLiteral("a progress bar");
        case Kind::Timer:
            return QStringLiteral("a timer");
        case Kind::Shape:
            return QStringLiteral("a shape");
        case Kind::Line:
            return QStringLiteral("a line");
        case Kind::MenuItem:
            return QStringLiteral("a menu item");
    }
    return QStringLiteral("a control");
}

std::vector<Fault> checkNames(const std::vector<Step>& steps, const game::Game& game) {
    Checker checker(game);
    for (const Step& step : steps) {
        checker.check(step);
    }
    return checker.faults;
}

std::vector<Fault> scriptFaults(const Script& script, const game::Game& game) {
    std::vector<Fault> faults = script.faults;
    for (Fault& fault : checkNames(script.steps, game)) {
        faults.push_back(std::move(fault));
    }
    return faults;
}

}  // namespace scenario
