// The second yardstick: the least a Qt Widgets program does to show what the game's first window
// shows (a prompt, a text box holding a name and a button, in Arial), so that the game's own cost
// is told apart from what any program pays to put text on screen at all.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "bench/startup/first_paint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFont(QFont(QStringLiteral("Arial"), 10));
    window.resize(260, 112);
    auto* prompt = new QLabel(QStringLiteral("Введите ваше имя"), &window);
    prompt->setGeometry(16, 12, 228, 20);
    auto* name = new QLineEdit(QStringLiteral("Игрок"), &window);
    name->setGeometry(16, 38, 228, 24);
    auto* accept = new QLabel(QStringLiteral("Принять"), &window);
    accept->setGeometry(16, 74, 228, 24);
    window.show();
    bench::quitAfterFirstPaint(&window);
    return QApplication::exec();
}
