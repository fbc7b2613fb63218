#include "ui/qt/binders.h"

#include "ui/qt/combo_box_binder.h"
#include "ui/qt/frame_binder.h"
#include "ui/qt/label_binder.h"
#include "ui/qt/list_binder.h"
#include "ui/qt/picture_binder.h"
#include "ui/qt/progress_bar_binder.h"
#include "ui/qt/shape_binder.h"
#include "ui/qt/text_box_binder.h"

namespace ui::qt {

std::unique_ptr<Binder> makeBinder(BinderHost& host, ui::Control& control, QWidget* parent) {
    switch (control.kind()) {
        case ui::ControlKind::Label:
            return std::make_unique<LabelBinder>(host, control, parent);
        case ui::ControlKind::TextBox:
            if (control.multiLine) {
                return std::make_unique<ManyLinesBoxBinder>(host, control, parent);
            }
            return std::make_unique<LineBoxBinder>(host, control, parent);
        case ui::ControlKind::ComboBox:
            return std::make_unique<ComboBoxBinder>(host, control, parent);
        case ui::ControlKind::ListBox:
        case ui::ControlKind::FileList:
            return std::make_unique<ListBinder>(host, control, parent);
        case ui::ControlKind::PictureBox:
        case ui::ControlKind::Image:
            return std::make_unique<PictureBinder>(host, control, parent);
        case ui::ControlKind::Frame:
            return std::make_unique<FrameBinder>(host, control, parent);
        case ui::ControlKind::ProgressBar:
            return std::make_unique<ProgressBarBinder>(host, control, parent);
        case ui::ControlKind::Shape:
        case ui::ControlKind::Line:
            return std::make_unique<ShapeBinder>(host, control, parent);
        case ui::ControlKind::Timer:
        case ui::ControlKind::MenuItem:
            break;
    }
    return nullptr;
}

}  // namespace ui::qt
