#pragma once

#include <QString>

namespace ui::qt {

// Qt's own texts (a text box's context menu, the standard dialogs) in a language ("ru"), from
// the translations Qt is installed with (Debian's qt6-translations-l10n), whatever the
// system's locale. Replaces the language set before; false when Qt has no translation into
// it, and Qt then speaks English.
bool translateQt(const QString& language);

}  // namespace ui::qt
