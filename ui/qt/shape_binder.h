#pragma once

#include <QFrame>

#include "ui/qt/binder.h"

namespace ui::qt {

// A drawn shape (a box, which takes clicks) or a line across or down its place (which does not).
class ShapeBinder : public Binder {
public:
    ShapeBinder(BinderHost& host, ui::Control& control, QWidget* parent);

    bool mouse(QObject* watched, QMouseEvent* event) override;

protected:
    void show(ui::Property property) override;

private:
    bool line() const { return control().kind() == ui::ControlKind::Line; }

    QFrame* frame_;
};

}  // namespace ui::qt
