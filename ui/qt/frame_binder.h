#pragma once

#include <QGroupBox>

#include "ui/qt/binder.h"

namespace ui::qt {

// A frame: an edge round its controls with its caption on the edge; it takes clicks.
class FrameBinder : public Binder {
public:
    FrameBinder(BinderHost& host, ui::Control& control, QWidget* parent);

    std::optional<QString> shownText() const override { return box_->title(); }
    bool mouse(QObject* watched, QMouseEvent* event) override;

protected:
    void show(ui::Property property) override;

private:
    QGroupBox* box_;
};

}  // namespace ui::qt
