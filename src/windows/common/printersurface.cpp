#include "windows/common/printersurface.h"

#include <cups/cups.h>

#include <QColor>
#include <QFile>
#include <QFontMetrics>
#include <QLibrary>
#include <QPageLayout>
#include <QRectF>
#include <type_traits>

namespace norvex5 {

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The printed fonts are Windows fonts. Where one is missing, the hint lets the font matcher
// pick a face of the same kind (Liberation Serif for Times New Roman, a fixed-pitch face for
// Fixedsys) instead of whatever sans serif comes first.
QFont::StyleHint styleHintFor(const QString& family) {
    if (family.compare(QLatin1String("Fixedsys"), Qt::CaseInsensitive) == 0) return QFont::TypeWriter;
    if (family.contains(QLatin1String("Times"), Qt::CaseInsensitive)) return QFont::Serif;
    return QFont::AnyStyle;
}

struct QueueResolution {
    int x = 0;
    int y = 0;
};

// The print system's library, loaded the first time a queue is asked: linked to the program, it
// and the dozen libraries it needs were loaded at every start, printing or not. Empty when the
// library or one of its functions is missing.
struct PrintSystem {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsCopyDestInfo) copyDestInfo = nullptr;
    decltype(&cupsFindDestDefault) findDestDefault = nullptr;
    decltype(&ippGetResolution) getResolution = nullptr;
    decltype(&cupsFreeDestInfo) freeDestInfo = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;

    bool loaded() const {
        return getNamedDest && copyDestInfo && findDestDefault && getResolution && freeDestInfo && freeDests;
    }
};

const PrintSystem& printSystem() {
    static const PrintSystem loaded = [] {
        QLibrary library(QStringLiteral("cups"), 2);
        PrintSystem functions;
        if (!library.load()) return functions;
        const auto resolve = [&library](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
        };
        resolve(functions.getNamedDest, "cupsGetNamedDest");
        resolve(functions.copyDestInfo, "cupsCopyDestInfo");
        resolve(functions.findDestDefault, "cupsFindDestDefault");
        resolve(functions.getResolution, "ippGetResolution");
        resolve(functions.freeDestInfo, "cupsFreeDestInfo");
        resolve(functions.freeDests, "cupsFreeDests");
        return functions;
    }();
    return loaded;
}

// The resolution a print queue rasterises at by default, as the print system gives it (from the
// queue's driver or the printer itself); nothing when the queue does not say.
QueueResolution queueResolution(const QString& queue) {
    const PrintSystem& cups = printSystem();
    if (!cups.loaded()) return {};
    const QByteArray name = queue.toLocal8Bit();
    cups_dest_t* dest = cups.getNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (dest == nullptr) return {};
    QueueResolution found;
    if (cups_dinfo_t* info = cups.copyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        if (ipp_attribute_t* chosen = cups.findDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution")) {
            ipp_res_t units = IPP_RES_PER_INCH;
            int y = 0;
            const int x = cups.getResolution(chosen, 0, &y, &units);
            if (units == IPP_RES_PER_INCH) found = {x, y};
        }
        cups.freeDestInfo(info);
    }
    cups.freeDests(1, dest);
    return found;
}

}  // namespace

PrinterSurface::PrinterSurface()
    : owned_(std::make_unique<QPrinter>(QPrinter::HighResolution)), printer_(owned_.get()) {
    setUp();
}

PrinterSurface::PrinterSurface(QPrinter& printer) : printer_(&printer) { setUp(); }

void PrinterSurface::setUp() {
    setFont(FontSpec{"Times New Roman", 10, false});
    setPen(kBlack, 1);
    setBrush(kBlack);
}

PrinterSurface::PrinterSurface(const QString& pdfFile, int dpi) : PrinterSurface() {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(pdfFile);
    printer_->setResolution(dpi);
}

PrinterSurface::~PrinterSurface() {
    if (painter_.isActive()) painter_.end();
}

