#include "ui/qt/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace ui::qt {

bool translateQt(const QString& language) {
    static QPointer<QTranslator> installed;
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_") + language,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    delete installed.data();  // its texts leave with it
    installed = translator.release();
    QCoreApplication::installTranslator(installed);
    return true;
}

}  // namespace ui::qt
