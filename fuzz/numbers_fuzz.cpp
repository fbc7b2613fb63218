// Caption numbers: any text either is no number or reads as one whose printed form reads back
// to itself, so a caption the game wrote never turns into another number when read again.
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "ui/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto value = ui::parseNumber(text);
    if (!value) {
        return 0;
    }
    const QString shown = ui::numberText(*value);
    const auto again = ui::parseNumber(shown);
    if (!again || ui::numberText(*again) != shown) {
        std::abort();
    }
    return 0;
}