void PrinterSurface::matchQueueResolution() const {
    // A printer owned elsewhere (a preview's) is left as its owner set it up.
    if (!owned_ || painter_.isActive() || printer_->outputFormat() != QPrinter::NativeFormat) return;
    const QString queue = printer_->printerName();
    if (queue.isEmpty() || queue == matchedQueue_) return;
    matchedQueue_ = queue;
    const QueueResolution dpi = queueResolution(queue);
    // A QPrinter has one resolution for both axes: a queue with unequal ones keeps Qt's.
    if (dpi.x <= 0 || dpi.x != dpi.y || dpi.x == printer_->resolution()) return;
    printer_->setResolution(dpi.x);
    ascent_ = QFontMetrics(font_, printer_).ascent();
}

bool PrinterSurface::beginDocument() {
    if (painter_.isActive()) return false;
    matchQueueResolution();
    if (!painter_.begin(printer_)) return false;
    // The printer may have been pointed elsewhere since the font was chosen, and measures anew.
    setFont(fontSpec_);
    painter_.setPen(pen_);
    painter_.setBrush(brush_);
    return true;
}

void PrinterSurface::newPage() { printer_->newPage(); }

void PrinterSurface::endDocument() {
    if (painter_.isActive()) painter_.end();
}

void PrinterSurface::abortDocument() {
    if (!painter_.isActive()) return;
    printer_->abort();
    painter_.end();
    // A file engine cannot take its pages back; a half-written file is no use to anyone.
    if (printer_->outputFormat() == QPrinter::PdfFormat) QFile::remove(printer_->outputFileName());
}

int PrinterSurface::resolution(Axis axis) const {
    matchQueueResolution();
    return axis == Axis::X ? printer_->logicalDpiX() : printer_->logicalDpiY();
}

int PrinterSurface::printingOffset(Axis axis) const {
    matchQueueResolution();
    // Qt's origin is the printable area's corner; this is how far it lies from the paper's.
    const QRectF printable = printer_->pageRect(QPrinter::DevicePixel);
    const QRectF paper = printer_->paperRect(QPrinter::DevicePixel);
    return qRound(axis == Axis::X ? printable.left() - paper.left() : printable.top() - paper.top());
}

PageSize PrinterSurface::pageSize() const {
    matchQueueResolution();
    return {printer_->width(), printer_->height()};
}

void PrinterSurface::setFont(const FontSpec& font) {
    fontSpec_ = font;
    font_ = QFont(fromUtf8(font.name));
    font_.setStyleHint(styleHintFor(font_.family()));
    font_.setPointSize(font.pointSize);
    font_.setBold(font.bold);
    ascent_ = QFontMetrics(font_, printer_).ascent();
    if (painter_.isActive()) painter_.setFont(font_);
}

void PrinterSurface::text(int x, int y, std::string_view utf8) {
    // QPainter places text on its baseline; the model places it by the top of its cell.
    painter_.drawText(x, y + ascent_, fromUtf8(utf8));
}

TextExtent PrinterSurface::textExtent(std::string_view utf8) {
    matchQueueResolution();
    const QFontMetrics metrics(font_, printer_);
    return {metrics.horizontalAdvance(fromUtf8(utf8)), metrics.height()};
}

void PrinterSurface::setBrush(PrintColour colour) {
    brush_ = QBrush(QColor::fromRgb(colour));
    if (painter_.isActive()) painter_.setBrush(brush_);
}

void PrinterSurface::setPen(PrintColour colour, int width) {
    pen_ = QPen(QBrush(QColor::fromRgb(colour)), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (painter_.isActive()) painter_.setPen(pen_);
}

void PrinterSurface::rectangle(int x1, int y1, int x2, int y2) {
    const int w = x2 - x1;
    const int h = y2 - y1;
    if (w <= 0 || h <= 0) return;
    if (pen_.width() <= 1) {
        // A thin outline lies inside the rectangle, so the mark covers exactly its pixels.
        painter_.fillRect(QRect(x1, y1, w, h), brush_);
        painter_.drawRect(QRectF(x1 + 0.5, y1 + 0.5, w - 1, h - 1));
    } else {
        painter_.drawRect(QRectF(x1, y1, w, h));
    }
}

void PrinterSurface::line(int x1, int y1, int x2, int y2) { painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2)); }

}  // namespace norvex5
