// Decoding the book's GIF pages quickly: a page of six million pixels takes
// Qt's GIF reader (and giflib) about 100 ms, mostly spent following the LZW
// code chains one pixel at a time.
#pragma once

#include <QByteArray>
#include <QImage>

namespace platform {

// The first picture of the GIF in `bytes` as Format_Indexed8 with the GIF's
// colour table (every entry opaque), when it is of the kind the book ships:
// one picture covering the whole screen it declares, not
// interlaced, without transparency, no side over `maxSide` nor more than
// `maxPixels` pixels, every pixel's colour in its table, and its data holding
// exactly its pixels. Any other GIF, or a broken one, gives a null image: Qt's
// reader decides what to make of it.
QImage decodePlainGif(const QByteArray& bytes, int maxSide, qint64 maxPixels);

} // namespace platform
