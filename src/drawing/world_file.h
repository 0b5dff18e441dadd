// Where a raster plot lies on the map: the world file beside a picture,
// which GIS programs (GDAL, QGIS, ArcGIS) read to place it in the
// coordinates the sheet's labels print.
#pragma once

#include <filesystem>
#include <string>

#include "drawing/drawing.h"

namespace quadrel {

// What the labels add to the drawing's coordinates (XConst, YConst), so that
// a picture is placed where its labels say it is.
struct MapOffset {
    double X = 0;
    double Y = 0;
};

// The set's constants, read as the grid reads them. Throws ConversionError
// naming the field for a text that is no number.
MapOffset LabelOffsetOf(const DrawingInput& input);

// The six numbers of a world file, in the order of its lines.
struct WorldFile {
    double PixelWidth = 0;      // map units per pixel along X
    double RowRotation = 0;     // always 0: sheets are never turned
    double ColumnRotation = 0;  // always 0
    double PixelHeight = 0;     // negative: rows go down while Y goes up
    double CentreX = 0;         // the centre of the upper-left pixel
    double CentreY = 0;
};

// The world file of a picture of `pixelsWide` by `pixelsHigh` pixels onto
// which the sheet's extents are painted edge to edge, each axis at its own
// scale. Throws DrawingError for a picture or a sheet without size.
WorldFile WorldFileOf(const SheetExtents& sheet, MapOffset offset, int pixelsWide, int pixelsHigh);

// Six lines, each number as short as reads back exactly.
std::string WorldFileText(const WorldFile& world);

// NAME.pgw beside NAME.png (NAME.PGW beside NAME.PNG).
std::filesystem::path WorldFilePath(const std::filesystem::path& picture);

// Replaces the world file of `picture` atomically; FileError naming it when
// it cannot be written.
void WriteWorldFile(const std::filesystem::path& picture, const WorldFile& world);

}  // namespace quadrel
