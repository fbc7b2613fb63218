#include "tools/autoplay/random_text.h"

namespace autoplay {

namespace {

QString word(Dice& dice, const QString& alphabet, int length) {
    QString text;
    for (int i = 0; i < length; ++i) {
        text += alphabet[dice.below(static_cast<int>(alphabet.size()))];
    }
    return text;
}

QString latin(Dice& dice) {
    return word(dice,
                QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_"),
                dice.between(1, 12));
}

QString russian(Dice& dice) {
    return word(
        dice, QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"),
        dice.between(1, 10));
}

QString number(Dice& dice) {
    static const QStringList shapes = {
        QStringLiteral("0"),   QStringLiteral("-5"),    QStringLiteral("1e9"),
        QStringLiteral("0.5"), QStringLiteral("1,5"),   QStringLiteral("99999999999999999999"),
        QStringLiteral("nan"), QStringLiteral("-0"),    QStringLiteral(" 7 "),
        QStringLiteral("255"), QStringLiteral("32768"), QStringLiteral("+3")};
    return dice.chance(0.5) ? QString::number(dice.between(-1000, 100000)) : dice.pick(shapes);
}

// Names that reach the file system through the save window.
QString fileName(Dice& dice) {
    static const QStringList shapes = {
        QStringLiteral("Sav"),       QStringLiteral("game.sav"), QStringLiteral("a/b"),
        QStringLiteral("../up"),     QStringLiteral("../../x"),  QStringLiteral("PF"),
        QStringLiteral("имя файла"), QStringLiteral(" blank "),  QStringLiteral("."),
        QStringLiteral(".."),        QStringLiteral("con"),      QStringLiteral("a:b*c?d"),
        QStringLiteral("x.RPF"),     QStringLiteral("dir/"),     QStringLiteral("~")};
    return dice.pick(shapes);
}

QString control(Dice& dice) {
    static const QString controls = QStringLiteral("\t\r\n\x01\x1b\x7f");
    QString text = latin(dice);
    for (int i = dice.between(1, 4); i > 0; --i) {
        text.insert(dice.below(static_cast<int>(text.size()) + 1),
                    controls[dice.below(static_cast<int>(controls.size()))]);
    }
    return text;
}

QString longText(Dice& dice) {
    const QString unit = dice.chance(0.5) ? russian(dice) : latin(dice);
    return unit.repeated(dice.between(100, 5000) / static_cast<int>(unit.size()) + 1);
}

}  // namespace

QString randomText(Dice& dice, const QStringList& onScreen) {
    switch (dice.weighted({4, 6, 6, 4, 5, 2, 1, 1, 4})) {
        case 0:
            return QString();
        case 1:
            return latin(dice);
        case 2:
            return russian(dice) + (dice.chance(0.3) ? u' ' + russian(dice) : QString());
        case 3:
            return number(dice);
        case 4:
            return fileName(dice);
        case 5:
            return control(dice);
        case 6:
            return longText(dice);
        case 7:
            return QStringLiteral("\U0001F600 ") + latin(dice);
        default:
            return onScreen.isEmpty() ? latin(dice)
                                      : onScreen[dice.below(static_cast<int>(onScreen.size()))];
    }
}

}  // namespace autoplay
