#include "tools/autoplay/scripts.h"

#include <QStringEncoder>
#include <QStringList>

namespace autoplay {

namespace {

QByteArray windows1251(const QString& text) {
    QStringEncoder encoder("windows-1251");
    if (!encoder.isValid()) {
        return text.toUtf8();
    }
    return encoder.encode(text);
}

QString scriptLine(Dice& dice) {
    static const QStringList messages = {QStringLiteral("msg 0 Вопрос"),
                                         QStringLiteral("msg 1 Ошибка 10 0 apples"),
                                         QStringLiteral("msg 2 Hello world"),
                                         QStringLiteral("msg t"),
                                         QStringLiteral("msg t0"),
                                         QStringLiteral("msg t1"),
                                         QStringLiteral("msg t2"),
                                         QStringLiteral("msg d"),
                                         QStringLiteral("msg d0"),
                                         QStringLiteral("msg d1"),
                                         QStringLiteral("msg d2"),
                                         QStringLiteral("msg "),
                                         QStringLiteral("msg 0"),
                                         QStringLiteral("msg T"),
                                         QStringLiteral("MSG 0 Bye"),
                                         QStringLiteral("msg msg 2 2 twice")};
    static const QStringList others = {
        QStringLiteral("frm Demo"), QStringLiteral("frm A frm B"), QStringLiteral("FRM x"),
        QStringLiteral("frm"),      QStringLiteral("frm "),        QStringLiteral("beep"),
        QStringLiteral("BEEPbeep"), QStringLiteral("end"),         QStringLiteral(""),
        QStringLiteral("ms"),       QStringLiteral("заголовок"),   QStringLiteral("frm Окно")};
    switch (dice.weighted({6, 5, 0.15})) {
        case 0:
            return dice.pick(messages);
        case 1:
            return dice.pick(others);
        default:
            return QStringLiteral("end ");
    }
}

}  // namespace

QByteArray randomScript(Dice& dice) {
    QByteArray bytes;
    const QByteArray lineEnd = dice.chance(0.9) ? QByteArray("\r\n") : QByteArray("\n");
    for (int i = dice.between(0, 8); i > 0; --i) {
        bytes += windows1251(scriptLine(dice)) + lineEnd;
    }
    if (dice.chance(0.1) && bytes.endsWith('\n')) {
        bytes.chop(lineEnd.size());
    }
    return bytes;
}

}  // namespace autoplay
