#include "ui/qt/window_view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <cstdio>
#include <exception>
#include <utility>

#include "ui/application.h"
#include "ui/metrics.h"
#include "ui/qt/menu_text.h"
#include "ui/qt/title_fit.h"
#include "ui/qt/widgets.h"

namespace ui::qt {

QFont gameFont() {
    return QFont(QStringLiteral("Arial"), 10);
}

namespace {

QColor toQColor(ui::Color c) {
    return QColor(c.r, c.g, c.b);
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
        palette.setColor(group, QPalette::Highlight, QColor(0, 96, 0));
        palette.setColor(group, QPalette::HighlightedText, QColor(255, 255, 255));
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

std::optional<ui::MouseButton> fromQt(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        return ui::MouseButton::Left;
    }
    if (button == Qt::RightButton) {
        return ui::MouseButton::Right;
    }
    return std::nullopt;
}

// Pictures ship inside the program; a name that is not a resource is read as a file. On a
// screen of more than one pixel per point the picture drawn at twice the size ("@2x") is shown
// where there is one, so the city stays sharp.
QPixmap loadPicture(const QString& name, qreal pixelRatio) {
    if (name.isEmpty()) {
        return {};
    }
    QString path = name;
    path.replace(u'\\', u'/');
    if (!path.startsWith(u':') && QFile::exists(QStringLiteral(":/") + path)) {
        path = QStringLiteral(":/") + path;
    }
    if (pixelRatio > 1) {
        const qsizetype dot = path.lastIndexOf(u'.');
        const QString sharp = dot > path.lastIndexOf(u'/')
                                  ? path.left(dot) + QStringLiteral("@2x") + path.mid(dot)
                                  : path + QStringLiteral("@2x");
        if (QFile::exists(sharp)) {
            QPixmap picture(sharp);
            picture.setDevicePixelRatio(2);
            return picture;
        }
    }
    return QPixmap(path);
}

// Text boxes: Fusion draws their edge a shade darker than the window colour, which on black
// is black. The window colour of a box is used for nothing else, so it is set to a green that
// makes the edge visible, and the focused edge is bright.
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

void holdLineHeight(QTextEdit* edit) {
    QTextCursor cursor(edit->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLineHeight(ui::LineHeight, QTextBlockFormat::FixedHeight);
    cursor.mergeBlockFormat(format);
}

// The character code a key gives the game; none for the keys that only move the focus or the
// cursor (Tab, the arrows, Shift and the like).
std::optional<int> codeOf(const QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return std::nullopt;
        default:
            break;
    }
    if (key->text().isEmpty() || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return std::nullopt;
    }
    return key->text().at(0).unicode();
}

bool isMouse(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
}

}  // namespace

WindowView::WindowView(ui::Window& model, QWidget* owner)
    : QWidget(owner, flagsFor(model, owner)), model_(model) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    build();
    model_.setObserver(this);
}

Qt::WindowFlags WindowView::flagsFor(const ui::Window& model, QWidget* owner) {
    Qt::WindowFlags flags = owner != nullptr ? Qt::Dialog : Qt::Window;
    if (model.frameless) {
        flags |= Qt::FramelessWindowHint;
    }
    return flags;
}

void WindowView::tieTo(QWidget* owner) {
    if (owner == parentWidget()) {
        return;
    }
    const bool shown = isVisible();
    const QPoint at = pos();
    setParent(owner, flagsFor(model_, owner));
    move(at);
    if (shown) {
        show();
    }
}

WindowView* WindowView::frontDialog() const {
    WindowView* front = nullptr;
    for (const WindowView* v = this; v != nullptr;) {
        const WindowView* next = nullptr;
        for (WindowView* dialog : v->findChildren<WindowView*>(Qt::FindDirectChildrenOnly)) {
            if (dialog->isVisible() && !dialog->detached_) {
                next = front = dialog;
            }
        }
        v = next;
    }
    return front;
}

