#pragma once

#include "reports/report_engine.h"
#include "reports/report_output.h"

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

// What a report prints, read back from its PDF with pdftotext: the text of each page laid
// out as on paper. Persian words may come back in visual order; digits and Latin text come
// back as printed.
class PdfText
{
public:
    bool render(ReportEngine& report)
    {
        const QString pdf = m_dir.filePath(QStringLiteral("report%1.pdf").arg(++m_count));
        if (!ReportOutput::writePdf(report, pdf, &m_error))
            return false;
        return read(pdf);
    }

    bool read(const QString& pdf)
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            m_error = QString::fromUtf8(process.readAllStandardError());
            return false;
        }
        m_text = QString::fromUtf8(process.readAllStandardOutput());
        m_pages = m_text.split(QLatin1Char('\f'));
        if (!m_pages.isEmpty() && m_pages.last().trimmed().isEmpty())
            m_pages.removeLast();
        return true;
    }

    QString text() const { return m_text; }
    QStringList pages() const { return m_pages; }
    QString error() const { return m_error; }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_text;
    QStringList m_pages;
    QString m_error;
    int m_count = 0;
};

// Persian as pdftotext gives it back: presentation forms, bidi marks, and the Persian or
// Arabic forms of yeh, kaf and heh depending on the font. Folded, a printed caption can be
// compared with the text it was printed from. Tatweels go too: a narrow column prints its
// stretched heading without them.
inline QString folded(const QString& text)
{
    QString plain = text.normalized(QString::NormalizationForm_KC);
    QString out;
    for (const QChar c : plain) {
        const char16_t u = c.unicode();
        if ((u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E || u == 0x200F || u == 0x0640)
            continue;
        if (u == 0x06CC || u == 0x0649)
            out += QChar(0x064A);
        else if (u == 0x06A9)
            out += QChar(0x0643);
        else if (u == 0x06C1 || u == 0x06BE)
            out += QChar(0x0647);
        else
            out += c;
    }
    return out;
}

constexpr double PointsPerMillimetre = 72 / 25.4;

// Where a word is printed across the page, in points from its left edge.
struct PdfWord
{
    double xMin;
    double xMax;
};

// The words of the first page by their text (the last of the same text wins).
inline QMap<QString, PdfWord> pdfWords(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    QMap<QString, PdfWord> words;
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        words.insert(match.captured(3), {match.captured(1).toDouble(), match.captured(2).toDouble()});
    }
    return words;
}
