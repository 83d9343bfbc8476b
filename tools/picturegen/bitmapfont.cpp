#include "bitmapfont.h"

#include <array>
#include <cstring>
#include <vector>

namespace {

struct Glyph {
    char16_t letter;
    int firstRow; // relative to the top of the capitals: -3 accent, -1 ascender, 2 x-height
    std::array<const char *, 12> rows;
};

// clang-format off
const Glyph glyphs[] = {
    {u'A', 0, {"..####..", ".##..##.", "##....##", "##....##", "##....##", "########", "##....##", "##....##", "##....##"}},
    {u'B', 0, {"######.", "##...##", "##...##", "##...##", "######.", "##...##", "##...##", "##...##", "######."}},
    {u'C', 0, {".######", "##.....", "##.....", "##.....", "##.....", "##.....", "##.....", "##.....", ".######"}},
    {u'D', 0, {"######..", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##", "######.."}},
    {u'E', 0, {"######", "##....", "##....", "##....", "#####.", "##....", "##....", "##....", "######"}},
    {u'F', 0, {"######", "##....", "##....", "##....", "#####.", "##....", "##....", "##....", "##...."}},
    {u'I', 0, {"##", "##", "##", "##", "##", "##", "##", "##", "##"}},
    {u'J', 0, {"...##", "...##", "...##", "...##", "...##", "...##", "...##", "##.##", ".###."}},
    {u'L', 0, {"##....", "##....", "##....", "##....", "##....", "##....", "##....", "##....", "######"}},
    {u'M', 0, {"##......##", "###....###", "####..####", "##.####.##", "##..##..##", "##......##", "##......##", "##......##", "##......##"}},
    {u'N', 0, {"##....##", "###...##", "####..##", "##.##.##", "##..####", "##...###", "##....##", "##....##", "##....##"}},
    {u'O', 0, {".######.", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##", ".######."}},
    {u'P', 0, {"######.", "##...##", "##...##", "##...##", "######.", "##.....", "##.....", "##.....", "##....."}},
    {u'R', 0, {"######.", "##...##", "##...##", "##...##", "######.", "##.##..", "##..##.", "##...##", "##...##"}},
    {u'S', 0, {".######", "##.....", "##.....", "##.....", ".#####.", ".....##", ".....##", ".....##", "######."}},
    {u'T', 0, {"########", "...##...", "...##...", "...##...", "...##...", "...##...", "...##...", "...##...", "...##..."}},
    {u'U', 0, {"##....##", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##", ".######."}},
    {u'\u00DA', -3, {"....##..", "...##...", "........", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##", ".######."}},
    {u'V', 0, {"##....##", "##....##", "##....##", "##....##", ".##..##.", ".##..##.", "..####..", "..####..", "...##..."}},
    {u'Z', 0, {"#######", ".....##", ".....##", "....##.", "...##..", "..##...", ".##....", "##.....", "#######"}},
    {u'2', 0, {".####.", "##..##", "....##", "....##", "...##.", "..##..", ".##...", "##....", "######"}},
    {u'a', 2, {".####.", "....##", "....##", ".#####", "##..##", "##..##", ".#####"}},
    {u'b', -1, {"##....", "##....", "##....", "#####.", "##..##", "##..##", "##..##", "##..##", "##..##", "#####."}},
    {u'c', 2, {".#####", "##....", "##....", "##....", "##....", "##....", ".#####"}},
    {u'e', 2, {".####.", "##..##", "##..##", "######", "##....", "##....", ".#####"}},
    {u'l', -1, {"##", "##", "##", "##", "##", "##", "##", "##", "##", "##"}},
    {u'o', 2, {".####.", "##..##", "##..##", "##..##", "##..##", "##..##", ".####."}},
    {u'r', 2, {"##.##", "####.", "##...", "##...", "##...", "##...", "##..."}},
    {u's', 2, {".#####", "##....", "##....", ".####.", "....##", "....##", "#####."}},
    {u't', 0, {".##.", ".##.", "####", ".##.", ".##.", ".##.", ".##.", ".##.", "..##"}},
};
// clang-format on

const Glyph *find(QChar letter)
{
    for (const Glyph &glyph : glyphs)
        if (glyph.letter == letter.unicode())
            return &glyph;
    return nullptr;
}

} // namespace

int glyphWidth(QChar letter)
{
    const Glyph *glyph = find(letter);
    return glyph ? int(std::strlen(glyph->rows[0])) : 0;
}

void drawGlyph(QImage &image, QChar letter, int left, int capTop, QRgb colour)
{
    const Glyph *glyph = find(letter);
    if (!glyph)
        return;
    for (int row = 0; row < int(glyph->rows.size()) && glyph->rows[row]; ++row)
        for (int column = 0; glyph->rows[row][column]; ++column)
            if (glyph->rows[row][column] == '#')
                image.setPixel(left + column, capTop + glyph->firstRow + row, colour);
}

void drawTextLine(QImage &image, const QString &text, int left, int right, int capTop, QRgb colour)
{
    const QStringList words = text.split(QLatin1Char(' '));
    int ink = 0;
    int letterGaps = 0;
    for (const QString &word : words) {
        for (QChar letter : word)
            ink += glyphWidth(letter);
        letterGaps += int(word.size()) - 1;
    }
    const int wordGaps = int(words.size()) - 1;
    const int room = right - left + 1 - ink;

    // The widest word gap (8 down to 5) that leaves the letters 1 to 3 pixels apart.
    int wordGap = 0;
    int letterRoom = room;
    for (int candidate = 8; wordGaps > 0 && candidate >= 5; --candidate) {
        wordGap = candidate;
        letterRoom = room - wordGaps * candidate;
        if (letterRoom <= 2 * letterGaps)
            break;
    }

    // Spread letterRoom over the letter gaps as evenly as the pixels allow.
    int x = left;
    int gapIndex = 0;
    for (qsizetype w = 0; w < words.size(); ++w) {
        const QString &word = words[w];
        for (qsizetype i = 0; i < word.size(); ++i) {
            drawGlyph(image, word[i], x, capTop, colour);
            x += glyphWidth(word[i]);
            if (i + 1 < word.size()) {
                const int before = letterRoom * gapIndex / letterGaps;
                ++gapIndex;
                x += letterRoom * gapIndex / letterGaps - before;
            }
        }
        x += wordGap;
    }
}
