// Reading back the pointer image the X server shows.
#pragma once

#include <QImage>
#include <QPoint>

namespace xfixes {

struct ServerCursor {
    QImage image; // Format_ARGB32; null when the server could not be asked
    QPoint hotSpot;
};

// The pointer the X server of $DISPLAY shows at this moment.
ServerCursor currentCursor();

} // namespace xfixes
