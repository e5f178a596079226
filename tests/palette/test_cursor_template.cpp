// The arrow template checked against its row table, row by row and as a shape.
#include "palette/cursor_template.h"
#include "tests/support/test_folder.h"

#include <QtTest>
#include <vector>

namespace {

// One letter a pixel: K black, R red, W white, ? anything else.
QString rowLetters(const QImage& image, int y)
{
    QString letters;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        letters += p == qRgb(0, 0, 0)           ? 'K'
                   : p == qRgb(255, 0, 0)       ? 'R'
                   : p == qRgb(255, 255, 255)   ? 'W'
                                                : '?';
    }
    return letters;
}

// The pixels of `colour` 4-connected to `seed`.
int connectedCount(const QImage& image, QPoint seed, QRgb colour)
{
    std::vector<bool> seen(size_t(image.width() * image.height()));
    std::vector<QPoint> stack{seed};
    int count = 0;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        const size_t at = size_t(p.y() * image.width() + p.x());
        if (!image.valid(p) || seen[at] || image.pixel(p) != colour)
            continue;
        seen[at] = true;
        ++count;
        stack.insert(stack.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
    return count;
}

} // namespace

class TestCursorTemplate : public QObject {
    Q_OBJECT
private slots:
    void isA39By39Rgb32Picture()
    {
        const QImage image = palette::makeCursorTemplate();
        QCOMPARE(image.size(), QSize(39, 39));
        QCOMPARE(image.format(), QImage::Format_RGB32);
    }

    void rowsMatchTheTable_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("letters");
        const QString white39(39, 'W');
        QTest::newRow("0") << 0 << "KKKKKKKKKKWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
        QTest::newRow("1") << 1 << "KRRRRRKKKKKKKKKWWWWWWWWWWWWWWWWWWWWWWWW";
        QTest::newRow("5") << 5 << "KKRRRRRRRRRRRRRRRRRRRRKKKKKKKWWWWWWWWWW";
        QTest::newRow("13") << 13 << "WWWKRRRRRRRRRRRRRRRRRRKKWWWWWWWWWWWWWWW";
        QTest::newRow("21") << 21 << "WWWWWKKRRRRRRRKRRRRRRRRRRRRRRRKWWWWWWWW";
        QTest::newRow("24") << 24 << "WWWWWKKKRRRKKKWWKKRRRRRRRRRKKWWWWWWWWWW";
        QTest::newRow("26") << 26 << "WWWWWWKKRKKKWWWWWWKKRRRRRKKWWWWWWWWWWWW";
        QTest::newRow("28") << 28 << "WWWWWWWKKKWWWWWWWWWWKKRKKWWWWWWWWWWWWWW";
        QTest::newRow("29") << 29 << "WWWWWWWWWWWWWWWWWWWWWKKKWWWWWWWWWWWWWWW";
        for (int row = 30; row < 39; ++row)
            QTest::newRow(qPrintable(QString::number(row))) << row << white39;
    }

    void rowsMatchTheTable()
    {
        QFETCH(int, row);
        QFETCH(QString, letters);
        QCOMPARE(rowLetters(palette::makeCursorTemplate(), row), letters);
    }

    // Totals counted from the whole table: 191 black, 464 red, the rest white.
    void inkTotalsMatchTheTable()
    {
        const QImage image = palette::makeCursorTemplate();
        QCOMPARE(testsupport::countColour(image, qRgb(0, 0, 0)), qint64(191));
        QCOMPARE(testsupport::countColour(image, qRgb(255, 0, 0)), qint64(464));
        QCOMPARE(testsupport::countColour(image, qRgb(255, 255, 255)), qint64(39 * 39 - 191 - 464));
    }

    void redIsOneAreaAroundTheSeed()
    {
        const QImage image = palette::makeCursorTemplate();
        QCOMPARE(image.pixel(palette::kCursorInsideX, palette::kCursorInsideY), qRgb(255, 0, 0));
        QCOMPARE(connectedCount(image, QPoint(5, 5), qRgb(255, 0, 0)), 464);
    }

    // A fill of the inside bounded by black must never leak into the white.
    void outlineClosesTheInside()
    {
        const QImage image = palette::makeCursorTemplate();
        for (int y = 0; y < 39; ++y) {
            for (int x = 0; x < 39; ++x) {
                if (image.pixel(x, y) != qRgb(255, 0, 0))
                    continue;
                for (QPoint n : {QPoint(x + 1, y), QPoint(x - 1, y), QPoint(x, y + 1), QPoint(x, y - 1)})
                    QVERIFY2(!image.valid(n) || image.pixel(n) != qRgb(255, 255, 255),
                             qPrintable(QStringLiteral("red (%1, %2) touches white").arg(x).arg(y)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCursorTemplate)
#include "test_cursor_template.moc"
