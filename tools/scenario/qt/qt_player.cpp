#include "tools/scenario/qt/qt_player.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <utility>

#include "game/game.h"
#include "tools/scenario/qt/screen_reader_check.h"
#include "tools/scenario/quoting.h"
#include "ui/qt/message_boxes.h"
#include "ui/qt/qt_front_end.h"
#include "ui/qt/window_view.h"

namespace scenario {

namespace {

QString nameOf(const ui::Control& c) {
    return c.window().name() + u'.' + c.name();
}

Qt::MouseButton toQt(ui::MouseButton button) {
    return button == ui::MouseButton::Left ? Qt::LeftButton : Qt::RightButton;
}

// The key a character code stands for, as a keyboard would report it.
Qt::Key keyFor(char32_t code) {
    switch (code) {
        case 8:
            return Qt::Key_Backspace;
        case 9:
            return Qt::Key_Tab;
        case 10:
        case 13:
            return Qt::Key_Return;
        case 27:
            return Qt::Key_Escape;
        default:
            break;
    }
    if (code < 0x10000) {
        return static_cast<Qt::Key>(QChar(static_cast<char16_t>(code)).toUpper().unicode());
    }
    return Qt::Key_unknown;
}

void pressKey(QWidget* target, char32_t code) {
    const QString text =
        keyFor(code) == Qt::Key_Return ? QStringLiteral("\r") : QString::fromUcs4(&code, 1);
    QTest::sendKeyEvent(QTest::Click, target, keyFor(code), text, Qt::NoModifier);
}

QMessageBox::Icon iconOf(ui::MessageKind kind) {
    switch (kind) {
        case ui::MessageKind::Information:
            return QMessageBox::Information;
        case ui::MessageKind::Exclamation:
            return QMessageBox::Warning;
        case ui::MessageKind::Critical:
            return QMessageBox::Critical;
        case ui::MessageKind::Plain:
            return QMessageBox::NoIcon;
        case ui::MessageKind::QuestionMark:
        case ui::MessageKind::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString buttonTexts(const QMessageBox& box) {
    QStringList texts;
    for (const QAbstractButton* b : box.buttons()) {
        texts.append(quoted(b->text()));
    }
    return texts.join(QStringLiteral(", "));
}

class QtPlayer : public Player {
public:
    explicit QtPlayer(game::Game& game) : game_(game), front_(game) {
        game_.setObserver(&front_);
        front_.setFaultHandler([this](const QString& what) {
            faults_.push_back({QStringLiteral("the step to run"),
                               QStringLiteral("an error in the game: ") + what});
        });
    }
    ~QtPlayer() override {
        settle();
        game_.setObserver(nullptr);
    }

    void start() override { game_.start(); }

    Outcome click(ui::Control& control) override {
        QWidget* w = nullptr;
        if (auto problem = widgetOf(control, w)) {
            return problem;
        }
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit()) {
            w = combo->lineEdit();  // on its text, not on the arrow that drops the list down
        }
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
        return std::nullopt;
    }

    Outcome mouseDown(ui::Control& control, ui::MouseButton button) override {
        QWidget* w = nullptr;
        if (auto problem = widgetOf(control, w)) {
            return problem;
        }
        QTest::mousePress(w, toQt(button), {}, w->rect().center());
        return std::nullopt;
    }

    Outcome mouseUp(ui::Control& control, ui::MouseButton button) override {
        QWidget* w = nullptr;
        if (auto problem = widgetOf(control, w)) {
            return problem;
        }
        // Let go just outside the control: the release reaches it, but it is no click.
        QTest::mouseRelease(w, toQt(button), {}, QPoint(-1, -1));
        return std::nullopt;
    }

    Outcome select(ui::Control& control, int row) override {
        QWidget* w = nullptr;
        if (auto problem = widgetOf(control, w)) {
            return problem;
        }
        if (auto* list = qobject_cast<QListWidget*>(w)) {
            QListWidgetItem* item = list->item(row);
            if (item == nullptr) {
                return Problem{QStringLiteral("row %1 shown in ").arg(row) + nameOf(control),
                               QStringLiteral("%1 rows on screen").arg(list->count())};
            }
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(item).center());
            return std::nullopt;
        }
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            if (row >= combo->count()) {
                return Problem{QStringLiteral("row %1 shown in ").arg(row) + nameOf(control),
                               QStringLiteral("%1 rows on screen").arg(combo->count())};
            }
            // As the drop-down list reports a chosen row.
            combo->setCurrentIndex(row);
            emit combo->activated(row);
            return std::nullopt;
        }
        return Problem{nameOf(control) + QStringLiteral(" shown as a list"),
                       QLatin1String(w->metaObject()->className())};
    }

