// Finding the sheet of paper in a photograph of a page: the bright
// quadrilateral against a darker table, its edges and its tilt.
//
// The picture's luminance, with its lines closed away, is split into light
// and dark at the level that best separates the two (Otsu). The largest light
// part, its holes filled, is the sheet when it covers at least
// kMinSheetShare of the picture, the picture's border is mostly dark, and the
// dark surround is at least kMinSurround of the picture's shorter side thick
// on average (thinner is a frame drawn round the picture, not a table). Each
// side of the sheet not cut by the picture's edge gets a straight line fitted
// to its boundary; their median angle is the tilt. The four sides must enclose
// the light part closely, and most of it must be nearly grey, as paper is.
#pragma once

#include <QImage>
#include <QPolygonF>
#include <optional>

namespace importer {

inline constexpr double kMinSheetShare = 0.2;
inline constexpr double kMinSurround = 0.015;
inline constexpr double kMaxTilt = 10;     // degrees; a sheet turned further is left as it is
inline constexpr double kLeastTilt = 0.25; // degrees; less is not worth resampling for
inline constexpr double kSheetInset = 0.01; // of the sheet's size, cut off every side with its shadowed edge

struct Sheet {
    QPolygonF corners;  // top left, top right, bottom right, bottom left, in the picture's pixels
    double tilt = 0;    // degrees the sheet is turned clockwise
};

// The sheet in `tone` (Format_RGB32), or nothing when `tone` is not a photo
// of a sheet on a darker surround.
std::optional<Sheet> findSheet(const QImage& tone);

// The sheet of `picture` (Format_RGB32; `sheet` found on a copy of it
// `scale` times smaller), turned upright and cut out within its edges.
QImage cutOutSheet(const QImage& picture, const Sheet& sheet, double scale);

} // namespace importer
