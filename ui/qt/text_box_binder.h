#pragma once

#include <QLineEdit>
#include <QTextEdit>

#include "ui/qt/binder.h"

namespace ui::qt {

// A text box of one line.
class LineBoxBinder : public Binder {
public:
    LineBoxBinder(BinderHost& host, ui::Control& control, QWidget* parent);

    std::optional<QString> shownText() const override { return edit_->text(); }

protected:
    void show(ui::Property property) override;

private:
    QLineEdit* edit_;
};

// A text box of many lines, each as high as a line of a list.
class ManyLinesBoxBinder : public Binder {
public:
    ManyLinesBoxBinder(BinderHost& host, ui::Control& control, QWidget* parent);

    std::optional<QString> shownText() const override { return edit_->toPlainText(); }

protected:
    void show(ui::Property property) override;

private:
    QTextEdit* edit_;
};

}  // namespace ui::qt
