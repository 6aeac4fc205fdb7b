#pragma once
// The words of a PDF with their boxes in points and their page, read with poppler's pdftotext
// -bbox, so a test can check where each "X" of a ticket landed and how many pages there are.
// The tool's path comes from the test's NORVEX5_PDFTOTEXT definition.

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <cmath>

namespace norvex5::testing {

struct PdfWord {
    int page;
    double xMin;
    double yMin;
    double xMax;
    double yMax;
    QString text;
};

struct PdfText {
    bool read = false;  // the tool ran and answered
    int pages = 0;
    QList<PdfWord> words;

    // The words "X" of one page (from 1).
    QList<PdfWord> marksOn(int page) const {
        QList<PdfWord> marks;
        for (const PdfWord& w : words)
            if (w.page == page && w.text == QLatin1String("X")) marks.append(w);
        return marks;
    }
};

inline PdfText readPdfWords(const QString& pdf) {
    PdfText result;
    QProcess tool;
    tool.start(QStringLiteral(NORVEX5_PDFTOTEXT), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return result;
    result.read = true;
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    static const QRegularExpression tag(QString::fromLatin1(
        R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++result.pages;
            continue;
        }
        result.words.append({result.pages, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                             m.captured(4).toDouble(), m.captured(5)});
    }
    return result;
}

inline double cmToPoints(double cm) { return cm / 2.54 * 72; }

// True when one of `marks` has its top-left corner within `tolerance` points of (xCm, yCm).
inline bool hasMarkAt(const QList<PdfWord>& marks, double xCm, double yCm, double tolerance) {
    const double x = cmToPoints(xCm);
    const double y = cmToPoints(yCm);
    for (const PdfWord& w : marks)
        if (std::abs(w.xMin - x) < tolerance && std::abs(w.yMin - y) < tolerance) return true;
    return false;
}

}  // namespace norvex5::testing