void WindowView::showFrontDialog() {
    if (WindowView* dialog = frontDialog()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void WindowView::syncTitle() {
    setWindowTitle(model_.title());
}

WindowView::~WindowView() {
    if (!detached_) {
        model_.setObserver(nullptr);
        for (const auto& c : model_.controls()) {
            c->setObserver(nullptr);
        }
    }
    // Hiding takes the keyboard focus away, and an editable combo box answers that with a
    // signal: it must come while this view still exists, and go nowhere.
    detached_ = true;
    hide();
}

void WindowView::build() {
    syncTitle();
    setFont(gameFont());
    applyColors(this, model_.foreColor, model_.backColor);
    // The keyboard goes to the controls; the window itself is no stop for Tab.
    setFocusPolicy(Qt::NoFocus);
    installEventFilter(this);

    int top = 0;
    if (model_.hasMenu()) {
        auto* bar = new QMenuBar(this);
        buildMenu(bar);
        top = bar->sizeHint().height();
        bar->installEventFilter(this);
    }
    surface_ = new QWidget(this);
    applyColors(surface_, model_.foreColor, model_.backColor);
    surface_->installEventFilter(this);
    layOut(top);

    for (const auto& c : model_.controls()) {
        if (c->kind() == ui::ControlKind::Timer || c->kind() == ui::ControlKind::MenuItem) {
            continue;
        }
        QWidget* parent = surface_;
        if (c->parent() != nullptr && widgets_.count(c->parent()) > 0) {
            parent = widgets_[c->parent()];
        }
        QWidget* widget = createWidget(*c, parent);
        widgets_[c.get()] = widget;
        owners_[widget] = c.get();
        widget->installEventFilter(this);
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
            owners_[area->viewport()] = c.get();
            area->viewport()->installEventFilter(this);
        }
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
            owners_[combo->lineEdit()] = c.get();
            combo->lineEdit()->installEventFilter(this);
        }
        syncAll(*c);
        c->setObserver(this);
    }

    // Centred on the screen, as every window of the game opens.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void WindowView::layOut(int menuHeight) {
    // A narrow window is widened until the window manager can show its whole title; the
    // controls keep their places in the middle.
    const int width = model_.frameless
                          ? model_.width()
                          : std::max(model_.width(), widthForTitle(model_.title(), font()));
    if (auto* bar = findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        bar->setGeometry(0, 0, width, menuHeight);
    }
    surface_->setGeometry((width - model_.width()) / 2, menuHeight, model_.width(),
                          model_.height());
    setFixedSize(width, model_.height() + menuHeight);
}

