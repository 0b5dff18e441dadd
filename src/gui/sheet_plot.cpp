#include "gui/sheet_plot.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "drawing/world_file.h"
#include "gui/atomic_file_device.h"
#include "gui/sheet_painter.h"

namespace quadrel {
namespace {

// PDF pages and SVG documents are laid out in units this fine, so the page
// size misses the sheet's by no more than a thousandth of an inch.
constexpr int VectorDotsPerInch = 1200;
// The largest picture a PNG plot makes: QImage's side limit, and a memory
// bound of about a gigabyte.
constexpr double MaxPictureSide = 32767;
constexpr double MaxPicturePixels = 250e6;

std::string Named(const std::filesystem::path& path, const std::string& reason) {
    return "cannot write " + path.string() + ": " + reason;
}

// A size in a message: whole numbers while they are readable; limits near
// the largest double give sizes that no integer holds.
std::string SizeText(double value) {
    return value < 1e9 ? std::to_string(std::llround(value)) : "over a billion";
}

void Require(const PlotPage& sheet) {
    if (sheet.Sheet == nullptr || sheet.Layout == nullptr) {
        throw PlotError("there is no sheet to plot");
    }
}

void PaintOnto(QPainter& painter, const PlotPage& sheet, const QRectF& target) {
    const SheetExtents extents = ExtentsOf(*sheet.Layout);
    PaintSheet(painter, *sheet.Sheet, extents, StretchSheet(extents, target));
}

// The sheet's size for a PDF or SVG page, whose sides are counted in whole
// dots: a sheet too large for that count is refused, not wrapped round.
QSizeF VectorPageInches(const MapLayout& layout, const std::filesystem::path& path) {
    const QSizeF inches = SheetSizeInches(layout);
    constexpr double MaxInches = std::numeric_limits<int>::max() / double(VectorDotsPerInch);
    if (inches.width() > MaxInches || inches.height() > MaxInches) {
        throw PlotError(Named(path, "the sheet is " + SizeText(inches.width()) + " by " +
                                        SizeText(inches.height()) +
                                        " inches, too large for a page"));
    }
    return inches;
}

QPageSize PageOf(const MapLayout& layout, const std::filesystem::path& path) {
    return QPageSize(VectorPageInches(layout, path), QPageSize::Inch, QString(),
                     QPageSize::ExactMatch);
}

void WriteSvg(const PlotPage& sheet, const std::filesystem::path& path) {
    const QSizeF inches = VectorPageInches(*sheet.Layout, path);
    const QSize dots(static_cast<int>(std::lround(inches.width() * VectorDotsPerInch)),
                     static_cast<int>(std::lround(inches.height() * VectorDotsPerInch)));
    AtomicFileDevice file(path);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setResolution(VectorDotsPerInch);
        generator.setSize(dots);
        generator.setViewBox(QRect(QPoint(0, 0), dots));
        generator.setTitle(QStringLiteral("Quadrel sheet"));
        QPainter painter;
        if (!painter.begin(&generator)) throw PlotError(Named(path, "the SVG cannot be started"));
        PaintOnto(painter, sheet, QRectF(QPointF(0, 0), QSizeF(dots)));
        painter.end();
    }
    file.Commit();
}

void WritePng(const PlotPage& sheet, const std::filesystem::path& path, int dpi) {
    if (dpi <= 0) throw PlotError(Named(path, "the resolution must be at least 1 dpi"));
    const QSizeF inches = SheetSizeInches(*sheet.Layout);
    const double width = std::ceil(inches.width() * dpi);
    const double height = std::ceil(inches.height() * dpi);
    if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels) {
        throw PlotError(Named(path, "the sheet at " + std::to_string(dpi) + " dpi would be " +
                                        SizeText(width) + " by " + SizeText(height) +
                                        " pixels, too large for a picture; choose a lower "
                                        "resolution"));
    }
    AtomicFileDevice file(path);
    QImage picture(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (picture.isNull()) throw PlotError(Named(path, "not enough memory for the picture"));
    picture.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    {
        // The sheet fills the picture edge to edge (a fraction of a pixel
        // off true scale), so the world file's corners are the sheet's.
        QPainter painter(&picture);
        PaintOnto(painter, sheet, QRectF(picture.rect()));
    }
    if (!picture.save(&file, "PNG")) {
        throw PlotError(Named(path, "the PNG cannot be made"));
    }
    file.Commit();
    WriteWorldFile(path, WorldFileOf(ExtentsOf(*sheet.Layout), sheet.Offset, picture.width(),
                                     picture.height()));
}

}  // namespace

