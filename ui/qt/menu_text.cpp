#include "ui/qt/menu_text.h"

#include <QSet>

namespace ui::qt {

QStringList withMnemonics(const QStringList& captions) {
    QSet<QChar> taken;
    QStringList marked;
    for (const QString& caption : captions) {
        QString text;
        bool chosen = false;
        for (const QChar c : caption) {
            const QChar key = c.toLower();
            if (!chosen && c.isLetterOrNumber() && !taken.contains(key)) {
                taken.insert(key);
                text += u'&';
                chosen = true;
            }
            text += c;
            if (c == u'&') {
                text += u'&';
            }
        }
        marked.append(text);
    }
    return marked;
}

QString withoutMnemonic(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;  // "&x" is x, "&&" is "&"
        }
        plain += text[i];
    }
    return plain;
}

}  // namespace ui::qt
