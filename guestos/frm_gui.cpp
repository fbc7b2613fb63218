#include "guestos/frm_gui.h"

#include <QDir>
#include <functional>

#include "game/game.h"
#include "guestos/program_pictures.h"
#include "guestos/script_folder.h"
#include "guestos/script_runner.h"
#include "guestos/vexa_look.h"
#include "ui/metrics.h"

namespace guestos {

namespace {

const QString CannotOpen = QStringLiteral("Не удалось открыть программу!");

enum StartMenuRow { Programs = 0, Run = 1, Leave = 2 };
enum ProgramsRow { Antivirus = 0, Browser = 1 };

constexpr int TaskBarHeight = FrmGUI::Height - FrmGUI::TaskBarTop;
constexpr int TaskItemTop = FrmGUI::TaskBarTop + 3;
constexpr int TaskItemHeight = TaskBarHeight - 6;
constexpr int EntryWidth = 150;
constexpr int FirstEntryLeft = 78;

ui::Rect entrySlot(int slot) {
    return {FirstEntryLeft + slot * (EntryWidth + 4), TaskItemTop, EntryWidth, TaskItemHeight};
}

// A look of its own while the left button is down on a control; the right button changes
// nothing.
void onLeftButton(ui::Control& control, const std::function<void()>& pressed,
                  const std::function<void()>& released) {
    control.onMouseDown = [pressed](ui::MouseButton button) {
        if (button == ui::MouseButton::Left) {
            pressed();
        }
    };
    control.onMouseUp = [released](ui::MouseButton button) {
        if (button == ui::MouseButton::Left) {
            released();
        }
    };
}

// The game seen from a running program: its message boxes, beeps, clock and end.
class GameScriptHost : public ScriptHost {
public:
    explicit GameScriptHost(game::Game& game) : game_(game) {}
    void message(const QString& text, ui::MessageKind kind,
                 const std::optional<QString>& title) override {
        game_.message(text, kind, title);
    }
    void beep() override { game_.beep(); }
    QString currentTime() override { return game_.services().currentTime(); }
    QString currentDate() override { return game_.services().currentDate(); }
    void endProgram() override { game_.endProgram(); }

private:
    game::Game& game_;
};

}  // namespace

FrmGUI::FrmGUI(game::Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Vexa 2"), Width, Height), game_(game) {
    frameless = true;
    backColor = ui::colors::Black;
    foreColor = ui::colors::White;
    // Declared from the bottom up: what comes later lies on top.
    layOutDesktop();
    layOutTaskBar();
    layOutProgramWindow();
    layOutRunWindow();
    layOutScriptWindow();
    layOutMenus();
    addTimer("Timer1", 250, true);
    connectHandlers();
}

FrmGUI::~FrmGUI() = default;

void FrmGUI::layOutDesktop() {
    ui::Control& wallpaper = add("Image3", ui::ControlKind::Image, {0, 0, Width, TaskBarTop});
    wallpaper.setPicture(QString::fromLatin1(pictures::Wallpaper));
    wallpaper.decorative = true;

    ui::Control& name = addLabel("Label1", "Vexa 2", {540, 478, 240, 72});
    name.fontSize = 40;
    name.bold = true;
    name.align = ui::Align::Right;
    name.transparent = true;
    name.setForeColor(ui::colors::White);

    // The two shortcuts: an icon in a grey frame above its button, which names it.
    auto shortcut = [this](const char* frame, const char* icon, const char* picture, int top) {
        add(frame, ui::ControlKind::Shape, {26, top, 60, 60}).setForeColor(ui::colors::Grey);
        ui::Control& image = add(icon, ui::ControlKind::Image, {32, top + 6, 48, 48});
        image.setPicture(QString::fromLatin1(picture));
        image.decorative = true;
    };
    shortcut("Shape2", "Image1", pictures::RunIcon, 20);
    ui::Control& run = addLabel("Command4", "Запуск", {10, 86, 92, 18});
    run.align = ui::Align::Center;
    run.labelButton = true;  // its own colours, but Tab and Space reach it like any button
    shortcut("Shape3", "Image2", pictures::ScriptIcon, 118);
    addButton("Command11", "Вып. прог.", {10, 184, 92, 18});
}

void FrmGUI::layOutTaskBar() {
    ui::Control& bar = add("Shape1", ui::ControlKind::Shape, {0, TaskBarTop, Width, TaskBarHeight});
    bar.setBackColor(ui::colors::LightGrey);
    bar.setForeColor(ui::colors::White);

    ui::Control& start = addLabel("Command1", "Пуск", {3, TaskItemTop, 66, TaskItemHeight});
    start.align = ui::Align::Center;
    start.bold = true;
    start.setBackColor(ui::colors::Grey);
    start.setForeColor(ui::colors::White);
    start.labelButton = true;

    add("Line1", ui::ControlKind::Line, {73, TaskItemTop, 2, TaskItemHeight})
        .setForeColor(ui::colors::Grey);
    add("Line2", ui::ControlKind::Line, {Width - 104, TaskItemTop, 2, TaskItemHeight})
        .setForeColor(ui::colors::Grey);

    // The tray shows the game's hour, which goes on while the player is in here.
    ui::Control& clock = addLabel("Label9", "", {Width - 98, TaskItemTop, 94, TaskItemHeight});
    clock.align = ui::Align::Center;
    clock.setBackColor(ui::colors::LightGrey);
    clock.setForeColor(ui::colors::Black);
    clock.spokenName = QStringLiteral("Время");
}

void FrmGUI::layOutProgramWindow() {
    programWindow_ = std::make_unique<InnerWindow>(
        *this, InnerWindowNames{"Picture1", "Shape4", "Label3", "Command3", "Command2", "Label2"},
        "iiiii", ui::Rect{118, 20, 420, 330}, "Internet Explorer 6", entrySlot(0));
    programWindow_->frame().setPicture(QString::fromLatin1(pictures::EmptyProgram));
}

void FrmGUI::layOutRunWindow() {
    runWindow_ = std::make_unique<InnerWindow>(
        *this, InnerWindowNames{"Picture2", "Shape5", "Label4", "Command6", "Command5", "Label5"},
        "Выполнить", ui::Rect{118, 372, 420, 92}, "Выполнить", entrySlot(1));
    ui::Control* frame = &runWindow_->frame();
    ui::Control& prompt = addLabel(
        "Label8", "Введите название программы, и Vexa её откроет:", {10, 28, 400, 18}, frame);
    prompt.setBackColor(look::WindowFace);
    prompt.setForeColor(look::Hint);
    add("Combo1", ui::ControlKind::ComboBox, {10, 54, 290, 24}, frame).labelledBy = &prompt;
    addButton("Command7", "Запустить", {310, 54, 100, 24}, frame);
}

void FrmGUI::layOutScriptWindow() {
    scriptWindow_ = std::make_unique<InnerWindow>(
        *this, InnerWindowNames{"Picture3", "Shape6", "Label6", "Command10", "Command9", "Label7"},
        "Выполнить программу", ui::Rect{550, 20, 240, 272}, "Выполнить программу", entrySlot(2));
    ui::Control* frame = &scriptWindow_->frame();
    ui::Control& hint =
        addLabel("Label10", "Программы *.RPF из папки PF:", {8, 26, 224, 18}, frame);
    hint.setBackColor(look::WindowFace);
    hint.setForeColor(look::Hint);
    add("File1", ui::ControlKind::FileList, {8, 46, 224, ui::listHeight(12)}, frame).labelledBy =
        &hint;
    addButton("Command8", "Запустить", {132, 240, 100, 22}, frame);
}

void FrmGUI::layOutMenus() {
    const int top = TaskBarTop - ui::listHeight(3);
    auto menu = [this, top](const char* name, int left, int width, int rows) {
        ui::Control& list = addList(name, {}, {left, top, width, ui::listHeight(rows)});
        list.setVisible(false);
        list.setBackColor(look::MenuFace);
        list.setForeColor(ui::colors::White);
    };
    menu("List1", 3, 160, 3);
    menu("List2", 164, 200, 2);
    // The start menu is named by its button, the programs' menu by the row that opens it.
    control("List1").labelledBy = &control("Command1");
    control("List2").spokenName = QStringLiteral("Программы");
}

void FrmGUI::connectHandlers() {
    ui::Control& start = control("Command1");
    start.onClick = [this] {
        ui::Control& menu = control("List1");
        menu.setVisible(!menu.visible());
    };
    onLeftButton(
        start, [&start] { start.setBackColor(ui::colors::LightGrey); },
        [&start] { start.setBackColor(ui::colors::Grey); });

    ui::Control& run = control("Command4");
    run.onClick = [this] { runWindow_->open(); };
    // Its own pressed look: no border.
    onLeftButton(
        run,
        [&run] {
            run.setForeColor(ui::colors::Green);
            run.setBackColor(ui::colors::Grey);
        },
        [&run] {
            run.setForeColor(ui::colors::BrightGreen);
            run.setBackColor(ui::colors::Black);
        });
    control("Command11").onClick = [this] {
        scriptWindow_->open();
        scriptTitle_.clear();
    };

    control("List1").onClick = [this] { startMenuChosen(control("List1").listIndex()); };
    control("List2").onClick = [this] {
        const int row = control("List2").listIndex();
        control("List2").setListIndex(-1);  // a menu keeps no chosen row
        if (row == Antivirus) {
            openAntivirus();
        } else if (row == Browser) {
            openBrowser();
        }
    };
    control("Command7").onClick = [this] { runByName(); };
    control("Combo1").onKeyPress = [this](int code) {
        if (code == '\r') {
            runByName();
        }
    };
    control("Command8").onClick = [this] { runScript(); };
    control("Timer1").onTick = [this] { showTime(); };

    // A click anywhere on the desktop, or on a window, closes the start menu.
    const auto hide = [this] { hideMenus(); };
    onMouseDown = [this](ui::MouseButton) { hideMenus(); };
    for (const char* name : {"Image3", "Label1", "Shape1", "Picture1", "Picture2", "Picture3"}) {
        control(name).onClick = hide;
    }
    for (InnerWindow* w : {programWindow_.get(), runWindow_.get(), scriptWindow_.get()}) {
        w->onHideMenus = hide;
    }
    scriptWindow_->onShown = [this] { showScripts(); };
}

void FrmGUI::load() {
    control("List1").setItems({"Программы", "Выполнить", "Выйти из Vexa"});
    const QStringList programs = {game_.caption("LblAV"), game_.caption("LblIB")};
    control("List2").setItems(programs);
    control("Combo1").setItems(programs);
    control("Combo1").setText({});
    ui::Control& files = control("File1");
    files.setPattern(scriptPattern());
    files.setFolder(scriptFolder(game_.services().gameFolder()));
    showTime();
}

void FrmGUI::unload() {
    // However the desktop goes (the start menu, or the window system's close command), the
    // system shuts down, and the shutdown screen gives the game back.
    game_.show(QStringLiteral("FrmGB"));
}

void FrmGUI::hideMenus() {
    control("List1").setVisible(false);
    control("List2").setVisible(false);
}

void FrmGUI::startMenuChosen(int row) {
    control("List1").setListIndex(-1);
    switch (row) {
        case Programs: {
            ui::Control& programs = control("List2");
            programs.setVisible(!programs.visible());
            break;
        }
        case Run:
            runWindow_->open();
            break;
        case Leave:
            if (game_.ask(QStringLiteral("Вы уверены что хотите выйти?"))) {
                game_.close(*this);
            }
            break;
        default:
            break;
    }
}

void FrmGUI::openAntivirus() {
    openProgram(antivirusPicture(game_.globals.AntivirusLevel), QStringLiteral("LblAV"));
}

void FrmGUI::openBrowser() {
    openProgram(browserPicture(game_.globals.BrowserLevel), QStringLiteral("LblIB"));
}

void FrmGUI::openProgram(const std::optional<QString>& picture, const QString& nameLabel) {
    programWindow_->open();
    if (picture) {
        programWindow_->frame().setPicture(*picture);
    }
    programWindow_->entry().setCaption(game_.caption(nameLabel));
    programWindow_->title().setCaption(programWindow_->entry().caption());
}

void FrmGUI::runByName() {
    // The antivirus is asked first: with nothing installed both names are "Нет".
    const QString name = control("Combo1").text();
    if (name == game_.caption("LblAV")) {
        openAntivirus();
    } else if (name == game_.caption("LblIB")) {
        openBrowser();
    } else {
        game_.exclamation(QStringLiteral("Введите правильное название программы!"));
    }
}

void FrmGUI::showScripts() {
    control("File1").refresh();
}

void FrmGUI::runScript() {
    ui::Control& files = control("File1");
    const QString folder = scriptFolder(game_.services().gameFolder());
    files.setFolder(folder);
    if (!scriptFolderReadable(folder)) {
        game_.critical(CannotOpen);
        return;
    }
    const QString name = files.fileName();
    if (name.isEmpty()) {
        return;
    }
    const auto bytes = readScript(QDir(folder).filePath(name));
    if (!bytes) {
        game_.critical(CannotOpen);
        return;
    }
    GameScriptHost host(game_);
    guestos::runScript(*bytes, scriptTitle_, host);
}

void FrmGUI::showTime() {
    control("Label9").setCaption(game_.caption("LblClock"));
}

}  // namespace guestos
