// Runs a program of the in-game system and saves each message box it shows as a picture, with
// a title bar drawn above it as a desktop would:
//   tarnvik-message-shot FILE.RPF PREFIX     writes PREFIX-1.png, -2.png, ...
// Beeps are left out and "end " stops the run; the time and date are the computer's.
#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QStyleFactory>
#include <QTextStream>
#include <QTime>

#include "guestos/script_folder.h"
#include "guestos/script_runner.h"
#include "tools/command_line/tool_command_line.h"
#include "ui/qt/message_boxes.h"
#include "ui/qt/qt_services.h"

namespace {

constexpr int TitleHeight = 26;

class PictureHost : public guestos::ScriptHost {
public:
    explicit PictureHost(QString prefix) : prefix_(std::move(prefix)) {}

    void message(const QString& text, ui::MessageKind kind,
                 const std::optional<QString>& title) override {
        const QString caption = title.value_or(ui::defaultTitle());
        const auto box = ui::qt::makeMessageBox(text, kind, caption);
        box->show();
        QApplication::processEvents();
        const QPixmap face = box->grab();
        QPixmap picture(face.width(), face.height() + TitleHeight);
        picture.fill(QColor(60, 64, 70));
        QPainter p(&picture);
        p.setPen(Qt::white);
        QFont font = box->font();
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(10, 0, face.width() - 20, TitleHeight), Qt::AlignVCenter, caption);
        p.drawPixmap(0, TitleHeight, face);
        p.end();
        box->hide();
        const QString file = QStringLiteral("%1-%2.png").arg(prefix_).arg(++count_);
        if (!picture.save(file)) {
            failed = true;
        }
    }
    void beep() override {}
    QString currentTime() override {
        return ui::qt::timeText(QLocale::system(), QTime::currentTime());
    }
    QString currentDate() override {
        return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    }
    void endProgram() override {}

    bool failed = false;

private:
    QString prefix_;
    int count_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    tools::CommandLine line(
        QStringLiteral("tarnvik-message-shot"), {QStringLiteral("FILE.RPF PREFIX")},
        QStringLiteral(
            "Runs a program of the in-game system and saves each message box it shows as a\n"
            "picture, PREFIX-1.png, PREFIX-2.png, ..., with a title bar drawn above it as a\n"
            "desktop would. Beeps are left out and \"end \" stops the run; the time and date\n"
            "are the computer's. Exit status 0 when every picture was written, 1 when the\n"
            "program cannot be read or a picture cannot be written, 2 for a command line it\n"
            "cannot use."));
    line.addArgument(QStringLiteral("FILE.RPF"), QStringLiteral("The program to run."));
    line.addArgument(QStringLiteral("PREFIX"),
                     QStringLiteral("The pictures' folder and the start of their names."));
    if (const auto status = line.read(QApplication::arguments())) {
        return *status;
    }
    const QStringList args = line.parser().positionalArguments();
    QTextStream err(stderr);
    const auto bytes = guestos::readScript(args[0]);
    if (!bytes) {
        err << "cannot read " << args[0] << Qt::endl;
        return 1;
    }
    PictureHost host(args[1]);
    QString title;
    guestos::runScript(*bytes, title, host);
    if (host.failed) {
        err << "a picture could not be written" << Qt::endl;
        return 1;
    }
    return 0;
}
