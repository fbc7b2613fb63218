#include "saves/save_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace saves {

bool acceptableName(const QString& typed) {
    if (typed == u"." || typed == u"..") {
        return false;
    }
    for (const QChar c : typed) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control) {
            return false;
        }
    }
    return true;
}

QString savePath(const QString& folder, const QString& typed) {
    return QDir(folder).filePath(typed + QStringLiteral(".sav"));
}

std::optional<QString> writeSaveFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that every short write shows: a buffered flush that gets only part of the
    // bytes onto a full disk reports success, and the cut file would replace the old save.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        done += written;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

std::variant<QByteArray, LoadFailure> readSaveFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return LoadFailure{failures::CannotOpen, QStringLiteral("Не удалось открыть файл")};
    }
    QByteArray bytes = file.read(MaxSaveBytes + 1);
    if (bytes.size() > MaxSaveBytes) {
        return LoadFailure{failures::TooLarge, QStringLiteral("Файл слишком большой")};
    }
    if (file.error() != QFileDevice::NoError) {
        return LoadFailure{failures::CannotOpen, QStringLiteral("Не удалось прочитать файл")};
    }
    return bytes;
}

}  // namespace saves
