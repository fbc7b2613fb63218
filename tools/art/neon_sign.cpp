#include "neon_sign.h"

#include <array>

namespace art {
namespace {

constexpr int GlyphWidth = 5;
constexpr int GlyphHeight = 7;
constexpr int Spacing = 1;  // blank font pixels between letters

using Glyph = std::array<const char*, GlyphHeight>;

const Glyph& glyph(QChar letter) {
    static const Glyph blank{".....", ".....", ".....", ".....", ".....", ".....", "....."};
    static const Glyph a{".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"};
    static const Glyph i{".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."};
    static const Glyph k{"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"};
    static const Glyph n{"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"};
    static const Glyph r{"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"};
    static const Glyph t{"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."};
    static const Glyph v{"#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#..", "..#.."};
    switch (letter.unicode()) {
        case 'A':
            return a;
        case 'I':
            return i;
        case 'K':
            return k;
        case 'N':
            return n;
        case 'R':
            return r;
        case 'T':
            return t;
        case 'V':
            return v;
        default:
            return blank;
    }
}

// Calls visit(x, y) for the top-left corner of every lit font pixel.
template <typename Visit>
void forEachPixel(QPoint topLeft, QStringView text, int scale, Visit visit) {
    int left = topLeft.x();
    for (QChar letter : text) {
        const Glyph& rows = glyph(letter);
        for (int row = 0; row < GlyphHeight; ++row) {
            for (int column = 0; column < GlyphWidth; ++column) {
                if (rows[row][column] == '#') {
                    visit(left + column * scale, topLeft.y() + row * scale);
                }
            }
        }
        left += (GlyphWidth + Spacing) * scale;
    }
}

}  // namespace

void drawNeonText(QPainter& painter, QPoint topLeft, QStringView text, int scale,
                  const QColor& color) {
    painter.save();
    painter.setPen(Qt::NoPen);
    // A soft halo first, then the tube, then its hot core, so neighbouring pixels merge into
    // one glowing stroke.
    QColor halo = color;
    halo.setAlpha(38);
    painter.setBrush(halo);
    forEachPixel(topLeft, text, scale, [&](int x, int y) {
        painter.drawRect(x - scale, y - scale, 3 * scale, 3 * scale);
    });
    painter.setBrush(color);
    forEachPixel(topLeft, text, scale, [&](int x, int y) { painter.drawRect(x, y, scale, scale); });
    const QColor core = color.lighter(150);
    painter.setBrush(core);
    const int inset = scale / 3;
    forEachPixel(topLeft, text, scale, [&](int x, int y) {
        painter.drawRect(x + inset, y + inset, scale - 2 * inset, scale - 2 * inset);
    });
    painter.restore();
}

int neonTextWidth(QStringView text, int scale) {
    if (text.isEmpty()) {
        return 0;
    }
    return (int(text.size()) * (GlyphWidth + Spacing) - Spacing) * scale;
}

int neonTextHeight(int scale) {
    return GlyphHeight * scale;
}

}  // namespace art
