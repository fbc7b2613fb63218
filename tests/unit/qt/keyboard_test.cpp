// Playing by keyboard on the real widgets: Tab reaches the label buttons, Space and Enter
// press them (once, however long they are held), Enter accepts the name, Esc closes an activity
// window, every change of a list's row is the game's selection, and the keyboard comes back
// after a message box.
#include "qt_fixture.h"
#include "ui/qt/widgets.h"

namespace {

using qt_tests::QtGame;

class Keyboard : public QtGame {
protected:
    QWidget* focused() const { return QApplication::focusWidget(); }
    static void key(Qt::Key k, const QString& text = {}) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "nothing has the keyboard";
        QTest::sendKeyEvent(QTest::Click, target, k, text, Qt::NoModifier);
    }
    void tab() { QTest::keyClick(focused(), Qt::Key_Tab); }
    // "Обед" in the food shop, with the keyboard on it.
    QWidget* lunchWithTheKeyboard() {
        startPlaying();
        click(widget("Form1", "Command6"));
        settle();
        activate("FrmMagazine");
        QWidget* lunch = widget("FrmMagazine", "Command2");
        lunch->setFocus(Qt::TabFocusReason);
        return lunch;
    }
};

TEST_F(Keyboard, TabGoesRoundTheNameWindowsBoxAndButtonOnly) {
    activate("FrmLogin");
    QWidget* box = widget("FrmLogin", "Text1");
    QWidget* button = widget("FrmLogin", "Command1");
    EXPECT_EQ(focused(), box);
    tab();
    EXPECT_EQ(focused(), button);
    tab();
    EXPECT_EQ(focused(), box) << "the focus went somewhere the player cannot see";
}

TEST_F(Keyboard, AFocusedLabelButtonShowsAMark) {
    activate("FrmLogin");
    QWidget* button = widget("FrmLogin", "Command1");
    const QImage before = button->grab().toImage();
    tab();
    ASSERT_EQ(focused(), button);
    EXPECT_NE(button->grab().toImage(), before) << "nothing shows where the keyboard is";
}

// The brightest green on the box's left edge, halfway down.
int edgeGreen(QWidget* box) {
    const QImage image = box->grab().toImage();
    int green = 0;
    const int y = image.height() / 2;
    for (int x = 0; x < 3 * image.devicePixelRatio(); ++x) {
        green = std::max(green, qGreen(image.pixel(x, y)));
    }
    return green;
}

TEST_F(Keyboard, TheNameBoxShowsItsEdgeWithTheKeyboardAndWithout) {
    activate("FrmLogin");
    QWidget* box = widget("FrmLogin", "Text1");
    ASSERT_EQ(focused(), box);
    const int focusedEdge = edgeGreen(box);
    tab();
    const int plainEdge = edgeGreen(box);
    EXPECT_GT(plainEdge, 60) << "the edge is black on black";
    EXPECT_GT(focusedEdge, plainEdge + 40) << "the box with the keyboard looks no different";
}

TEST_F(Keyboard, EnterInTheNameBoxAcceptsTheName) {
    activate("FrmLogin");
    for (const QChar c : QStringLiteral("Вася")) {
        key(Qt::Key_unknown, QString(c));
    }
    key(Qt::Key_Return, QStringLiteral("\r"));
    settle();
    EXPECT_EQ(game->find("FrmLogin"), nullptr);
    ASSERT_TRUE(game->hasForm1());
    EXPECT_EQ(game->form1().control("Lbllogin").caption(), "ИгрокВася");
}

TEST_F(Keyboard, SpacePressesALabelButtonWithThePressedLookUntilItIsLetGo) {
    QWidget* lunch = lunchWithTheKeyboard();
    ui::Control& button = control("FrmMagazine", "Command2");
    QTest::sendKeyEvent(QTest::Press, lunch, Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier);
    EXPECT_EQ(button.borderStyle(), 1) << "no pressed look while the key is down";
    EXPECT_EQ(control("Form1", "LblEda").caption(), "50") << "bought before the key was let go";
    QTest::sendKeyEvent(QTest::Release, lunch, Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier);
    EXPECT_EQ(button.borderStyle(), 0);
    EXPECT_EQ(control("Form1", "LblEda").caption(), "58");
    // Enter does the same.
    QTest::keyClick(lunch, Qt::Key_Return);
    EXPECT_EQ(control("Form1", "LblEda").caption(), "66");
}

void sendSpace(QWidget* target, QEvent::Type type, bool markedRepeat, quint64 time) {
    QKeyEvent key(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), markedRepeat);
    key.setTimestamp(time);
    QApplication::sendEvent(target, &key);
}
// Space held down as X repeats it: after 660 ms a release and a press at the same instant every
// 40 ms. Qt marks such a pair as a repeat when it sees both in time, and not always: in `pairs`
// each pair is "r" when marked, "-" when not.
void holdSpace(QWidget* target, bool pressSeen, const std::string& pairs) {
    if (pressSeen) {
        sendSpace(target, QEvent::KeyPress, false, 1000);
    }
    quint64 time = 1660;
    for (const char pair : pairs) {
        sendSpace(target, QEvent::KeyRelease, pair == 'r', time);
        sendSpace(target, QEvent::KeyPress, pair == 'r', time);
        time += 40;
    }
}
constexpr quint64 LetGo = 3000;

class HeldSpace : public Keyboard, public ::testing::WithParamInterface<std::string> {};