QWidget* WindowView::createWidget(ui::Control& c, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (c.kind()) {
        case ui::ControlKind::Label: {
            auto* label = new LabelWidget(parent);
            label->setButton(c.labelButton);
            label->setWordWrap(c.multiLine);
            Qt::Alignment h = c.align == ui::Align::Center  ? Qt::AlignHCenter
                              : c.align == ui::Align::Right ? Qt::AlignRight
                                                            : Qt::AlignLeft;
            label->setAlignment(h | (c.multiLine ? Qt::AlignTop : Qt::AlignVCenter));
            widget = label;
            break;
        }
        case ui::ControlKind::TextBox:
            if (c.multiLine) {
                auto* edit = new QTextEdit(parent);
                edit->setAcceptRichText(false);
                edit->setReadOnly(c.readOnly);
                edit->document()->setDocumentMargin(ui::TextBoxInset - 1);
                edit->setFrameStyle(QFrame::Box | QFrame::Plain);
                widget = edit;
            } else {
                auto* edit = new QLineEdit(parent);
                edit->setReadOnly(c.readOnly);
                widget = edit;
            }
            connectEditing(c, widget);
            break;
        case ui::ControlKind::ComboBox: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            // No completion: it would quietly turn what was typed into one of the rows (in any
            // letter case), while the game judges exactly the text the player typed.
            combo->setCompleter(nullptr);
            widget = combo;
            connectEditing(c, widget);
            break;
        }
        case ui::ControlKind::ListBox:
        case ui::ControlKind::FileList: {
            auto* list = new ListWidget(parent);
            // A list of values beside another is only read: the keyboard passes it by.
            list->setFocusPolicy(c.displayOnly ? Qt::NoFocus : Qt::StrongFocus);
            widget = list;
            connectEditing(c, widget);
            break;
        }
        case ui::ControlKind::PictureBox:
        case ui::ControlKind::Image: {
            auto* picture = new QLabel(parent);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = picture;
            break;
        }
        case ui::ControlKind::Frame: {
            auto* box = new QGroupBox(parent);
            const ui::Color f = c.foreColor();
            box->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid rgb(%1,%2,%3); "
                                              "margin-top: 8px; }"
                                              "QGroupBox::title { subcontrol-origin: margin; "
                                              "left: 8px; padding: 0 3px; }")
                                   .arg(f.r / 3 * 2)
                                   .arg(f.g / 3 * 2)
                                   .arg(f.b / 3 * 2));
            widget = box;
            break;
        }
        case ui::ControlKind::ProgressBar: {
            auto* bar = new QProgressBar(parent);
            bar->setTextVisible(false);
            widget = bar;
            break;
        }
        case ui::ControlKind::Shape:
            widget = new QFrame(parent);
            break;
        case ui::ControlKind::Line: {
            auto* line = new QFrame(parent);
            line->setFrameShape(c.geometry().width >= c.geometry().height ? QFrame::HLine
                                                                          : QFrame::VLine);
            widget = line;
            break;
        }
        case ui::ControlKind::Timer:
        case ui::ControlKind::MenuItem:
            break;
    }
    if (c.fontSize != 10 || c.bold) {
        QFont font = widget->font();
        font.setPointSize(c.fontSize);
        font.setBold(c.bold);
        widget->setFont(font);
    }
    return widget;
}

void WindowView::connectEditing(ui::Control& c, QWidget* widget) {
    ui::Control* control = &c;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this, [this, control](const QString& text) {
            if (!syncing_ && !detached_) {
                model_.app().edit(*control, text);
            }
        });
    } else if (auto* edit = qobject_cast<QTextEdit*>(widget)) {
        connect(edit, &QTextEdit::textChanged, this, [this, control, edit] {
            if (!syncing_ && !detached_) {
                model_.app().edit(*control, edit->toPlainText());
            }
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                [this, control](const QString& text) {
                    if (!syncing_ && !detached_) {
                        model_.app().edit(*control, text);
                    }
                });
        connect(combo, qOverload<int>(&QComboBox::activated), this, [this, control](int row) {
            if (!syncing_ && !detached_) {
                guarded([this, control, row] { model_.app().select(*control, row); });
                if (!detached_) {
                    syncAll(*control);
                }
            }
        });
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        // Whatever moves the current row (a press, a drag, the arrows, a letter) chooses it, as
        // a click on it would; the list then shows what the game made of it.
        connect(list, &QListWidget::currentRowChanged, this, [this, control](int row) {
            if (syncing_ || detached_ || row < 0) {
                return;
            }
            pressSelected_ = control;
            guarded([this, control, row] { model_.app().select(*control, row); });
            if (!detached_) {
                sync(*control, ui::Property::ListIndex);
                // A press goes on to select the row after telling of it: once it is done, the
                // list shows the game's choice again (a price list none).
                QMetaObject::invokeMethod(
                    this,
                    [this, control] {
                        if (!detached_) {
                            sync(*control, ui::Property::ListIndex);
                        }
                    },
                    Qt::QueuedConnection);
            }
        });
        // A click on the row already chosen is a click too; one that chose its row just now
        // has been one already.
        connect(list, &QListWidget::itemClicked, this,
                [this, control, list](QListWidgetItem* item) {
                    if (syncing_ || detached_) {
                        return;
                    }
                    if (std::exchange(pressSelected_, nullptr) == control) {
                        return;
                    }
                    const int row = list->row(item);
                    guarded([this, control, row] { model_.app().select(*control, row); });
                    if (!detached_) {
                        sync(*control, ui::Property::ListIndex);
                    }
                });
    }
}

