// Writes the two pictures of the main window, City1.png and City2.png, into a folder.
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include "city_scene.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: city-art OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir folder(args[1]);
    if (!folder.exists()) {
        err << "no such folder: " << args[1] << "\n";
        return 1;
    }
    for (int frame = 0; frame < 2; ++frame) {
        const QString path = folder.filePath(QStringLiteral("City%1.png").arg(frame + 1));
        if (!art::drawCity(frame).save(path, "PNG")) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
