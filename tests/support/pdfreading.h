#pragma once
// Reading back the PDFs a test printed, with poppler's tools: the words with their boxes in
// points (pdftotext -bbox), so a test can check where each "X" of a ticket landed and how many
// pages there are; and a page as grey pixels (pdftoppm) with its dark marks found, for PDFs in
// which the marks are drawn shapes rather than text (a print server turns text into glyph
// drawings). The tools' paths come from the test's NORVEX5_PDFTOTEXT and NORVEX5_PDFTOPPM.

#include <QFile>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

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

#ifdef NORVEX5_PDFTOPPM
// One page of a PDF as grey pixels, one byte each, 0 black.
struct PagePicture {
    int width = 0;
    int height = 0;
    QByteArray pixels;
    // The grey of a pixel; white outside the page.
    int at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return 255;
        return static_cast<unsigned char>(pixels[y * width + x]);
    }
    bool dark(int x, int y) const { return at(x, y) < 128; }
};

inline PagePicture renderPdfPage(const QString& pdf, int page, int dpi, const QString& scratchDir) {
    PagePicture picture;
    const QString prefix = scratchDir + QStringLiteral("/rendered");
    const int code =
        QProcess::execute(QStringLiteral(NORVEX5_PDFTOPPM),
                          {QStringLiteral("-q"), QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                           QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                           QStringLiteral("-singlefile"), pdf, prefix});
    QFile file(prefix + QStringLiteral(".pgm"));
    if (code != 0 || !file.open(QIODevice::ReadOnly)) return picture;
    const QByteArray data = file.readAll();
    // "P5\n<width> <height>\n255\n" then the pixels.
    QList<QByteArray> header;
    qsizetype pos = 0;
    while (header.size() < 4 && pos < data.size()) {
        while (pos < data.size() && QChar(data[pos]).isSpace()) ++pos;
        const qsizetype start = pos;
        while (pos < data.size() && !QChar(data[pos]).isSpace()) ++pos;
        header.append(data.mid(start, pos - start));
    }
    if (header.size() < 4 || header[0] != "P5") return picture;
    picture.width = header[1].toInt();
    picture.height = header[2].toInt();
    picture.pixels = data.mid(pos + 1);
    if (picture.pixels.size() < qsizetype(picture.width) * picture.height) picture = {};
    return picture;
}

// The box of one patch of touching dark pixels, in pixels, right and bottom included.
struct DarkPatch {
    int left;
    int top;
    int right;
    int bottom;
};

// Every patch of dark pixels touching along sides or corners: each mark of a ticket is one.
inline std::vector<DarkPatch> darkPatches(const PagePicture& picture) {
    std::vector<DarkPatch> patches;
    std::vector<bool> seen(static_cast<std::size_t>(picture.width) * picture.height, false);
    std::vector<std::pair<int, int>> stack;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (!picture.dark(x, y) || seen[std::size_t(y) * picture.width + x]) continue;
            DarkPatch patch{x, y, x, y};
            stack.push_back({x, y});
            seen[std::size_t(y) * picture.width + x] = true;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                patch.left = std::min(patch.left, px);
                patch.right = std::max(patch.right, px);
                patch.top = std::min(patch.top, py);
                patch.bottom = std::max(patch.bottom, py);
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = px + dx;
                        const int ny = py + dy;
                        if (!picture.dark(nx, ny) || seen[std::size_t(ny) * picture.width + nx]) continue;
                        seen[std::size_t(ny) * picture.width + nx] = true;
                        stack.push_back({nx, ny});
                    }
            }
            patches.push_back(patch);
        }
    }
    return patches;
}
#endif

}  // namespace norvex5::testing
