// Writes the game's pictures into the front end's folder (ui/qt/): every artwork below under
// its path there. A new picture is one drawing function and one line in the table.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <functional>
#include <vector>

#include "city_scene.h"

namespace {

struct Artwork {
    const char* path;  // relative to the output folder
    std::function<QImage()> draw;
};

const std::vector<Artwork>& artworks() {
    static const std::vector<Artwork> all = {
        {"images/City1.png", [] { return art::drawCity(0); }},
        {"images/City2.png", [] { return art::drawCity(1); }},
        {"images/City1@2x.png", [] { return art::drawCity(0, 2); }},
        {"images/City2@2x.png", [] { return art::drawCity(1, 2); }},
    };
    return all;
}

}  // namespace

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
    for (const Artwork& artwork : artworks()) {
        const QString path = folder.filePath(QString::fromUtf8(artwork.path));
        if (!QDir().mkpath(QFileInfo(path).path()) || !artwork.draw().save(path, "PNG")) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
