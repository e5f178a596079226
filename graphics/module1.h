// Pointer pictures: any picture turned into a mouse pointer with one
// transparent colour.
#pragma once

#include "platform/colour.h"

#include <QCursor>
#include <QImage>
#include <QPoint>

namespace graphics {

// A picture object as the controls carry it.
struct Picture {
    enum class Type { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhMetafile = 4 };
    Type type = Type::None;
    // The pixels. For an icon or pointer: Format_ARGB32, alpha 0 where transparent.
    QImage image;
    // The hot spot of an icon or pointer.
    QPoint hotSpot;

    bool hasHandle() const { return type != Type::None && !image.isNull(); }
    static Picture bitmap(const QImage& image) { return {Type::Bitmap, image, {}}; }
};

// Turns `picture` into a pointer picture of width x height pixels (0 means
// 32) with `transparentColour` transparent (platform::kInvalidColour: none),
// scaled with the stretch mode `stretchMode` (platform::StretchMode values).
// The hot spot is always (0, 0). No picture, or a metafile, gives a fully
// transparent pointer; an icon keeps its own mask. Returns a picture of type
// Icon, or of type None when no pointer could be made.
Picture MakeCursorPicture(const Picture& picture, int width, int height, int stretchMode,
                          int iconFlag, platform::ColourValue transparentColour);

// The Qt pointer for a pointer picture (the default arrow for none).
QCursor cursorFromPicture(const Picture& picture);

} // namespace graphics
