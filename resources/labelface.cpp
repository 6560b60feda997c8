#include "resources/labelface.h"

#include <array>
#include <cstring>

namespace labelface {
namespace {

// One glyph: rows 2 to 7 of the label, '#' for a pixel that is set. All rows
// of a glyph are equally wide; that width is the glyph's.
struct Glyph
{
    char16_t character;
    std::array<const char *, cellHeight - inkTop> rows;
};

// Each digit has a shape of its own even where 3 columns leave little room:
// the 0 rounded, the 8 square, the 6 open at the top right, the 9 at the bottom left.
constexpr Glyph glyphs[] = {
    { u'0', { ".#.", "#.#", "#.#", "#.#", ".#.", "..." } },
    { u'1', { ".#", "##", ".#", ".#", ".#", ".." } },
    { u'2', { "##.", "..#", ".#.", "#..", "###", "..." } },
    { u'3', { "##.", "..#", ".#.", "..#", "##.", "..." } },
    { u'4', { "#.#", "#.#", "###", "..#", "..#", "..." } },
    { u'5', { "###", "#..", "##.", "..#", "##.", "..." } },
    { u'6', { ".##", "#..", "###", "#.#", "###", "..." } },
    { u'7', { "###", "..#", "..#", ".#.", ".#.", "..." } },
    { u'8', { "###", "#.#", "###", "#.#", "###", "..." } },
    { u'9', { "###", "#.#", "###", "..#", "##.", "..." } },
    { u'E', { "###", "#..", "##.", "#..", "###", "..." } },
    { u'+', { "...", ".#.", "###", ".#.", "...", "..." } },
    { u'-', { "...", "...", "###", "...", "...", "..." } },
    { u'.', { ".", ".", ".", ".", "#", "." } },
    { u',', { ".", ".", ".", ".", "#", "#" } },
    { u' ', { "..", "..", "..", "..", "..", ".." } },
};
constexpr int bottomRow = 4; // of a glyph's rows: the last one a digit sets

const Glyph &glyphOf(QChar c)
{
    for (const Glyph &glyph : glyphs) {
        if (glyph.character == c.unicode())
            return glyph;
    }
    return glyphs[std::size(glyphs) - 1]; // the blank
}

int widthOf(const Glyph &glyph)
{
    return int(std::strlen(glyph.rows[0]));
}

bool isPoint(QChar c)
{
    return c == u'.' || c == u',';
}

// A point or comma after a glyph of 3 columns sits in that glyph's blank
// column, and the glyph leaves out its bottom-right pixel so that the two do
// not run together: "8.8" takes 8 columns, not 9, and ends before column 79
// from column 71. After the narrow "1", which would lose a fifth of its stem,
// the point takes a column of its own.
bool tucksIntoBlank(QStringView text, qsizetype at)
{
    return at > 0 && isPoint(text[at]) && !isPoint(text[at - 1]) && widthOf(glyphOf(text[at - 1])) >= 3;
}

// Calls `pixel(column, row)` for every pixel the text sets, relative to its top-left corner.
template <typename Pixel> void forEachPixel(QStringView text, Pixel pixel)
{
    int left = 0; // where the next glyph starts, after a blank column
    for (qsizetype at = 0; at < text.size(); ++at) {
        const Glyph &glyph = glyphOf(text[at]);
        const int width = widthOf(glyph);
        const bool givesCorner = at + 1 < text.size() && tucksIntoBlank(text, at + 1);
        const int origin = tucksIntoBlank(text, at) ? left - 1 : left;
        for (int row = 0; row < cellHeight - inkTop; ++row) {
            for (int column = 0; column < width; ++column) {
                const bool corner = givesCorner && row == bottomRow && column == width - 1;
                if (glyph.rows[row][column] == '#' && !corner)
                    pixel(origin + column, inkTop + row);
            }
        }
        left = origin + width + 1;
    }
}

} // namespace

int inkWidth(QStringView text)
{
    int width = 0;
    forEachPixel(text, [&](int column, int) { width = qMax(width, column + 1); });
    return width;
}

void draw(QImage &image, QPoint topLeft, QStringView text, QRgb colour)
{
    forEachPixel(text, [&](int column, int row) {
        const QPoint at = topLeft + QPoint(column, row);
        if (image.valid(at))
            image.setPixel(at, colour);
    });
}

} // namespace labelface
