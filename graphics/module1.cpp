// Pointer pictures: MakeCursorPicture, the picture wrapping and the Qt pointer.
#include "graphics/module1.h"

#include "graphics/cursor_pair.h"

#include <QPixmap>

namespace graphics {

namespace {

constexpr int kDefaultSide = 32;
// Far beyond any pointer a screen shows; larger requests are refused rather
// than allocated.
constexpr int kMaxSide = 1024;

bool isPointerSize(QSize size)
{
    return size.width() >= 1 && size.height() >= 1 && size.width() <= kMaxSide
           && size.height() <= kMaxSide;
}

void fillPair(const Picture& picture, CursorPair& pair, int stretchMode,
              platform::ColourValue transparentColour)
{
    if (!picture.hasHandle())
        FillBlankImage(pair);
    else if (picture.type == Picture::Type::Metafile
             || picture.type == Picture::Type::EnhMetafile)
        FillBlankMetafile(pair);
    else if (picture.type == Picture::Type::Icon)
        DrawIconImage(picture, pair);
    else
        DrawPictureMasked(picture, pair, transparentColour, stretchMode);
}

} // namespace

// The icon flag only chooses between an icon and a cursor, which a Qt pointer
// does not tell apart: the hot spot is the top-left pixel either way.
Picture MakeCursorPicture(const Picture& picture, int width, int height, int stretchMode,
                          int /*iconFlag*/, platform::ColourValue transparentColour)
{
    const QSize size(width == 0 ? kDefaultSide : width, height == 0 ? kDefaultSide : height);
    if (!isPointerSize(size))
        return {};
    CursorPair pair = makeCursorPair(size);
    fillPair(picture, pair, stretchMode, transparentColour);
    return PictureFromHandle(iconImageFromPair(pair), Picture::Type::Icon);
}

Picture PictureFromHandle(const QImage& image, Picture::Type type)
{
    if (image.isNull() || type == Picture::Type::None)
        return {};
    return {type, image, QPoint(0, 0)};
}

QCursor cursorFromPicture(const Picture& picture)
{
    if (!picture.hasHandle())
        return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(picture.image), picture.hotSpot.x(), picture.hotSpot.y());
}

} // namespace graphics
