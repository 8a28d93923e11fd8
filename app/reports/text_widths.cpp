#include "reports/text_widths.h"

#include <QImage>
#include <QTextBoundaryFinder>

namespace {

constexpr int ReferenceDpi = 1200;
constexpr qreal MillimetresPerInch = 25.4;
constexpr qreal MillimetresPerPixel = MillimetresPerInch / ReferenceDpi;
// Enough for the repeated values of a column; texts that rarely repeat come and go.
constexpr int MaxRemembered = 4096;

} // namespace

const QPaintDevice& TextWidths::reference()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        const int dotsPerMetre = qRound(ReferenceDpi / MillimetresPerInch * 1000);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

TextWidths::Known& TextWidths::known(const QFont& font)
{
    auto found = m_known.find(&font);
    if (found == m_known.end()) {
        Known entry{QFontMetricsF(font, &reference()), {}, {}, 0, {}};
        entry.ascii.fill(-1);
        entry.space = entry.metrics.horizontalAdvance(QLatin1Char(' ')) * MillimetresPerPixel;
        found = m_known.emplace(&font, std::move(entry)).first;
    }
    return found->second;
}

// Figures, dates and Latin numbers are as wide as their characters one after another: they
// join no letters, and a kerned pair only makes the text narrower than counted. Most cheque
// numbers and amounts occur once, so adding up saves shaping each of them.
bool TextWidths::asciiWidth(Known& entry, const QString& text, qreal* width)
{
    qreal sum = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u >= 0x7f)
            return false;
        qreal& advance = entry.ascii[u];
        if (advance < 0)
            advance = entry.metrics.horizontalAdvance(c) * MillimetresPerPixel;
        sum += advance;
    }
    *width = sum;
    return true;
}

qreal TextWidths::measured(Known& entry, QHash<QString, qreal>& cache, const QString& text)
{
    qreal ascii = 0;
    if (asciiWidth(entry, text, &ascii))
        return ascii;
    const auto width = cache.constFind(text);
    if (width != cache.cend())
        return *width;
    if (cache.size() >= MaxRemembered)
        cache.clear();
    const qreal millimetres = entry.metrics.horizontalAdvance(text) * MillimetresPerPixel;
    cache.insert(text, millimetres);
    return millimetres;
}

qreal TextWidths::of(const QFont& font, const QString& text)
{
    Known& entry = known(font);
    return measured(entry, entry.texts, text);
}

qreal TextWidths::lineHeight(const QFont& font)
{
    return known(font).metrics.lineSpacing() * MillimetresPerPixel;
}

qreal TextWidths::ascent(const QFont& font)
{
    return known(font).metrics.ascent() * MillimetresPerPixel;
}

qreal TextWidths::descent(const QFont& font)
{
    return known(font).metrics.descent() * MillimetresPerPixel;
}

// Words are measured one by one: a blank ends the joining of Persian letters, so a line is as
// wide as its words and the blanks between them.
QList<TextLine> TextWidths::wrap(const QFont& font, const QString& text, qreal width)
{
    Known& entry = known(font);
    QList<TextLine> lines;
    TextLine open{0, -1, 0};
    const int size = int(text.size());
    int at = 0;
    while (at <= size) {
        int end = int(text.indexOf(QLatin1Char(' '), at));
        if (end < 0)
            end = size;
        const qreal word = measured(entry, entry.words, text.mid(at, end - at));
        if (open.length < 0) {
            if (word > width) {
                breakWord(entry, text, at, end, width, lines, open);
            } else {
                open = {at, end - at, word};
            }
        } else if (open.width + entry.space + word <= width) {
            open.length = end - open.start;
            open.width += entry.space + word;
        } else {
            lines << open;
            open = {0, -1, 0};
            continue; // the word begins the next line
        }
        at = end + 1;
    }
    if (open.length >= 0)
        lines << open;
    if (lines.isEmpty())
        lines << TextLine{};
    return lines;
}

// A word wider than the whole line is cut between two letters, as many times as it takes; its
// last piece begins the open line.
void TextWidths::breakWord(Known& entry, const QString& text, int from, int to, qreal width, QList<TextLine>& lines,
                           TextLine& open)
{
    const QString word = text.mid(from, to - from);
    QList<int> ends;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, word);
    for (qsizetype at = graphemes.toNextBoundary(); at > 0; at = graphemes.toNextBoundary())
        ends << int(at);
    int start = 0;
    int first = 0;
    while (start < word.size()) {
        // The longest run of letters from start that fits, one letter at the least.
        int low = first;
        int high = int(ends.size()) - 1;
        while (low < high) {
            const int middle = (low + high + 1) / 2;
            if (entry.metrics.horizontalAdvance(word.mid(start, ends[middle] - start)) * MillimetresPerPixel <= width)
                low = middle;
            else
                high = middle - 1;
        }
        const int end = ends[low];
        const TextLine piece{from + start, end - start,
                             entry.metrics.horizontalAdvance(word.mid(start, end - start)) * MillimetresPerPixel};
        if (end >= word.size()) {
            open = piece;
            return;
        }
        lines << piece;
        start = end;
        first = low + 1;
    }
}
