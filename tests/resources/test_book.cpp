// The shipped book: its sets and logos, and every page as the program will use it.
#include "canvas/page_placement.h"
#include "lineart/cleaning.h"
#include "platform/files.h"
#include "platform/flood_fill.h"
#include "platform/stretch.h"
#include "tests/support/areas.h"
#include "tests/support/design_placement.h"
#include "tests/support/samples.h"

#include <QImageReader>
#include <algorithm>
#include <QTest>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
constexpr int kMinSets = 6;
constexpr int kMinPages = 8;
constexpr long kMinArea = 100;

QString folder() { return qEnvironmentVariable("TINTARO_PROGRAM_FOLDER"); }

QStringList setNames()
{
    QStringList names;
    for (const QString& logo : platform::listPlainFiles(folder() + "/logos"))
        names << logo.chopped(4);
    return names;
}

int pageCount(const QString& set)
{
    int n = 0;
    while (!platform::fileLookup(QString("%1/dibujos/%2/%3.gif").arg(folder(), set).arg(n + 1)).isEmpty())
        ++n;
    return n;
}

QImage readPage(const QString& set, int n)
{
    QImageReader reader(QString("%1/dibujos/%2/%3.gif").arg(folder(), set).arg(n));
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

QString where(const testsupport::AreaMap& map, int area)
{
    for (int y = 0; y < map.height; ++y)
        for (int x = 0; x < map.width; ++x)
            if (map.at(x, y) == area)
                return QString("area at (%1, %2)").arg(x).arg(y);
    return {};
}

} // namespace

class TestBook : public QObject {
    Q_OBJECT

private slots:
    void setsAndLogos();
    void page_data();
    void page();

private:
    void checkShrink(const QImage& pageImage, const testsupport::AreaMap& areas, QSize screen);
};

void TestBook::setsAndLogos()
{
    const QStringList sets = setNames();
    QVERIFY2(sets.size() >= kMinSets, qPrintable(sets.join(' ')));
    QVERIFY(sets.filter("peque").size() >= 2);
    QVERIFY(sets.size() - sets.filter("peque").size() >= 4);
    for (const QString& set : sets) {
        QCOMPARE(QImageReader(QString("%1/logos/%2.gif").arg(folder(), set)).size(), QSize(57, 67));
        QVERIFY2(pageCount(set) >= kMinPages, qPrintable(set));
    }
}

void TestBook::page_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<int>("number");
    for (const QString& set : setNames()) {
#if defined(__SANITIZE_ADDRESS__)
        // The sanitizer build's book is the release build's, byte for byte
        // (test_generator compares them), and the release build checks every
        // page: one page of each set runs these checks' code here.
        const int pages = std::min(pageCount(set), 1);
#else
        const int pages = pageCount(set);
#endif
        for (int n = 1; n <= pages; ++n)
            QTest::addRow("%s/%d", qPrintable(set), n) << set << n;
    }
}

// Two colours, thick outlines, an area count that suits the set, and every
// area still there and still closed once the page is shrunk onto the canvas.
void TestBook::page()
{
    QFETCH(QString, set);
    QFETCH(int, number);
    const QImage image = readPage(set, number);
    QVERIFY(!image.isNull());
    const double aspect = double(image.width()) / image.height();
    QVERIFY(aspect > 1.2 && aspect < 1.72);
    QCOMPARE(testsupport::coloursOf(image), QSet<QRgb>({kBlack, kWhite}));
    QCOMPARE(testsupport::thinOutlinePixel(image, kBlack), QPoint(-1, -1));
    const testsupport::AreaMap areas = testsupport::mapAreas(image, kBlack);
    const bool young = set.contains("peque");
    QVERIFY2(areas.count() >= (young ? 2 : 20) && areas.count() <= (young ? 20 : 80),
             qPrintable(QString::number(areas.count())));
    for (const QSize screen : lineart::kShrinkScreens) {
        checkShrink(image, areas, screen);
        if (QTest::currentTestFailed())
            qWarning("on the canvas of a %d x %d screen", screen.width(), screen.height());
    }
}

// Fills each area of the page shrunk for `screen` by the border rule, as a
// click would, and checks the fill covers pixels of one area of the page
// only, and enough of them; every area of the page must be reached.
void TestBook::checkShrink(const QImage& image, const testsupport::AreaMap& areas, QSize screen)
{
    const QSize shown = canvas::fittedPageRect(image.size(), testsupport::canvasOn(screen)).size();
    QImage small = platform::stretchKeepingDark(image, shown);
    QCOMPARE(small.size(), shown);
    const testsupport::AreaMap smallAreas = testsupport::mapAreas(small, kBlack);
    auto sourceArea = [&](int x, int y) {
        return areas.at(testsupport::sourceIndex(x, image.width(), small.width()),
                        testsupport::sourceIndex(y, image.height(), small.height()));
    };
    std::vector<bool> reached(areas.count(), false), done(smallAreas.count(), false);
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            const int m = smallAreas.at(x, y);
            if (m < 0 || done[m])
                continue;
            const int area = sourceArea(x, y);
            std::vector<platform::Span> spans;
            platform::floodFillBorder(small, QPoint(x, y), kBlack, qRgb(0, 0, 1), &spans);
            long size = 0;
            for (const platform::Span& s : spans) {
                for (int sx = s.x0; sx <= s.x1; ++sx) {
                    if (sourceArea(sx, s.y) != area)
                        QFAIL(qPrintable("leak from " + where(areas, area)));
                }
                size += s.x1 - s.x0 + 1;
            }
            if (size < kMinArea)
                QFAIL(qPrintable(QString("%1 px: ").arg(size) + where(areas, area)));
            reached[area] = done[m] = true;
        }
    }
    for (int i = 0; i < areas.count(); ++i) {
        if (!reached[i])
            QFAIL(qPrintable("lost " + where(areas, i)));
    }
}

QTEST_GUILESS_MAIN(TestBook)
#include "test_book.moc"
