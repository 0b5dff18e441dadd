#include "drawing/world_file.h"

#include <array>
#include <charconv>
#include <cmath>

#include "base/atomic_file.h"
#include "drawing/field_values.h"

namespace quadrel {

MapOffset LabelOffsetOf(const DrawingInput& input) {
    return {FieldNumber(input.Grid, &GridSet::XConst, input.DecimalSeparator),
            FieldNumber(input.Grid, &GridSet::YConst, input.DecimalSeparator)};
}

WorldFile WorldFileOf(const SheetExtents& sheet, MapOffset offset, int pixelsWide, int pixelsHigh) {
    const double width = sheet.XMax - sheet.XMin;
    const double height = sheet.YMax - sheet.YMin;
    if (pixelsWide <= 0 || pixelsHigh <= 0 || !(width > 0) || !(height > 0)) {
        throw DrawingError("A picture without size cannot be placed on the map.");
    }
    WorldFile world;
    world.PixelWidth = width / pixelsWide;
    world.PixelHeight = -height / pixelsHigh;
    // The picture's upper-left corner is the sheet's; a world file names the
    // centre of that pixel.
    world.CentreX = sheet.XMin + offset.X + world.PixelWidth / 2;
    world.CentreY = sheet.YMax + offset.Y + world.PixelHeight / 2;
    for (const double value : {world.PixelWidth, world.PixelHeight, world.CentreX, world.CentreY}) {
        if (!std::isfinite(value)) RefuseNonFiniteValue();
    }
    return world;
}

std::string WorldFileText(const WorldFile& world) {
    std::string text;
    for (const double value : {world.PixelWidth, world.RowRotation, world.ColumnRotation,
                               world.PixelHeight, world.CentreX, world.CentreY}) {
        std::array<char, 32> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
        text.append(digits.data(), end);
        text += '\n';
    }
    return text;
}

std::filesystem::path WorldFilePath(const std::filesystem::path& picture) {
    const bool upper = picture.extension() == ".PNG";
    return std::filesystem::path(picture).replace_extension(upper ? ".PGW" : ".pgw");
}

void WriteWorldFile(const std::filesystem::path& picture, const WorldFile& world) {
    WriteFileAtomically(WorldFilePath(picture), WorldFileText(world));
}

}  // namespace quadrel
