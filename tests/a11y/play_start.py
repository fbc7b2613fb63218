"""The start of a game played through the accessibility bus alone, as a blind player with a
screen reader plays it: the name window and its named box, "Принять" pressed by its action, the
introduction read and answered, the main window, "Магазин", "Обед", and the new money and
satiety read back with their names."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bus  # noqa: E402
import pyatspi  # noqa: E402

WINDOWS = (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_DIALOG)
BUTTON = (pyatspi.ROLE_PUSH_BUTTON,)
BOXES = (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)
INTRODUCTION = "Вы приехали в чужой город, далеко от родного."


def main():
    game = bus.application("Tarnvik 2")

    login = bus.top_level(game, WINDOWS, name="Ввод имени")
    box = bus.control(login, (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY), "Введите ваше имя")
    bus.expect_equal("the name box's text", bus.texts_of(box), "Игрок")
    bus.press(bus.control(login, BUTTON, "Принять"))

    message = bus.top_level(game, BOXES, text=INTRODUCTION)
    bus.press(bus.control(message, BUTTON, "OK"))

    main_window = bus.top_level(game, WINDOWS, name="Tarnvik 2")
    bus.expect_named(main_window, "Деньги: 200")
    bus.expect_named(main_window, "Сытость: 50")
    bus.press(bus.control(main_window, BUTTON, "Магазин"))

    shop = bus.top_level(game, WINDOWS, name="Магазин")
    bus.press(bus.control(shop, BUTTON, "Обед"))

    bus.expect_named(main_window, "Деньги: 192")
    bus.expect_named(main_window, "Сытость: 58")
    print("played through the bus: name, introduction, shop, lunch; money and satiety read back")


if __name__ == "__main__":
    bus.run(main)
