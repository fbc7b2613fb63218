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
#include <QStyledItemDelegate>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <cstdio>
#include <exception>

#include "ui/application.h"
#include "ui/metrics.h"

namespace ui::qt {

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

// Pictures ship inside the program; a name that is not a resource is read as a file. A screen
// with more than one pixel to a point gets the picture drawn at twice the size, where there is
// one ("name@2x.ext"), so that it stays sharp.
QPixmap loadPicture(const QString& name, qreal pixelRatio) {
    if (name.isEmpty()) {
        return {};
    }
    QString path = name;
    path.replace(u'\\', u'/');
    if (!path.startsWith(u':') && QFile::exists(QStringLiteral(":/") + path)) {
        path = QStringLiteral(":/") + path;
    }
    if (pixelRatio > 1.0) {
        const qsizetype dot = path.lastIndexOf(u'.');
        const qsizetype at = dot > path.lastIndexOf(u'/') ? dot : path.size();
        QPixmap sharp(path.left(at) + QStringLiteral("@2x") + path.mid(at));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(path);
}

// Rows of a fixed height, so that a window can stand its buttons level with them.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), ui::LineHeight};
    }
};

void holdLineHeight(QTextEdit* edit) {
    QTextCursor cursor(edit->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLineHeight(ui::LineHeight, QTextBlockFormat::FixedHeight);
    cursor.mergeBlockFormat(format);
}

bool isMouse(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
}

}  // namespace

WindowView::WindowView(ui::Window& model)
    : QWidget(nullptr, model.frameless ? Qt::Window | Qt::FramelessWindowHint : Qt::Window),
      model_(model) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    build();
    model_.setObserver(this);
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
    setWindowTitle(model_.caption());
    setFont(QFont(QStringLiteral("Arial"), 10));
    applyColors(this, model_.foreColor, model_.backColor);

    int top = 0;
    if (model_.hasMenu()) {
        auto* bar = new QMenuBar(this);
        buildMenu(bar);
        top = bar->sizeHint().height();
        bar->setGeometry(0, 0, model_.width(), top);
    }
    surface_ = new QWidget(this);
    surface_->setGeometry(0, top, model_.width(), model_.height());
    applyColors(surface_, model_.foreColor, model_.backColor);
    surface_->installEventFilter(this);
    setFixedSize(model_.width(), model_.height() + top);
    setFocusPolicy(Qt::StrongFocus);
    installEventFilter(this);

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

QWidget* WindowView::createWidget(ui::Control& c, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (c.kind()) {
        case ui::ControlKind::Label: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
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
            widget = combo;
            connectEditing(c, widget);
            break;
        }
        case ui::ControlKind::ListBox:
        case ui::ControlKind::FileList: {
            auto* list = new QListWidget(parent);
            list->setItemDelegate(new FixedRowDelegate(list));
            list->setUniformItemSizes(true);
            // Focus comes with a click, so a list a window opens with shows no current row.
            list->setFocusPolicy(Qt::ClickFocus);
            list->setFrameStyle(QFrame::Box | QFrame::Plain);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

void WindowView::buildMenu(QMenuBar* bar) {
    std::map<ui::Control*, QMenu*> menus;
    auto hasChildren = [this](const ui::Control* item) {
        for (const auto& c : model_.controls()) {
            if (c->parent() == item && c->kind() == ui::ControlKind::MenuItem) {
                return true;
            }
        }
        return false;
    };
    for (const auto& c : model_.controls()) {
        if (c->kind() != ui::ControlKind::MenuItem) {
            continue;
        }
        ui::Control* item = c.get();
        QAction* action = nullptr;
        if (hasChildren(item)) {
            QMenu* menu = item->parent() == nullptr
                              ? bar->addMenu(item->caption())
                              : menus.at(item->parent())->addMenu(item->caption());
            menus[item] = menu;
            action = menu->menuAction();
        } else {
            QWidget* owner =
                item->parent() == nullptr ? static_cast<QWidget*>(bar) : menus.at(item->parent());
            action = new QAction(item->caption(), owner);
            owner->addAction(action);
            connect(action, &QAction::triggered, this, [this, item] {
                if (!detached_) {
                    guarded([this, item] { model_.app().click(*item); });
                }
            });
        }
        actions_[item] = action;
        action->setEnabled(item->enabled());
        action->setVisible(item->visible());
        item->setObserver(this);
    }
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
        // Every click on a row is a click, also on the row already selected.
        connect(list, &QListWidget::itemClicked, this,
                [this, control, list](QListWidgetItem* item) {
                    if (syncing_ || detached_) {
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
            setWindowTitle(window.caption());
            break;
        case ui::WindowProperty::Visible:
            window.visible() ? show() : hide();
            if (window.visible()) {
                raise();
                activateWindow();
            }
            break;
        case ui::WindowProperty::Enabled:
            // A disabled window ignores the player (see eventFilter) but keeps its look.
            break;
    }
}

void WindowView::sync(ui::Control& c, ui::Property property) {
    if (auto it = actions_.find(&c); it != actions_.end()) {
        QAction* action = it->second;
        if (property == ui::Property::Caption) {
            action->setText(c.caption());
        } else if (property == ui::Property::Enabled) {
            action->setEnabled(c.enabled());
        } else if (property == ui::Property::Visible) {
            action->setVisible(c.visible());
        }
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
        return a->text();
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
    // takes the view away.
    event->ignore();
    if (!detached_) {
        guarded([this] { model_.app().requestClose(model_); });
    }
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

bool WindowView::forwardKey(ui::Control* control, QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    int code = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        code = 13;
    } else if (!key->text().isEmpty()) {
        code = key->text().at(0).unicode();
    } else {
        return false;  // arrows and the like only move the cursor
    }
    QPointer<WindowView> self(this);
    guarded([&] {
        control != nullptr ? model_.app().keyPress(*control, code)
                           : model_.app().keyPressWindow(model_, code);
    });
    // The key still edits the box unless its window went away.
    return !self || detached_;
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool input = isMouse(type) || type == QEvent::KeyPress || type == QEvent::KeyRelease ||
                       type == QEvent::Wheel;
    if (!input) {
        return QWidget::eventFilter(watched, event);
    }
    // A disabled window (an activity window is open over it), a closed one, or any window while
    // a message box waits: the player's input goes nowhere.
    if (detached_ || !model_.enabled() || !model_.live() || model_.app().modal() ||
        model_.app().ended()) {
        return true;
    }
    ui::Control* control = nullptr;
    if (auto it = owners_.find(watched); it != owners_.end()) {
        control = it->second;
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
                return QWidget::eventFilter(watched, event);  // lists and boxes handle their own
        }
    }
    if (type == QEvent::KeyPress) {
        if (control != nullptr) {
            // An editable combo box passes on the keys its line edit left (Enter); the line edit
            // has forwarded them already.
            if (control->kind() == ui::ControlKind::ComboBox && watched == widgets_[control]) {
                return false;
            }
            return forwardKey(control, event);
        }
        if (watched == this || watched == surface_) {
            forwardKey(nullptr, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ui::qt
