// Programs of the in-game system: any bytes run to their end or to an "end " line, with no
// crash, no hang and nothing after the end; every line makes at most one thing happen, and no
// message is longer than the line it came from (or than a time or date text).
#include <QByteArrayView>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "guestos/script_runner.h"

namespace {

class CheckingHost : public guestos::ScriptHost {
public:
    void message(const QString& text, ui::MessageKind, const std::optional<QString>&) override {
        effect();
        longest = std::max(longest, text.size());
    }
    void beep() override { effect(); }
    QString currentTime() override { return QStringLiteral("12:00:00"); }
    QString currentDate() override { return QStringLiteral("09.12.2026"); }
    void endProgram() override {
        effect();
        ended = true;
    }

    qsizetype effects = 0;
    qsizetype longest = 0;
    bool ended = false;

private:
    void effect() {
        if (ended) {
            std::abort();  // the program went on after its end
        }
        ++effects;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView file(data, static_cast<qsizetype>(size));
    CheckingHost host;
    QString title;
    const auto end = guestos::runScript(file, title, host);
    const qsizetype lines = file.count('\n') + file.count('\r') + 1;
    if (host.effects > lines || host.longest > std::max<qsizetype>(file.size(), 10) ||
        (end == guestos::ScriptEnd::ProgramEnded) != host.ended || title.size() > file.size()) {
        std::abort();
    }
    return 0;
}