void WindowView::syncAll(ui::Control& c) {
    for (ui::Property p : {ui::Property::Geometry, ui::Property::Items, ui::Property::Caption,
                           ui::Property::ListIndex, ui::Property::ForeColor,
                           ui::Property::BorderStyle, ui::Property::Value, ui::Property::Picture,
                           ui::Property::Enabled, ui::Property::Visible}) {
        sync(c, p);
    }
}

void WindowView::controlChanged(ui::Control& control, ui::Property property) {
    if (!detached_) {
        sync(control, property);
    }
}

void WindowView::windowChanged(ui::Window& window, ui::WindowProperty property) {
    if (detached_) {
        return;
    }
    switch (property) {
        case ui::WindowProperty::Caption:
            syncTitle();
            break;
        case ui::WindowProperty::Visible:
            if (!window.visible()) {
                hide();
                break;
            }
            // A window shown again comes to the front; a new one is mapped there anyway.
            if (std::exchange(shownBefore_, true)) {
                raise();
            }
            show();
            activateWindow();
            break;
        case ui::WindowProperty::Enabled:
            // A disabled window ignores the player (see eventFilter) but keeps its look.
            break;
    }
}

void WindowView::sync(ui::Control& c, ui::Property property) {
    if (actions_.count(&c) > 0) {
        syncAction(c, property);
        return;
    }
    auto it = widgets_.find(&c);
    if (it == widgets_.end()) {
        return;
    }
    QWidget* w = it->second;
    const bool wasSyncing = syncing_;
    syncing_ = true;
    switch (property) {
        case ui::Property::Geometry: {
            const ui::Rect r = c.geometry();
            w->setGeometry(r.x, r.y, r.width, r.height);
            break;
        }
        case ui::Property::Caption:
            if (auto* label = qobject_cast<QLabel*>(w);
                label && c.kind() == ui::ControlKind::Label) {
                label->setText(c.caption());
            } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
                box->setTitle(c.caption());
            } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                if (edit->text() != c.text()) {
                    edit->setText(c.text());
                }
            } else if (auto* text = qobject_cast<QTextEdit*>(w)) {
                QString shown = c.text();
                shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                if (text->toPlainText() != shown) {
                    text->setPlainText(shown);
                    holdLineHeight(text);
                }
            } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                if (combo->currentText() != c.text()) {
                    combo->setEditText(c.text());
                }
            }
            break;
        case ui::Property::Enabled:
            w->setEnabled(c.enabled());
            break;
        case ui::Property::Visible:
            w->setVisible(c.visible());
            break;
        case ui::Property::ForeColor:
        case ui::Property::BackColor:
            applyColors(w, c.foreColor(), c.backColor());
            if (c.kind() == ui::ControlKind::Frame || c.kind() == ui::ControlKind::Image ||
                c.kind() == ui::ControlKind::Line) {
                w->setAutoFillBackground(c.kind() != ui::ControlKind::Image);
            }
            if (c.transparent) {
                w->setAutoFillBackground(false);
            }
            if (qobject_cast<QLineEdit*>(w) != nullptr || qobject_cast<QComboBox*>(w) != nullptr) {
                showBoxEdges(w);
            }
            break;
        case ui::Property::BorderStyle:
            if (auto* frame = qobject_cast<QFrame*>(w);
                frame && c.kind() == ui::ControlKind::Label) {
                frame->setFrameStyle(c.borderStyle() == 1 ? QFrame::Box | QFrame::Plain
                                                          : QFrame::NoFrame);
            } else if (auto* shape = qobject_cast<QFrame*>(w);
                       shape && c.kind() == ui::ControlKind::Shape) {
                shape->setFrameStyle(QFrame::Box | QFrame::Plain);
            }
            break;
        case ui::Property::Items:
            if (auto* list = qobject_cast<QListWidget*>(w)) {
                list->clear();
                list->addItems(c.items());
                list->setCurrentRow(c.listIndex());
            } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                const QString text = c.text();
                combo->clear();
                combo->addItems(c.items());
                combo->setCurrentIndex(-1);
                combo->setEditText(text);
            }
            break;
        case ui::Property::ListIndex:
            if (auto* list = qobject_cast<QListWidget*>(w)) {
                if (c.listIndex() < 0) {
                    list->clearSelection();
                    list->setCurrentRow(-1);
                } else if (list->currentRow() != c.listIndex()) {
                    list->setCurrentRow(c.listIndex());
                }
            }
            break;
        case ui::Property::Folder:
            break;
        case ui::Property::Value:
            if (auto* bar = qobject_cast<QProgressBar*>(w)) {
                bar->setRange(c.minimum(), c.maximum());
                bar->setValue(c.value());
            }
            break;
        case ui::Property::Interval:
        case ui::Property::Checked:
            break;
        case ui::Property::Picture:
            if (auto* picture = qobject_cast<QLabel*>(w);
                picture &&
                (c.kind() == ui::ControlKind::Image || c.kind() == ui::ControlKind::PictureBox)) {
                picture->setPixmap(loadPicture(c.picture(), picture->devicePixelRatioF()));
            }
            break;
    }
    syncing_ = wasSyncing;
}

