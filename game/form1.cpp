#include "game/form1.h"

#include "game/game.h"
#include "game/game_clock.h"
#include "game/game_commands.h"
#include "game/internet_button.h"

namespace game {

namespace {

constexpr int RowHeight = 22;
constexpr int FrameTop = 18;  // below the frame's caption
constexpr int RowLeft = 6;    // inside the frame's edge
constexpr int RowRight = 4;

struct Row {
    const char* captionName;
    const char* caption;
    const char* valueName;
    const char* value;
};

}  // namespace

Form1::Form1(Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Tarnvik 2"), Width, Height), game_(game) {
    keepModelWhenClosed = true;
    // It outlives the name window that opens it; its close box asks the quit-time save.
    standsAlone = true;
    escapeCloses = false;
    layOutButtons();
    layOutPictures();
    layOutFrames();
    layOutMenu();
    addTimer(QStringLiteral("Timer1"), 1500, true);
    addTimer(QStringLiteral("Timer2"), 200, true);
    connectHandlers();
}

void Form1::layOutButtons() {
    constexpr int w = 135;
    constexpr int h = 26;
    addButton("Command1", "Апгрейд", {8, 6, w, h});
    addButton("Command2", "Купить ПО", {150, 6, w, h});
    addButton("Command3", "Найти работу", {292, 6, w, h});
    addButton("Command6", "Магазин", {434, 6, w, h});
    addButton("Command4", "Подключится к интернету", {8, 36, 2 * w + 7, h});
    addButton("Command5", "Развлечения", {292, 36, w, h});
    addButton("Command7", "Обучение", {434, 36, w, h});
}

void Form1::layOutPictures() {
    const ui::Rect area{(Width - 425) / 2, 68, 425, 213};
    ui::Control& first = add("Image1", ui::ControlKind::Image, area);
    first.setPicture(QStringLiteral("Images/City1.png"));
    ui::Control& second = add("Image2", ui::ControlKind::Image, area);
    second.setPicture(QStringLiteral("Images/City2.png"));
    second.setVisible(false);
    // The city is only the look: the values below tell the game.
    first.decorative = second.decorative = true;
}

void Form1::layOutFrames() {
    // Each caption column is as wide as its longest caption and a small gap; the values get
    // the rest of the frame, room for the longest name a store or the job list writes there.
    auto addRows = [this](ui::Control& frame, int captionWidth, std::initializer_list<Row> rows) {
        const int valueLeft = RowLeft + captionWidth;
        int y = FrameTop;
        for (const Row& row : rows) {
            ui::Control* caption = nullptr;
            if (row.caption != nullptr) {
                caption = &addLabel(row.captionName, row.caption,
                                    {RowLeft, y, captionWidth, RowHeight - 2}, &frame);
            }
            const int left = caption != nullptr ? valueLeft : RowLeft;
            addLabel(row.valueName, row.value,
                     {left, y, frame.geometry().width - left - RowRight, RowHeight - 2}, &frame)
                .labelledBy = caption;
            y += RowHeight;
        }
    };

    ui::Control& personal = addFrame("Frame3", "Личные Данные", {8, 288, 260, 180});
    addRows(personal, 84,
            {{"Label1", "Имя:", "Lbllogin", "Игрок"},
             {"Label2", "Деньги: ", "LblMoney", "200"},
             {"Label3", "Очки:", "LblCoint", "0"},
             {"Label4", "Работа: ", "LblWork", "Нет"},
             {"Label5", "Сытость:", "LblEda", "50"},
             {"Label6", "Настроение:", "LblRazvl", "50"},
             {nullptr, nullptr, "LblClock", "00:00"}});
    control("LblClock").spokenName = QStringLiteral("Время");

    ui::Control& education = addFrame("Frame5", "Обучение", {276, 288, 293, 180});
    addRows(education, 150,
            {{"Label7", "Среднее образование:", "Lbl1", "0"},
             {"Label8", "Английский:", "Lbl2", "0"},
             {"Label9", "Высшее образование:", "Lbl3", "0"}});

    ui::Control& computer = addFrame("Frame1", "Компьютер", {8, 474, 260, 205});
    addRows(computer, 90,
            {{"Label10", "Процессор: ", "LblCPU", "Нет"},
             {"Label11", "Модем:", "LblModem", "Нет"},
             {"Label12", "Ram: ", "LblRam", "Нет"},
             {"Label13", "Винчестер:", "LblHD", "Нет"},
             {"Label14", "Видео Карта:", "LblVideo", "Нет"}});

    ui::Control& programs = addFrame("Frame2", "Программы", {276, 474, 293, 205});
    addRows(programs, 166,
            {{"Label15", "ОС: ", "LblOS", "Нет"},
             {"Label16", "Антивирус: ", "LblAV", "Нет"},
             {"Label17", "Интернет Браузер:", "LblIB", "Нет"},
             {"Label18", "Язык программирования:", "LblPL", "Нет"},
             {"Label19", "Свободно:", "LblHDF", "0 MB"}});
    addButton("Command8", "Форматировать", {8, FrameTop + 5 * RowHeight + 8, 277 - 8, 26},
              &programs);
}

void Form1::layOutMenu() {
    ui::Control& gameMenu = addMenu("mnuGame", "Игра");
    addMenu("mnuNewGame", "Новая игра", &gameMenu).shortcut = QStringLiteral("Ctrl+N");
    ui::Control& saving = addMenu("mnufile", "Сохранение", &gameMenu);
    addMenu("mnusave", "Сохранить", &saving).shortcut = QStringLiteral("Ctrl+S");
    addMenu("mnuload", "Загрузить", &saving).shortcut = QStringLiteral("Ctrl+O");
    addMenu("mnuPause", "Пауза Вк./Выкл.", &gameMenu).shortcut = QStringLiteral("P");
    ui::Control& speed = addMenu("mnuSpeed", "Скорость", &gameMenu);
    for (int i = 1; i <= 6; ++i) {
        ui::Control& item =
            addMenu(QStringLiteral("mnu%1").arg(i), QStringLiteral("%1-X").arg(i), &speed);
        item.checkable = true;
        item.setChecked(i == 1);  // the design-time interval is the first speed's
        item.shortcut = QStringLiteral("Ctrl+%1").arg(i);
    }
    ui::Control& sound = addMenu("mnuSound", "Звук", &gameMenu);
    sound.checkable = true;
    sound.setChecked(true);
    addMenu("mnuExit", "Выход", &gameMenu).shortcut = QStringLiteral("Ctrl+Q");
    ui::Control& run = addMenu("mnuRun", "Запустить");
    addMenu("mnuVexa", "Vexa 2", &run).setEnabled(false);
    ui::Control& info = addMenu("mnuOb", "Информация");
    addMenu("mnuAuthor", "Об авторе", &info);
    addMenu("mnuProgramm", "О программе", &info);
}

void Form1::connectHandlers() {
    Game& g = game_;
    control("Timer1").onTick = [&g] { hourStep(g); };
    control("Timer2").onTick = [this] { swapPictures(*this); };
    for (int i = 1; i <= 6; ++i) {
        control(QStringLiteral("mnu%1").arg(i)).onClick = [&g, i] { chooseSpeed(g, i); };
    }
    control("mnuPause").onClick = [&g] { togglePause(g); };
    control("mnuNewGame").onClick = [&g] { newGame(g); };
    control("mnuSound").onClick = [&g] { switchSound(g); };
    // As the close box: the quit-time question, then the end or the save window.
    control("mnuExit").onClick = [this] { app().close(*this); };
    control("Command8").onClick = [&g] { formatDisk(g); };
    control("mnusave").onClick = [&g] { g.openActivity(QStringLiteral("Frmsave"), false); };
    control("mnuload").onClick = [&g] { g.openActivity(QStringLiteral("Frmload")); };
    control("mnuVexa").onClick = [&g] { g.openActivity(QStringLiteral("FrmLoadGUI"), false); };
    control("mnuAuthor").onClick = [&g] { g.openActivity(QStringLiteral("frmAuthor")); };
    control("mnuProgramm").onClick = [&g] { g.openActivity(QStringLiteral("FrmProgramm")); };

    control("Command1").onClick = [&g] { g.openActivity(QStringLiteral("Form2")); };
    control("Command2").onClick = [&g] { g.openActivity(QStringLiteral("Form3")); };
    control("Command3").onClick = [&g] { g.openActivity(QStringLiteral("Form4")); };
    control("Command4").onClick = [&g] { pressInternetButton(g); };
    control("Command5").onClick = [&g] { g.openActivity(QStringLiteral("FrmRazvl")); };
    control("Command6").onClick = [&g] { g.openActivity(QStringLiteral("FrmMagazine")); };
    control("Command7").onClick = [&g] { g.openActivity(QStringLiteral("FrmTeach")); };
}

void Form1::load() {
    control("mnuSound").setChecked(game_.services().soundOn());
    startGame(game_);
}

void Form1::queryUnload() {
    offerSaveOnExit(game_);
}

}  // namespace game
