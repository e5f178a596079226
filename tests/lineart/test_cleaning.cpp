// The line-art cleaning rules on small crafted line pictures.
#include "tests/support/line_pictures.h"

#include "lineart/cleaning.h"
#include "lineart/morphology.h"

#include <QtTest>

using linepictures::lines;
using linepictures::rowsOf;

class CleaningTest : public QObject {
    Q_OBJECT

private slots:
    void anyColourButWhiteIsInk();
    void colouredKeepsThePaperColour();
    void thinOutlinesGrowIntoBlocks();
    void thickOutlinesStayAsDrawn();
    void smallAreasAreFilledByPixelsAndWidth();
    void areasThatVanishWhenShrunkAreFilled();
    void cleanPageIsStable();
};

void CleaningTest::anyColourButWhiteIsInk()
{
    QImage drawn(3, 1, QImage::Format_RGB32);
    drawn.setPixel(0, 0, qRgb(255, 255, 255));
    drawn.setPixel(1, 0, qRgb(254, 255, 255));
    drawn.setPixel(2, 0, qRgb(0, 0, 1));
    QCOMPARE(rowsOf(lineart::linesOf(drawn)), QStringList({".##"}));
}

void CleaningTest::colouredKeepsThePaperColour()
{
    const QImage picture = lineart::coloured(lines({"#."}), qRgb(253, 253, 253));
    QCOMPARE(picture.format(), QImage::Format_RGB32);
    QCOMPARE(picture.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(picture.pixel(1, 0), qRgb(253, 253, 253));
    // Only pure white is paper: the colour of the splash's paper reads as ink.
    QCOMPARE(rowsOf(lineart::linesOf(picture)), QStringList({"##"}));
}

void CleaningTest::thinOutlinesGrowIntoBlocks()
{
    // A diagonal, a lone pixel in the last column and one in the last row.
    QImage picture = lines({"#.....",
                            ".#...#",
                            "......",
                            "..#..."});
    QCOMPARE(lineart::thickenThinOutlines(picture), 3);
    QCOMPARE(rowsOf(picture), QStringList({"##....",
                                           "##..##",
                                           "..####",
                                           "..##.."}));
}

void CleaningTest::thickOutlinesStayAsDrawn()
{
    QImage picture = lines({"###...",
                            "######",
                            "######",
                            "...###"});
    const QStringList before = rowsOf(picture);
    QCOMPARE(lineart::thickenThinOutlines(picture), 0);
    QCOMPARE(rowsOf(picture), before);
}

void CleaningTest::smallAreasAreFilledByPixelsAndWidth()
{
    const QStringList rows = {".#........",
                              ".#........",
                              "##........",
                              "..........",
                              "#########.",
                              "........#."};
    // By size only: the 2-pixel corner and the 8-pixel strip go, the rest stays.
    QImage bySize = lines(rows);
    const lineart::AreaFilling sized = lineart::fillSmallAreas(bySize, 9);
    QCOMPARE(sized.filled, 2);
    QCOMPARE(sized.left, 1);
    // By width: only the large area has a 2 x 2 square of paper inside.
    QImage byWidth = lines(rows);
    QCOMPARE(lineart::fillSmallAreas(byWidth, 1, 2).filled, 2);
    QCOMPARE(rowsOf(byWidth), rowsOf(bySize));
    QCOMPARE(rowsOf(byWidth).last(), QString("#########."));
}

void CleaningTest::areasThatVanishWhenShrunkAreFilled()
{
    // A slot 4 pixels wide between two thick bars is one pixel wide (10
    // pixels in all) on a canvas a third the size.
    QImage picture(60, 30, QImage::Format_Grayscale8);
    picture.fill(lineart::kPaper);
    for (int y = 0; y < 30; ++y) {
        std::fill_n(picture.scanLine(y) + 20, 6, lineart::kInk);
        std::fill_n(picture.scanLine(y) + 30, 6, lineart::kInk);
    }
    QImage untouched = picture;
    QCOMPARE(lineart::fillShrunkSpecks(untouched, QSize(60, 30), 11), 0);
    QCOMPARE(lineart::fillShrunkSpecks(untouched, QSize(20, 10), 10), 0);
    QCOMPARE(untouched, picture);
    QCOMPARE(lineart::fillShrunkSpecks(picture, QSize(20, 10), 11), 1);
    // The page pixels under that canvas column are filled, and no others.
    QCOMPARE(rowsOf(picture).at(15).mid(18, 20), QString("..######.#########.."));
    QCOMPARE(rowsOf(picture).at(0), rowsOf(picture).at(29));
}

void CleaningTest::cleanPageIsStable()
{
    QImage page(240, 166, QImage::Format_Grayscale8);
    page.fill(lineart::kPaper);
    for (int i = 0; i < 166; ++i)
        page.scanLine(i)[(i * 7) % 240] = lineart::kInk;
    lineart::cleanForShrinking(page);
    QImage again = page;
    lineart::cleanForShrinking(again);
    QCOMPARE(again, page);
    QCOMPARE(lineart::thickenThinOutlines(again), 0);
    QCOMPARE(lineart::fillSmallAreas(again, lineart::kSmallestPageArea).filled, 0);
}

QTEST_GUILESS_MAIN(CleaningTest)
#include "test_cleaning.moc"
