#include "ui/qt/accessibility.h"

#include <QAccessibleWidget>

#include "ui/qt/widgets.h"
#include "ui/qt/window_view.h"

namespace ui::qt {

namespace {

class ViewAccessible : public QAccessibleWidget {
public:
    explicit ViewAccessible(QWidget* view) : QAccessibleWidget(view, QAccessible::Window) {}

    // Tied to an owner it is the owner's dialog; the tie changes when the owner closes first.
    QAccessible::Role role() const override {
        return widget()->parentWidget() != nullptr ? QAccessible::Dialog : QAccessible::Window;
    }
};

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelWidget* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        return label()->button() ? QAccessible::Button : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return label()->text();
        }
        return QAccessibleWidget::text(t);
    }
    // A button the player cannot press now (its window waits for another, a message box is
    // open) is unavailable, as it is to the mouse.
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (label()->button() && !label()->pressable()) {
            state.disabled = true;
        }
        return state;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->button()) {
            names.prepend(pressAction());
        }
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && label()->button()) {
            label()->pressLater();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction() && label()->button()) {
            return {QStringLiteral("Space")};
        }
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    LabelWidget* label() const { return static_cast<LabelWidget*>(widget()); }
};

class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(PictureWidget* picture) : QAccessibleWidget(picture) {}

    QAccessible::Role role() const override {
        return picture()->pixmap().isNull() ? QAccessible::Pane : QAccessible::Graphic;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (picture()->decorative()) {
            state.invisible = true;
        }
        return state;
    }

private:
    PictureWidget* picture() const { return static_cast<PictureWidget*>(widget()); }
};

QAccessibleInterface* gameWidgets(const QString& className, QObject* object) {
    const QByteArray name = className.toLatin1();
    if (name == WindowView::staticMetaObject.className()) {
        return new ViewAccessible(static_cast<QWidget*>(object));
    }
    if (name == LabelWidget::staticMetaObject.className()) {
        return new LabelAccessible(static_cast<LabelWidget*>(object));
    }
    if (name == PictureWidget::staticMetaObject.className()) {
        return new PictureAccessible(static_cast<PictureWidget*>(object));
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(gameWidgets);
        return true;
    }();
    (void)installed;
}

}  // namespace ui::qt
