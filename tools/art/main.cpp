// Writes the game's pictures into the front end's folder (ui/qt/): every artwork below under
// its path there. A new picture is one drawing function and one line in the table.
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QTextStream>
#include <functional>
#include <vector>

#include "city_scene.h"
#include "game_icon.h"
#include "tools/command_line/tool_command_line.h"
#include "vexa_art.h"
#include "web_pages.h"

namespace {

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

struct Artwork {
    const char* path;                    // relative to the output folder
    std::function<QByteArray()> encode;  // the file's contents
};

const std::vector<Artwork>& artworks() {
    static const std::vector<Artwork> all = {
        {"images/City1.png", [] { return png(art::drawCity(0)); }},
        {"images/City2.png", [] { return png(art::drawCity(1)); }},
        {"images/City1@2x.png", [] { return png(art::drawCity(0, 2)); }},
        {"images/City2@2x.png", [] { return png(art::drawCity(1, 2)); }},
        {"icons/tarnvik2.svg", [] { return art::drawGameIconSvg(); }},
        {"icons/tarnvik2-16.png", [] { return png(art::drawGameIcon(16)); }},
        {"icons/tarnvik2-24.png", [] { return png(art::drawGameIcon(24)); }},
        {"icons/tarnvik2-32.png", [] { return png(art::drawGameIcon(32)); }},
        {"icons/tarnvik2-48.png", [] { return png(art::drawGameIcon(48)); }},
        {"icons/tarnvik2-64.png", [] { return png(art::drawGameIcon(64)); }},
        {"icons/tarnvik2-128.png", [] { return png(art::drawGameIcon(128)); }},
        {"icons/tarnvik2-256.png", [] { return png(art::drawGameIcon(256)); }},
        {"images/web/TarnvikSite.png", [] { return png(art::drawSiteBanner()); }},
        {"images/web/VexaBox.png", [] { return png(art::drawVexaOffer()); }},
        {"images/web/NoPage.png", [] { return png(art::drawMissingPage()); }},
        {"images/web/Download.png", [] { return png(art::drawDownloadIcon()); }},
        {"images/vexa/NOD32.png", [] { return png(art::vexa::drawAntivirus(1, 1)); }},
        {"images/vexa/NOD32@2x.png", [] { return png(art::vexa::drawAntivirus(1, 2)); }},
        {"images/vexa/NOD64.png", [] { return png(art::vexa::drawAntivirus(2, 1)); }},
        {"images/vexa/NOD64@2x.png", [] { return png(art::vexa::drawAntivirus(2, 2)); }},
        {"images/vexa/IB3.png", [] { return png(art::vexa::drawBrowser(1, 1)); }},
        {"images/vexa/IB3@2x.png", [] { return png(art::vexa::drawBrowser(1, 2)); }},
        {"images/vexa/IB5.png", [] { return png(art::vexa::drawBrowser(2, 1)); }},
        {"images/vexa/IB5@2x.png", [] { return png(art::vexa::drawBrowser(2, 2)); }},
        {"images/vexa/IB6.png", [] { return png(art::vexa::drawBrowser(3, 1)); }},
        {"images/vexa/IB6@2x.png", [] { return png(art::vexa::drawBrowser(3, 2)); }},
        {"images/vexa/IB7.png", [] { return png(art::vexa::drawBrowser(4, 1)); }},
        {"images/vexa/IB7@2x.png", [] { return png(art::vexa::drawBrowser(4, 2)); }},
        {"images/vexa/Wallpaper.png", [] { return png(art::vexa::drawWallpaper(1)); }},
        {"images/vexa/Wallpaper@2x.png", [] { return png(art::vexa::drawWallpaper(2)); }},
        {"images/vexa/RunIcon.png", [] { return png(art::vexa::drawRunIcon(1)); }},
        {"images/vexa/RunIcon@2x.png", [] { return png(art::vexa::drawRunIcon(2)); }},
        {"images/vexa/ScriptIcon.png", [] { return png(art::vexa::drawScriptIcon(1)); }},
        {"images/vexa/ScriptIcon@2x.png", [] { return png(art::vexa::drawScriptIcon(2)); }},
        {"images/vexa/EmptyProgram.png", [] { return png(art::vexa::drawEmptyProgram(1)); }},
        {"images/vexa/EmptyProgram@2x.png", [] { return png(art::vexa::drawEmptyProgram(2)); }},
        {"images/vexa/Logo.png", [] { return png(art::vexa::drawLogo(1)); }},
        {"images/vexa/Logo@2x.png", [] { return png(art::vexa::drawLogo(2)); }},
    };
    return all;
}

bool write(const QString& path, const QByteArray& contents) {
    if (contents.isEmpty() || !QDir().mkpath(QFileInfo(path).path())) {
        return false;
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
           file.commit();
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    tools::CommandLine line(
        QStringLiteral("city-art"), {QStringLiteral("FOLDER")},
        QStringLiteral(
            "Draws the game's pictures (the city, the icon, the in-game web and system)\n"
            "and writes each under its path in FOLDER, the front end's folder ui/qt/.\n"
            "tools/art/make_art.sh runs it. Exit status 0 when every picture was\n"
            "written, 1 when one could not be, 2 for a command line it cannot use."));
    line.addArgument(QStringLiteral("FOLDER"), QStringLiteral("Where the pictures go (ui/qt/)."));
    if (const auto status = line.read(QGuiApplication::arguments())) {
        return *status;
    }
    const QString given = line.parser().positionalArguments().constFirst();
    const QDir folder(given);
    if (!folder.exists()) {
        err << "no such folder: " << given << "\n";
        return 1;
    }
    for (const Artwork& artwork : artworks()) {
        const QString path = folder.filePath(QString::fromUtf8(artwork.path));
        if (!write(path, artwork.encode())) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