QWidget* WindowView::widget(const QString& controlName) const {
    for (const auto& [control, widget] : widgets_) {
        if (control->name() == controlName) {
            return widget;
        }
    }
    return nullptr;
}

QAction* WindowView::action(const QString& menuName) const {
    for (const auto& [control, action] : actions_) {
        if (control->name() == menuName) {
            return action;
        }
    }
    return nullptr;
}

std::optional<QString> WindowView::shownText(const QString& controlName) const {
    if (QAction* a = action(controlName)) {
        return withoutMnemonic(a->text());
    }
    QWidget* w = widget(controlName);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text();
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        return box->title();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        return edit->text();
    }
    if (auto* text = qobject_cast<QTextEdit*>(w)) {
        return text->toPlainText();
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        return combo->currentText();
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        return list->currentItem() != nullptr && list->currentRow() >= 0
                   ? list->currentItem()->text()
                   : QString();
    }
    return std::nullopt;
}

void WindowView::closeEvent(QCloseEvent* event) {
    // The model decides: a close box runs the window's close handlers, and the model then
    // takes the view away. The close box of a window under a dialog shows the dialog.
    event->ignore();
    if (detached_) {
        return;
    }
    if (!model_.enabled()) {
        showFrontDialog();
        return;
    }
    guarded([this] { model_.app().requestClose(model_); });
}

void WindowView::guarded(const std::function<void()>& forward) {
    try {
        forward();
    } catch (const std::exception& e) {
        if (onFault) {
            onFault(QString::fromUtf8(e.what()));
        } else {
            std::fprintf(stderr, "tarnvik2: an event could not be handled: %s\n", e.what());
        }
    }
}

bool WindowView::forwardMouse(ui::Control* control, QWidget* widget, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const auto button = fromQt(mouse->button());
    if (!button) {
        return true;
    }
    ui::Application& app = model_.app();
    QPointer<WindowView> self(this);
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        pressedInside_ = true;
        guarded([&] {
            control != nullptr ? app.mouseDown(*control, *button)
                               : app.mouseDownWindow(model_, *button);
        });
        return true;
    }
    // Release: mouse up, then a click when the left button is let go over the control.
    const bool inside = widget->rect().contains(mouse->position().toPoint());
    if (control != nullptr) {
        guarded([&] { app.mouseUp(*control, *button); });
        if (self && !detached_ && pressedInside_ && inside && *button == ui::MouseButton::Left) {
            guarded([&] { app.click(*control); });
        }
    }
    if (self) {
        pressedInside_ = false;
    }
    return true;
}

