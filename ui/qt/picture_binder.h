#pragma once

#include "ui/qt/binder.h"
#include "ui/qt/widgets.h"

namespace ui::qt {

// A picture (Image), or a container that may show one (PictureBox); both take clicks.
class PictureBinder : public Binder {
public:
    PictureBinder(BinderHost& host, ui::Control& control, QWidget* parent);

    std::optional<QString> shownText() const override { return picture_->text(); }
    bool mouse(QObject* watched, QMouseEvent* event) override;

protected:
    void show(ui::Property property) override;

private:
    PictureWidget* picture_;
};

}  // namespace ui::qt