    Outcome type(ui::Control& control, const QString& text) override {
        QWidget* w = nullptr;
        if (auto problem = widgetOf(control, w)) {
            return problem;
        }
        QWidget* target = w;
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit()) {
            target = combo->lineEdit();
        }
        target->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(target)) {
            edit->selectAll();
        } else if (auto* edit = qobject_cast<QPlainTextEdit*>(target)) {
            edit->selectAll();
        } else {
            return Problem{nameOf(control) + QStringLiteral(" shown as a text box"),
                           QLatin1String(w->metaObject()->className())};
        }
        if (text.isEmpty()) {
            QTest::keyClick(target, Qt::Key_Backspace);
        }
        // A key handler may close the window, and the control goes with it.
        const WindowWatch watch(game_, control.window());
        const QList<uint> codes = text.toUcs4();
        for (qsizetype i = 0; i < codes.size() && watch.open(); ++i) {
            if (codes[i] == u'\n' && i > 0 && codes[i - 1] == u'\r') {
                continue;  // a line break is one Enter
            }
            pressKey(target, codes[i]);
        }
        if (watch.open() && control.text() != text) {
            return Problem{nameOf(control) + QStringLiteral(" holding ") + quoted(text) +
                               QStringLiteral(" after typing"),
                           quoted(control.text())};
        }
        return std::nullopt;
    }

    Outcome key(ui::Control& control, int code) override {
        QWidget* w = nullptr;
        if (auto problem = widgetOf(control, w)) {
            return problem;
        }
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit()) {
            w = combo->lineEdit();  // where the keyboard is while the player types in it
        }
        pressKey(w, static_cast<char32_t>(code));
        return std::nullopt;
    }

    Outcome menu(ui::Control& item) override {
        ui::qt::WindowView* v = nullptr;
        if (auto problem = viewOf(item.window(), v)) {
            return problem;
        }
        QAction* action = v->action(item.name());
        if (action == nullptr) {
            return Problem{nameOf(item) + QStringLiteral(" in the menu bar"),
                           QStringLiteral("no menu action")};
        }
        if (!action->isEnabled() || !action->isVisible()) {
            return Problem{nameOf(item) + QStringLiteral(" usable on screen"),
                           QStringLiteral("its menu action is disabled or hidden")};
        }
        action->trigger();
        return std::nullopt;
    }

    Outcome close(ui::Window& window) override {
        ui::qt::WindowView* v = nullptr;
        if (auto problem = viewOf(window, v)) {
            return problem;
        }
        v->close();
        return std::nullopt;
    }

    Outcome clickWindow(ui::Window& window) override {
        ui::qt::WindowView* v = nullptr;
        if (auto problem = viewOf(window, v)) {
            return problem;
        }
        QTest::mouseClick(v->surface(), Qt::LeftButton, {}, QPoint(1, 1));
        return std::nullopt;
    }

    Outcome shot(ui::Window& window, const QString& file) override {
        ui::qt::WindowView* v = nullptr;
        if (auto problem = viewOf(window, v)) {
            return problem;
        }
        return saved(v->grab(), file);
    }

    Outcome shotMenu(ui::Control& item, const QString& file) override {
        ui::qt::WindowView* v = nullptr;
        if (auto problem = viewOf(item.window(), v)) {
            return problem;
        }
        QAction* action = v->action(item.name());
        auto* bar = v->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
        if (action == nullptr || action->menu() == nullptr || bar == nullptr ||
            !bar->actions().contains(action)) {
            return Problem{nameOf(item) + QStringLiteral(" a menu of the menu bar"),
                           QStringLiteral("no such menu on screen")};
        }
        // Opened as the player opens it, from the bar; the picture is the window with the menu
        // over it where the menu stands.
        bar->setActiveAction(action);
        QMenu* menu = action->menu();
        menu->setActiveAction(menu->actions().value(0));  // the highlight shows too
        settle();
        QPixmap picture = v->grab();
        QPainter painter(&picture);
        painter.drawPixmap(menu->mapToGlobal(QPoint()) - v->mapToGlobal(QPoint()), menu->grab());
        painter.end();
        menu->hide();
        settle();
        return saved(picture, file);
    }

    void shotNextMessage(const QString& file) override { messageShots_.append(file); }

    bool takesPictures() const override { return true; }

    std::optional<QString> shownText(const ui::Control& control) const override {
        const ui::qt::WindowView* v = front_.view(control.window().name());
        if (v == nullptr) {
            return std::nullopt;
        }
        return v->shownText(control.name());
    }

    std::optional<QString> shownTitle(const ui::Window& window) const override {
        const ui::qt::WindowView* v = front_.view(window.name());
        if (v == nullptr) {
            return std::nullopt;
        }
        return v->windowTitle();
    }

    std::vector<Problem> messageShown(const ui::ServiceEvent& event) override;

    std::vector<Problem> takeFaults() override { return std::exchange(faults_, {}); }

    void settle() override {
        QCoreApplication::processEvents();
        // Closed windows leave their views to a deferred delete.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        // Every step through the real windows also checks what a screen reader hears of them.
        if (!game_.ended()) {
            for (Problem& p : heard_.windows(game_, front_)) {
                faults_.push_back(std::move(p));
            }
        }
    }

