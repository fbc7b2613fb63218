#include "ui/qt/picture_binder.h"

#include <QFile>

namespace ui::qt {

namespace {

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

}  // namespace

PictureBinder::PictureBinder(BinderHost& host, ui::Control& c, QWidget* parent)
    : Binder(host, c, new PictureWidget(parent)), picture_(static_cast<PictureWidget*>(widget())) {
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture_->setDecorative(c.decorative);
}

bool PictureBinder::mouse(QObject* watched, QMouseEvent* event) {
    return clickable(watched, event);
}

void PictureBinder::show(ui::Property property) {
    if (property == ui::Property::Picture) {
        picture_->setPixmap(loadPicture(control().picture(), picture_->devicePixelRatioF()));
        return;
    }
    Binder::show(property);
    // A picture has no background of its own; a container keeps its colour.
    if (control().kind() == ui::ControlKind::Image &&
        (property == ui::Property::ForeColor || property == ui::Property::BackColor)) {
        picture_->setAutoFillBackground(false);
    }
}

}  // namespace ui::qt