QSizeF SheetSizeInches(const MapLayout& layout) {
    const SheetExtents extents = ExtentsOf(layout);
    const double width = (extents.XMax - extents.XMin) / layout.XUnitsPerInch;
    const double height = (extents.YMax - extents.YMin) / layout.YUnitsPerInch;
    if (!std::isfinite(width) || !std::isfinite(height) || width <= 0 || height <= 0) {
        throw PlotError("the sheet has no size: determine its limits first");
    }
    return {width, height};
}

PlotFormat PlotFormatOf(const std::filesystem::path& path) {
    const std::string extension = PlotExtension(path);
    if (extension == ".pdf") return PlotFormat::Pdf;
    if (extension == ".svg") return PlotFormat::Svg;
    if (extension == ".png") return PlotFormat::Png;
    throw PlotError(Named(path, "a plot is written as .pdf, .svg or .png"));
}

void WritePlot(const PlotPage& sheet, const std::filesystem::path& path, int dpi) {
    const PlotFormat format = PlotFormatOf(path);
    Require(sheet);
    switch (format) {
        case PlotFormat::Pdf:
            WritePdfPages({1, [&sheet](std::size_t) { return sheet; }}, path);
            break;
        case PlotFormat::Svg:
            WriteSvg(sheet, path);
            break;
        case PlotFormat::Png:
            WritePng(sheet, path, dpi);
            break;
    }
}

void WritePdfPages(const PlotPageSource& sheets, const std::filesystem::path& path) {
    if (sheets.Count == 0) throw PlotError(Named(path, "there is no sheet to plot"));
    const PlotPage first = sheets.Page(0);
    Require(first);
    AtomicFileDevice file(path);
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Quadrel"));
        writer.setResolution(VectorDotsPerInch);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setPageSize(PageOf(*first.Layout, path));
        QPainter painter;
        if (!painter.begin(&writer)) throw PlotError(Named(path, "the PDF cannot be started"));
        PaintOnto(painter, first, QRectF(0, 0, writer.width(), writer.height()));
        // Each page is painted before the next is asked for, which may reuse
        // the memory of this one.
        for (std::size_t i = 1; i < sheets.Count; ++i) {
            const PlotPage sheet = sheets.Page(i);
            Require(sheet);
            writer.setPageSize(PageOf(*sheet.Layout, path));
            writer.newPage();
            PaintOnto(painter, sheet, QRectF(0, 0, writer.width(), writer.height()));
        }
        painter.end();
    }
    file.Commit();
}

QPageLayout::Orientation SheetOrientation(QSizeF inches) {
    return inches.width() > inches.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

double PrintSheet(const PlotPage& sheet, QPrinter& printer) {
    Require(sheet);
    const QSizeF inches = SheetSizeInches(*sheet.Layout);
    const double dpi = printer.resolution();
    const QRectF paper = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF printable(0, 0, paper.width(), paper.height());
    const double factor = std::min({1.0, printable.width() / (inches.width() * dpi),
                                    printable.height() / (inches.height() * dpi)});
    const QSizeF size(inches.width() * dpi * factor, inches.height() * dpi * factor);
    QPainter painter;
    if (!painter.begin(&printer)) throw PlotError("the printer cannot be started");
    PaintOnto(painter, sheet, QRectF(QPointF(0, 0), size));
    painter.end();
    return factor;
}

}  // namespace quadrel