private:
    static Outcome saved(const QPixmap& picture, const QString& file) {
        if (!picture.save(file)) {
            return Problem{QStringLiteral("a picture saved as ") + quoted(file),
                           QStringLiteral("it could not be written")};
        }
        return std::nullopt;
    }

    Outcome viewOf(const ui::Window& window, ui::qt::WindowView*& view) const {
        view = front_.view(window.name());
        if (view == nullptr) {
            return Problem{QStringLiteral("window ") + window.name() + QStringLiteral(" on screen"),
                           QStringLiteral("no view")};
        }
        if (!view->isVisible()) {
            return Problem{QStringLiteral("window ") + window.name() + QStringLiteral(" on screen"),
                           QStringLiteral("its view is hidden")};
        }
        return std::nullopt;
    }

    Outcome widgetOf(const ui::Control& control, QWidget*& widget) const {
        ui::qt::WindowView* v = nullptr;
        if (auto problem = viewOf(control.window(), v)) {
            return problem;
        }
        widget = v->widget(control.name());
        if (widget == nullptr) {
            return Problem{nameOf(control) + QStringLiteral(" on screen"),
                           QStringLiteral("no widget")};
        }
        if (!widget->isVisible() || !widget->isEnabled()) {
            return Problem{nameOf(control) + QStringLiteral(" usable on screen"),
                           QStringLiteral("its widget is hidden or disabled")};
        }
        return std::nullopt;
    }

    game::Game& game_;
    ui::qt::QtFrontEnd front_;
    std::vector<Problem> faults_;
    ScreenReaderCheck heard_;
    QStringList messageShots_;  // where the next message boxes' pictures go, in turn
};

std::vector<Problem> QtPlayer::messageShown(const ui::ServiceEvent& event) {
    std::vector<Problem> problems;
    const auto box =
        ui::qt::makeMessageBox(event.text, event.kind, event.title, front_.dialogOwner());
    QString text = event.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (box->text() != text) {
        problems.push_back(
            {QStringLiteral("a message box showing ") + quoted(text), quoted(box->text())});
    }
    for (Problem& p : heard_.messageBox(*box)) {
        problems.push_back(std::move(p));
    }
    if (box->windowTitle() != event.title) {
        problems.push_back({QStringLiteral("a message box titled ") + quoted(event.title),
                            quoted(box->windowTitle())});
    }
    if (box->icon() != iconOf(event.kind)) {
        problems.push_back({QStringLiteral("the icon of a ") +
                                QLatin1String(ui::kindName(event.kind)) +
                                QStringLiteral(" message box"),
                            QStringLiteral("icon %1").arg(static_cast<int>(box->icon()))});
    }
    const QString buttons = event.kind == ui::MessageKind::Question
                                ? QStringLiteral("\"Да\", \"Нет\"")
                                : QStringLiteral("\"OK\"");
    if (buttonTexts(*box) != buttons) {
        problems.push_back({QStringLiteral("buttons ") + buttons, buttonTexts(*box)});
    }
    QPointer<QAbstractButton> button = ui::qt::buttonFor(*box, event.answer);
    if (button == nullptr) {
        problems.push_back({QStringLiteral("a button for the answer"), QStringLiteral("none")});
        return problems;
    }
    // The player reads the box and presses the button as soon as it is up.
    QMessageBox* shown = box.get();
    const QString shot = messageShots_.isEmpty() ? QString() : messageShots_.takeFirst();
    QTimer::singleShot(0, shown, [shown, shot, button, &problems] {
        if (!shot.isEmpty()) {
            if (auto problem = saved(shown->grab(), shot)) {
                problems.push_back(*problem);
            }
        }
        if (button) {
            button->click();
        }
    });
    if (ui::qt::runMessageBox(*box) != event.answer) {
        problems.push_back({QStringLiteral("the pressed button to give the game's answer"),
                            QStringLiteral("another answer")});
    }
    return problems;
}

}  // namespace

std::unique_ptr<Player> makeQtPlayer(game::Game& game) {
    return std::make_unique<QtPlayer>(game);
}

}  // namespace scenario
