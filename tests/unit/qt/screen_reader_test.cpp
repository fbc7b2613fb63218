// What a screen reader finds on the real widgets: windows and dialogs by their captions, label
// buttons as push buttons that "Press" presses as a click does, values read with the text
// beside them, boxes and lists named by their labels, prices beside names, and Qt's own texts
// in Russian.
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

#include "qt_fixture.h"
#include "ui/qt/qt_translation.h"

namespace {

class ScreenReader : public qt_tests::QtGame {
protected:
    QAccessibleInterface* reader(const QString& window, const QString& control) const {
        return QAccessible::queryAccessibleInterface(widget(window, control));
    }
    QString name(const QString& window, const QString& control) const {
        return reader(window, control)->text(QAccessible::Name);
    }
};

TEST_F(ScreenReader, WindowsStandAloneOrAreDialogsOfTheirOwners) {
    QAccessibleInterface* login = QAccessible::queryAccessibleInterface(view("FrmLogin"));
    EXPECT_EQ(login->role(), QAccessible::Window);
    EXPECT_EQ(login->text(QAccessible::Name), "Ввод имени");
    EXPECT_EQ(name("FrmLogin", "Text1"), "Введите ваше имя");

    startPlaying();
    click(widget("Form1", "Command1"));
    settle();
    QAccessibleInterface* store = QAccessible::queryAccessibleInterface(view("Form2"));
    EXPECT_EQ(store->role(), QAccessible::Dialog);
    EXPECT_EQ(store->text(QAccessible::Name), "Апгрейд");
}

TEST_F(ScreenReader, PressClicksALabelButtonOnceWithItsPressedLook) {
    startPlaying();
    ui::Control& button = control("Form1", "Command8");
    int downs = 0;
    int ups = 0;
    int clicks = 0;
    button.onMouseDown = [&](ui::MouseButton) { ++downs; };
    button.onMouseUp = [&](ui::MouseButton) { ++ups; };
    button.onClick = [&] { ++clicks; };
    QAccessibleInterface* format = reader("Form1", "Command8");
    EXPECT_EQ(format->role(), QAccessible::Button);
    EXPECT_EQ(format->text(QAccessible::Name), "Форматировать");
    EXPECT_TRUE(format->state().focusable);
    EXPECT_FALSE(format->state().disabled);
    ASSERT_TRUE(format->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));

    format->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 0) << "the press must wait for the reader's call to return";
    settle();
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(clicks, 1);

    // Under an activity window the main window's buttons cannot be pressed, and say so.
    click(widget("Form1", "Command6"));
    settle();
    EXPECT_TRUE(format->state().disabled);
    format->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    settle();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ScreenReader, ValuesAreReadWithTheirCaptionsAndFollowThem) {
    startPlaying();
    EXPECT_EQ(reader("Form1", "LblMoney")->role(), QAccessible::StaticText);
    EXPECT_EQ(name("Form1", "LblMoney"), "Деньги: 200");
    EXPECT_EQ(name("Form1", "LblCPU"), "Процессор: Нет");
    EXPECT_EQ(name("Form1", "LblHDF"), "Свободно: 0 MB");
    EXPECT_EQ(name("Form1", "LblClock"), "Время: 00:00");
    control("Form1", "LblMoney").setCaption("150");
    EXPECT_EQ(name("Form1", "LblMoney"), "Деньги: 150");

    control("Form1", "LblEda").setCaption("15");
    game->dispatch([] {});
    EXPECT_EQ(name("Form1", "LblEda"), "Сытость: 15, Мало");

    QAccessibleInterface* city = reader("Form1", "Image1");
    EXPECT_EQ(city->role(), QAccessible::Graphic);
    EXPECT_TRUE(city->state().invisible) << "a decorative picture is passed over";
}

TEST_F(ScreenReader, PricesAreFoundBesideWhatTheyBuy) {
    startPlaying();
    click(widget("Form1", "Command1"));
    settle();
    const ui::Control& prices = control("Form2", "List2");
    EXPECT_EQ(name("Form2", "List2"), "Цена, руб.");
    EXPECT_EQ(reader("Form2", "List1")->child(4)->text(QAccessible::Description),
              "Цена, руб.: " + prices.item(4));
    game->close(*game->find("Form2"));
    settle();

    click(widget("Form1", "Command6"));
    settle();
    EXPECT_EQ(reader("FrmMagazine", "Command2")->text(QAccessible::Description),
              "Цена, руб.: " + control("FrmMagazine", "List1").item(4) +
                  ", Сытость: " + control("FrmMagazine", "List2").item(4));
    game->close(*game->find("FrmMagazine"));
    settle();

    click(widget("Form1", "Command7"));
    settle();
    EXPECT_EQ(reader("FrmTeach", "Command2")->text(QAccessible::Description), "Цена, руб.: 100");
}

TEST_F(ScreenReader, TheSaveBoxIsNamedByItsPromptWithoutTheBlanks) {
    startPlaying();
    game->click(control("Form1", "mnusave"));
    settle();
    EXPECT_EQ(name("Frmsave", "Text1"), "Введите имя файла");
}

TEST_F(ScreenReader, AProgramWindowOfTheDesktopIsNamedByItsProgram) {
    startPlaying();
    game->show("FrmGUI");
    settle();
    control("FrmGUI", "Label3").setCaption("NOD32");
    EXPECT_EQ(name("FrmGUI", "Picture1"), "NOD32");
    EXPECT_EQ(name("FrmGUI", "Label9"), "Время: 00:00");
    // Qt names a combo box by its text: the name goes to the line edit that has the keyboard.
    auto* combo = qobject_cast<QComboBox*>(widget("FrmGUI", "Combo1"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(combo->lineEdit())->text(QAccessible::Name),
              control("FrmGUI", "Label8").caption());
}

// The actions of a text box's context menu, without their marks and keys.
QStringList contextMenu() {
    QLineEdit box;
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts.append(action->text().remove(u'&').section(u'\t', 0, 0));
    }
    return texts;
}

TEST(QtTexts, ATextBoxsContextMenuReadsRussianUntilAnotherLanguageComes) {
    ASSERT_TRUE(ui::qt::translateQt(QStringLiteral("ru")));
    const QStringList russian = contextMenu();
    EXPECT_TRUE(russian.contains("Копировать")) << russian.join(", ").toStdString();
    EXPECT_TRUE(russian.contains("Вставить"));
    EXPECT_FALSE(ui::qt::translateQt(QStringLiteral("xx")));
    EXPECT_TRUE(contextMenu().contains("Copy"));
}

}  // namespace
