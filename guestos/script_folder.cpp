#include "guestos/script_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "guestos/windows_1251.h"

namespace guestos {

namespace {

struct Sample {
    const char* name;
    QStringList lines;
};

// The texts avoid "msg " and a digit followed by a blank: the runner removes those from the
// messages wherever they stand.
const std::vector<Sample>& samples() {
    static const std::vector<Sample> all = {
        {"Пример.RPF",
         {
             "frm Пример программы",
             "msg 2 Здравствуйте! Это пример программы для Vexa 2: в каждой строке одна команда.",
             "msg 2 Команда «frm» задаёт заголовок сообщений. Взгляните на заголовок этого окна.",
             "beep",
             "msg 2 Команда «beep» подаёт звуковой сигнал. Вы его только что услышали.",
             "msg Команда «msg» с текстом показывает сообщение без значка, как это.",
             "msg 0 Цифра ноль после «msg» ставит значок вопроса,",
             "msg 1 цифра один - значок ошибки,",
             "msg 2 цифра два - значок сведений.",
             "msg 2 Буква t показывает время, буква d - дату. Цифра после буквы выбирает значок.",
             "msg t",
             "msg d2",
             "msg 2 Команда «end» закрывает игру, ничего не сохраняя: её показывает программа "
             "«Выход».",
         }},
        {"Выход.RPF",
         {
             "frm Выход",
             "msg 1 Эта программа закрывает игру командой «end». Несохранённая игра пропадёт!",
             "end ",
         }},
    };
    return all;
}

bool isEmptyFolder(const QString& folder) {
    return QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                                QDir::NoDotAndDotDot);
}

}  // namespace

QString scriptFolder(const QString& gameFolder) {
    return QDir(gameFolder).filePath(QStringLiteral("PF"));
}

bool scriptFolderReadable(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

std::optional<QByteArray> readScript(const QString& path) {
    // A named pipe or a device would block the read or never end it.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxScriptBytes) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    // Bounded even if the file grew since it was looked at.
    QByteArray bytes = file.read(MaxScriptBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxScriptBytes) {
        return std::nullopt;
    }
    return bytes;
}

void prepareScriptFolder(const QString& gameFolder) {
    const QString folder = scriptFolder(gameFolder);
    if (!QDir().mkpath(folder) || !isEmptyFolder(folder)) {
        return;
    }
    // A sample that cannot be written is left out: the player asked for none of them.
    for (const Sample& sample : samples()) {
        QFile file(QDir(folder).filePath(QString::fromUtf8(sample.name)));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            file.write(encodeWindows1251(sample.lines.join(QStringLiteral("\r\n")) +
                                         QStringLiteral("\r\n")));
        }
    }
}

}  // namespace guestos
