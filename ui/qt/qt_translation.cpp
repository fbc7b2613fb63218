#include "ui/qt/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace ui::qt {

bool translateQt(const QString& language) {
    static QPointer<QTranslator> installed;
    delete installed.data();  // the language before goes, and its texts with it
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_") + language,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    installed = translator.release();
    QCoreApplication::installTranslator(installed);
    return true;
}

}  // namespace ui::qt
