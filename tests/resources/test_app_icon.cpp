// The icon menus and file managers show: the same drawing at every size and
// in the scalable file, recognisable down to 16 x 16.
#include "resources/app_icon.h"
#include "resources/desktop_folder.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

using resources::appIcon;

namespace {

struct Census {
    double opaque = 0; // share of pixels drawn on
    int red = 0;       // crayon
    int white = 0;     // page
    int dark = 0;      // outlines
};

Census census(const QImage& image)
{
    Census c;
    long opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) < 250) {
                opaque += qAlpha(p) > 0;
                continue;
            }
            ++opaque;
            c.red += qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90;
            c.white += qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240;
            c.dark += qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80;
        }
    }
    c.opaque = double(opaque) / (image.width() * image.height());
    return c;
}

} // namespace

class TestAppIcon : public QObject {
    Q_OBJECT
private slots:
    void everySizeShowsCrayonAndPage_data();
    void everySizeShowsCrayonAndPage();
    void scalableFileShowsTheSameDrawing();
};

void TestAppIcon::everySizeShowsCrayonAndPage_data()
{
    QTest::addColumn<int>("size");
    for (int size : resources::kIconSizes)
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void TestAppIcon::everySizeShowsCrayonAndPage()
{
    QFETCH(int, size);
    const QImage icon = appIcon(size);
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    for (QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1)})
        QCOMPARE(qAlpha(icon.pixel(corner)), 0);
    const Census c = census(icon);
    const int pixels = size * size;
    QVERIFY2(c.opaque > 0.4 && c.opaque < 0.9, qPrintable(QString::number(c.opaque)));
    // Shares measured on the drawing as made, with room for small changes:
    // at 16 x 16 the crayon is only three pixels wide.
    QVERIFY2(c.red > pixels / 200, "the crayon is hardly visible");
    QVERIFY2(c.white > pixels / 20, "the page is hardly visible");
    QVERIFY2(c.dark > pixels * 3 / 200, "the outlines are lost");
}

void TestAppIcon::scalableFileShowsTheSameDrawing()
{
    const QByteArray svg = resources::appIconSvg();
    QVERIFY(svg.contains("<svg"));
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QImage drawn(256, 256, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    renderer.render(&painter, QRectF(0, 0, 256, 256));
    painter.end();
    const QImage png = appIcon(256);
    qint64 difference = 0;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const QRgb a = drawn.pixel(x, y);
            const QRgb b = png.pixel(x, y);
            difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b))
                + qAbs(qAlpha(a) - qAlpha(b));
        }
    }
    const double perChannel = double(difference) / (256 * 256 * 4);
    QVERIFY2(perChannel < 4, qPrintable(QString::number(perChannel)));
}

QTEST_MAIN(TestAppIcon)
#include "test_app_icon.moc"
