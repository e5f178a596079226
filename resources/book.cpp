// The drawing sets of the colouring book: names, logos and pages.
#include "book.h"

#include "sets/sets.h"

namespace resources {

std::vector<BookSet> book() { return {pequenosSet(), pequeanimalesSet(), animalesSet(), marSet(), vehiculosSet(), espacioSet(), granjaSet(), castilloSet()}; }

QImage drawLogo(QColor badge, const std::function<void(QPainter&)>& draw)
{
    QImage image(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(badge);
    p.drawRoundedRect(QRectF(1.5, 1.5, kLogoWidth - 3, kLogoHeight - 3), 9, 9);
    p.setPen(QPen(QColor(30, 30, 30), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(p);
    return image;
}

} // namespace resources
