#include "saves/frmload.h"

#include <QDir>

#include "game/game.h"
#include "saves/game_record.h"
#include "saves/save_file.h"
#include "ui/metrics.h"

namespace saves {

namespace {

constexpr int Width = 220;
constexpr int Margin = 8;
constexpr int ListRows = 10;

}  // namespace

Frmload::Frmload(game::Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Загрузка"), Width,
                 Margin + ui::listHeight(ListRows) + 4 + 26 + Margin),
      game_(game) {
    add("File1", ui::ControlKind::FileList,
        {Margin, Margin, Width - 2 * Margin, ui::listHeight(ListRows)})
        .spokenName = QStringLiteral("Сохранённые игры");
    addButton("Command1", "Загрузить",
              {Margin, Margin + ui::listHeight(ListRows) + 4, Width - 2 * Margin, 26})
        .onClick = [this] { loadChosen(); };
}

void Frmload::load() {
    ui::Control& files = control("File1");
    files.setFolder(game_.services().gameFolder());
    files.setPattern(QStringLiteral("*.sav"));
}

void Frmload::queryUnload() {
    game_.endActivity();
}

void Frmload::loadChosen() {
    const QString name = control("File1").fileName();
    if (name.isEmpty()) {
        game_.exclamation(QStringLiteral("Выберите файл!"));
        return;
    }
    const auto bytes = readSaveFile(QDir(game_.services().gameFolder()).filePath(name));
    std::optional<LoadFailure> failure;
    if (const auto* unread = std::get_if<LoadFailure>(&bytes)) {
        failure = *unread;
    } else {
        failure = loadGame(game_, std::get<QByteArray>(bytes));
    }
    if (failure) {
        game_.critical(failureMessage(*failure));
        return;
    }
    game_.info(QStringLiteral("Игра загружена!"));
    game_.close(*this);
}

}  // namespace saves