TEST_P(HeldSpace, PressesALabelButtonOnceWithThePressedLookUntilItIsLetGo) {
    QWidget* lunch = lunchWithTheKeyboard();
    holdSpace(lunch, true, GetParam());
    QTest::qWait(100);  // still held
    EXPECT_EQ(control("FrmMagazine", "Command2").borderStyle(), 1) << "not pressed while held";
    EXPECT_EQ(control("Form1", "LblEda").caption(), "50") << "bought before the key was let go";
    sendSpace(lunch, QEvent::KeyRelease, false, LetGo);
    QTest::qWait(200);
    EXPECT_EQ(control("Form1", "LblEda").caption(), "58");
    EXPECT_EQ(control("Form1", "LblMoney").caption(), "192");
}

INSTANTIATE_TEST_SUITE_P(ThreeRepeats, HeldSpace, ::testing::Values("rrr", "-r-", "---"));

TEST_F(Keyboard, ASpaceHeldBeforeTheKeyboardCameDoesNotPressTheButton) {
    QWidget* lunch = lunchWithTheKeyboard();
    holdSpace(lunch, false, "rrr");
    sendSpace(lunch, QEvent::KeyRelease, false, LetGo);
    QTest::qWait(200);
    EXPECT_EQ(control("Form1", "LblEda").caption(), "50");
    EXPECT_EQ(control("Form1", "LblMoney").caption(), "200");
}

TEST_F(Keyboard, EscapeClosesAnActivityWindowButNotTheMainOrTheNameWindow) {
    activate("FrmLogin");
    key(Qt::Key_Escape);
    EXPECT_NE(game->find("FrmLogin"), nullptr);
    startPlaying();
    activate("Form1");
    key(Qt::Key_Escape);
    settle();
    EXPECT_NE(game->find("Form1"), nullptr);
    EXPECT_TRUE(services.pending().empty()) << "Esc asked the quit-time question";

    click(widget("Form1", "Command5"));
    settle();
    activate("FrmRazvl");
    key(Qt::Key_Escape);
    settle();
    EXPECT_EQ(game->find("FrmRazvl"), nullptr);
    EXPECT_TRUE(game->form1().enabled());
    EXPECT_TRUE(game->clock().enabled());
}

class StoreLists : public Keyboard {
protected:
    void SetUp() override {
        Keyboard::SetUp();
        startPlaying();
        click(widget("Form1", "Command2"));
        settle();
        activate("Form3");
        list = qobject_cast<QListWidget*>(widget("Form3", "List1"));
        ASSERT_NE(list, nullptr);
    }
    int selected() const { return control("Form3", "List1").listIndex(); }

    QListWidget* list = nullptr;
};

TEST_F(StoreLists, TheKeyboardThatBringsTheFocusChoosesNoRow) {
    EXPECT_EQ(focused(), list) << "the store's list should take the keyboard first";
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(selected(), -1);
}

TEST_F(StoreLists, ArrowKeysChooseTheRowTheGameBuys) {
    list->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(selected(), 2);
    key(Qt::Key_Up);
    EXPECT_EQ(selected(), 1);
}

TEST_F(StoreLists, ALetterChoosesTheRowItFinds) {
    list->setFocus(Qt::TabFocusReason);
    list->keyboardSearch(QStringLiteral("N"));  // as typing N does
    EXPECT_EQ(list->currentItem()->text(), "NOD32");
    EXPECT_EQ(selected(), 4);
}

TEST_F(StoreLists, PressAndDragChoosesTheRowLetGoOn) {
    QWidget* rows = list->viewport();
    const QPoint first = list->visualItemRect(list->item(0)).center();
    const QPoint third = list->visualItemRect(list->item(2)).center();
    QTest::mousePress(rows, Qt::LeftButton, {}, first);
    QMouseEvent drag(QEvent::MouseMove, third, rows->mapToGlobal(third), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rows, &drag);
    QTest::mouseRelease(rows, Qt::LeftButton, {}, third);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(selected(), 2);
}

TEST_F(StoreLists, AClickOnARowChoosesItOnce) {
    QWidget* rows = list->viewport();
    int clicks = 0;
    control("Form3", "List1").onClick = [&clicks] { ++clicks; };
    QTest::mouseClick(rows, Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(selected(), 3);
    EXPECT_EQ(clicks, 1);
    key(Qt::Key_Down);
    QTest::mouseClick(rows, Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
    EXPECT_EQ(clicks, 3) << "a click on the row the arrow chose is a click too";
}

TEST_F(StoreLists, ThePriceListStaysClearedAndOutOfTheKeyboardsWay) {
    auto* prices = qobject_cast<QListWidget*>(widget("Form3", "List2"));
    ASSERT_NE(prices, nullptr);
    EXPECT_EQ(prices->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(prices->viewport(), Qt::LeftButton, {},
                      prices->visualItemRect(prices->item(1)).center());
    settle();
    EXPECT_EQ(control("Form3", "List2").listIndex(), -1);
    EXPECT_TRUE(prices->selectedItems().isEmpty());
}

TEST_F(Keyboard, TheListHasTheKeyboardAgainAfterARefusal) {
    startPlaying();
    click(widget("Form1", "Command3"));
    settle();
    activate("Form4");
    auto* jobs = qobject_cast<QListWidget*>(widget("Form4", "List1"));
    jobs->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Down);
    key(Qt::Key_Down);  // "Помощник програмиста" needs more than a newcomer has
    QTest::keyClick(widget("Form4", "Command1"), Qt::Key_Space);
    ASSERT_FALSE(services.history().empty());
    EXPECT_EQ(services.history().back().kind, ui::MessageKind::Exclamation);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view("Form4")));
    EXPECT_EQ(focused(), jobs);
    key(Qt::Key_Up);
    EXPECT_EQ(control("Form4", "List1").listIndex(), 0);
}

}  // namespace