bool WindowView::forwardKey(ui::Control* control, int code) {
    QPointer<WindowView> self(this);
    guarded([&] {
        control != nullptr ? model_.app().keyPress(*control, code)
                           : model_.app().keyPressWindow(model_, code);
    });
    // The key still edits the box unless its window went away.
    return !self || detached_;
}

bool WindowView::pressByKey(ui::Control* control, QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool pressKey =
        key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!pressKey || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    if (key->isAutoRepeat()) {
        return true;  // held down, it stays pressed
    }
    ui::Application& app = model_.app();
    QPointer<WindowView> self(this);
    if (event->type() == QEvent::KeyPress) {
        keyPressed_ = control;
        guarded([&] { app.mouseDown(*control, ui::MouseButton::Left); });
        return true;
    }
    if (std::exchange(keyPressed_, nullptr) != control) {
        return true;  // pressed elsewhere (another window, before the focus came)
    }
    guarded([&] { app.mouseUp(*control, ui::MouseButton::Left); });
    if (self && !detached_) {
        guarded([&] { app.click(*control); });
    }
    return true;
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool key = type == QEvent::KeyPress || type == QEvent::KeyRelease;
    const bool input = isMouse(type) || key || type == QEvent::Wheel;
    ui::Control* control = nullptr;
    if (auto it = owners_.find(watched); it != owners_.end()) {
        control = it->second;
    }
    // A label button that loses the focus while Space holds it down comes back up, unclicked.
    if (type == QEvent::FocusOut && control != nullptr && control == keyPressed_) {
        keyPressed_ = nullptr;
        if (!detached_) {
            guarded([&] { model_.app().mouseUp(*control, ui::MouseButton::Left); });
        }
    }
    if (!input) {
        return QWidget::eventFilter(watched, event);
    }
    // A closed window, or any window while a message box waits: the player's input goes
    // nowhere. A window disabled under a dialog sends the player to the dialog.
    if (detached_ || !model_.live() || model_.app().modal() || model_.app().ended()) {
        return true;
    }
    if (!model_.enabled()) {
        if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress) {
            showFrontDialog();
        }
        return true;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (isMouse(type)) {
        if (control == nullptr) {
            return watched == surface_ ? forwardMouse(nullptr, surface_, event)
                                       : QWidget::eventFilter(watched, event);
        }
        switch (control->kind()) {
            case ui::ControlKind::Label:
            case ui::ControlKind::Image:
            case ui::ControlKind::PictureBox:
            case ui::ControlKind::Frame:
            case ui::ControlKind::Shape:
                return forwardMouse(control, widget, event);
            default:
                if (type != QEvent::MouseButtonRelease) {
                    pressSelected_ = nullptr;  // a new press on a list chooses afresh
                }
                return QWidget::eventFilter(watched, event);  // lists and boxes handle their own
        }
    }
    if (control != nullptr && control->labelButton && key && pressByKey(control, event)) {
        return true;
    }
    if (type == QEvent::KeyPress) {
        const auto code = codeOf(static_cast<QKeyEvent*>(event));
        if (!code) {
            return QWidget::eventFilter(watched, event);  // Tab, arrows: focus and cursor
        }
        if (control != nullptr && control->kind() != ui::ControlKind::Label) {
            // An editable combo box passes on the keys its line edit left (Enter); the line edit
            // has forwarded them already.
            if (control->kind() == ui::ControlKind::ComboBox && watched == widgets_[control]) {
                return false;
            }
            return forwardKey(control, *code);
        }
        // Keys on a label button, or with no control focused, are the window's.
        if (control != nullptr || watched == this || watched == surface_) {
            forwardKey(nullptr, *code);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ui::qt
