// Paints a recorded sheet with QPainter, as a DXF viewer shows the file:
// black lines and texts on white paper. The preview, the plots and the
// screenshots all paint through here, so they show the same sheet.
#pragma once

#include <QColor>
#include <QRectF>
#include <QTransform>
#include <vector>

#include "drawing/drawing.h"
#include "drawing/sheet_check.h"
#include "drawing/sheet_recorder.h"

class QPainter;

namespace quadrel {

// The transform from drawing units (y upwards) to device coordinates (y
// downwards) that shows the extents as large as `target` allows, centred,
// with the same number of device units per drawing unit both ways.
QTransform FitSheet(const SheetExtents& extents, const QRectF& target);

// The transform that puts the extents onto `target` exactly, each axis
// scaled on its own: a page of the sheet's size in inches gets the true scale
// of each axis, even where the two scales differ.
QTransform StretchSheet(const SheetExtents& extents, const QRectF& target);

struct SheetPaintStyle {
    QColor Ink = Qt::black;
    QColor Paper = Qt::white;
};

// Paints the paper over the extents, then every entity that can be seen in
// the painter's visible area (its clip, or else its whole device). Texts
// stand on their insertion point at the left end of the baseline, their
// height being the capital height in drawing units, turned counter-clockwise
// by their rotation. Texts too small to read are drawn as a stroke along
// their baseline, which keeps a dense sheet quick at low zoom.
void PaintSheet(QPainter& painter, const SheetRecorder& sheet, const SheetExtents& extents,
                const QTransform& toDevice, const SheetPaintStyle& style = {});

// Outlines each conflict of the sheet check in red: the offending text's box
// and the place where it meets the other item, never smaller than a few
// pixels, so that a slight overlap is seen at any zoom.
void PaintConflicts(QPainter& painter, const SheetRecorder& sheet,
                    const std::vector<SheetConflict>& conflicts, const QTransform& toDevice);

}  // namespace quadrel
