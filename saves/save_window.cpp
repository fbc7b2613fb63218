#include "saves/save_window.h"

#include <QFileInfo>

#include "game/game.h"
#include "saves/game_record.h"
#include "saves/save_file.h"

namespace saves {

SaveWindow::SaveWindow(game::Game& game, QStringView name)
    : ui::Window(game, name.toString(), QStringLiteral("Сохранение"), 260, 112), game_(game) {
    // Enter in the name box saves, as the button does.
    defaultButton = QStringLiteral("Command1");
    ui::Control& prompt = addLabel("Label1", "         Введите имя файла", {10, 10, 240, 20});
    ui::Control& box = add("Text1", ui::ControlKind::TextBox, {30, 38, 200, 24});
    box.setText(QStringLiteral("Sav"));
    box.labelledBy = &prompt;
    addButton("Command1", "Сохранить", {80, 74, 100, 26}).onClick = [this] { save(); };
}

void SaveWindow::save() {
    const QString typed = control("Text1").text();
    // A name is taken as typed, blanks included; but blanks alone name a file nobody could tell
    // in a list ("   .sav"), so they count as no name at all.
    if (typed.trimmed().isEmpty()) {
        game_.exclamation(QStringLiteral("Имя файла неможет быть пустым!"));
        return;
    }
    const QString path = savePath(game_.services().gameFolder(), typed);
    const QFileInfo file(path);
    // A link in the game folder could lead anywhere: a save is never written through one.
    if (!acceptableName(typed) || file.isSymLink()) {
        game_.exclamation(QStringLiteral("Недопустимое имя файла!"));
        return;
    }
    // The values of this moment: no clock tick falls inside a click, nor during the question.
    const QByteArray bytes = writeSave(takeRecord(game_));
    const bool exists = file.exists();
    if (exists && !game_.ask(QStringLiteral("Этот файл существует. Переписать файл?"))) {
        return;
    }
    if (const auto reason = writeSaveFile(path, bytes)) {
        game_.critical(QStringLiteral("Не удалось сохранить игру!\r\n") + *reason);
        return;
    }
    saved(exists);
}

}  // namespace saves
