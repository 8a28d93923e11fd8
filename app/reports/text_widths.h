#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <unordered_map>

class QPaintDevice;

// One line of a wrapped text: the characters it holds and its width in millimetres.
struct TextLine
{
    int start = 0;
    int length = 0;
    qreal width = 0;
};

// The widths of a report's texts in millimetres, measured on one fine resolution whatever the
// page is painted on: the layout and every painting of it (paper, PDF, the preview at any zoom)
// take the same decisions, so a page holds the same rows wherever it is shown. The values that
// come back row after row (bank names, statuses, the words of descriptions) are remembered, so
// that each is shaped once and not on every row. Fonts are told apart by their address: clear()
// when the fonts measured so far go away.
class TextWidths
{
public:
    qreal of(const QFont& font, const QString& text);
    // The lines the text takes in `width` millimetres: broken at blanks, and inside a word only
    // where the word alone is wider than the line. Never empty.
    QList<TextLine> wrap(const QFont& font, const QString& text, qreal width);
    qreal lineHeight(const QFont& font);
    qreal ascent(const QFont& font);
    qreal descent(const QFont& font);
    void clear() { m_known.clear(); }

    // The resolution texts are measured at.
    static const QPaintDevice& reference();

private:
    struct Known
    {
        QFontMetricsF metrics;
        QHash<QString, qreal> texts;
        QHash<QString, qreal> words;
        qreal space = 0;
        // Advances of the ASCII characters, measured as they are first met; negative: not yet.
        std::array<qreal, 128> ascii;
    };
    Known& known(const QFont& font);
    qreal measured(Known& entry, QHash<QString, qreal>& cache, const QString& text);
    static bool asciiWidth(Known& entry, const QString& text, qreal* width);
    void breakWord(Known& entry, const QString& text, int from, int to, qreal width, QList<TextLine>& lines,
                   TextLine& open);

    std::unordered_map<const QFont*, Known> m_known;
};
