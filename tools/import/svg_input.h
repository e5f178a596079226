// SVG drawings given to the importer, made self-contained before they are
// rendered: the renderer would otherwise read any file an <image> names.
#pragma once

#include <QByteArray>

namespace importer {

// True when `bytes` are XML whose first element is <svg>.
bool looksLikeSvg(const QByteArray& bytes);

struct SelfContainedSvg {
    QByteArray document; // empty when the text is not well-formed XML
    int dropped = 0;     // references to things outside the drawing that were left out
};

// The drawing `svg` rewritten so that rendering it reads nothing but its own
// text. An <image> stays only when its picture is inside the document (a
// data: URI holding a PNG, JPEG, GIF or BMP that passes the program's
// picture checks), and is then replaced by the decoded picture as PNG; any
// other <image> is removed with its content, and any other reference that
// leaves the document ("href" not starting with "#") is removed. Entities
// are expanded once, and the DTD, processing instructions and comments are
// left out, so the renderer parses only what was checked here.
SelfContainedSvg selfContainedSvg(const QByteArray& svg);

} // namespace importer
