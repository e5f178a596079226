// The window layout: the placed rectangles on a 1024 x 768 screen, and on
// every screen size from 800 x 600 to 3840 x 2160 no overlaps and nothing off
// the screen; the main window placed that way once.
#include "platform/units.h"
#include "shell/design_placement.h"
#include "shell/layout_math.h"
#include "shell/main_window.h"
#include "tests/support/design_placement.h"
#include "tests/support/test_folder.h"

#include <QScreen>
#include <QtTest>

using layout::Placement;
using layout::TwipRect;
using layout::designPlacement;
using testsupport::inPixels;

namespace {

struct Named {
    QString name;
    TwipRect rect;
};

// Every control a child sees after start-up (the first tool icon is hidden
// under the animated control).
QList<Named> visibleControls(const Placement& p)
{
    QList<Named> all{{"Command1", p.command1}, {"Command2", p.command2}, {"Command3", p.command3},
                     {"Command4", p.command4}, {"Command5", p.command5}, {"Command6", p.command6},
                     {"Command7", p.command7}, {"Command8", p.command8}, {"Image2(1)", p.image2[1]},
                     {"Image2(2)", p.image2[2]}, {"Trivolen1", p.trivolen}, {"Picture4", p.picture4},
                     {"Picture5", p.picture5}, {"Picture6", p.picture6}, {"Picture7", p.picture7}};
    for (int i = 0; i < 16; ++i)
        all.append({QString("Picture2(%1)").arg(i), p.picture2[i]});
    return all;
}

QRectF inTwips(const TwipRect& r) { return {r.left, r.top, r.width, r.height}; }

QRectF twipRectOf(const TwipControl& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void placesTheControlsOfA1024By768Screen();
    void keepsControlsApartAndOnScreen_data();
    void keepsControlsApartAndOnScreen();
    void mainWindowIsArrangedOnceForItsScreen();
};

void LayoutTest::placesTheControlsOfA1024By768Screen()
{
    const Placement p = layout::arrange(designPlacement(), 15360, 11520);
    QCOMPARE(inTwips(p.image2[0]), QRectF(13970, 40, 1350, 1365));
    QCOMPARE(inTwips(p.trivolen).topLeft(), QPointF(13970, 40));
    QCOMPARE(inTwips(p.picture5), QRectF(1405, 25, 12490, 10445));
    QCOMPARE(p.buttonRowTop, 10495);
    // The tool column: icons 40 apart, the pen-size box and the two buttons below.
    QCOMPARE(inTwips(p.image2[1]).topLeft(), QPointF(13970, 1445));
    QCOMPARE(inTwips(p.image2[2]).topLeft(), QPointF(13970, 3300));
    QCOMPARE(inTwips(p.picture4).topLeft(), QPointF(14070, 4615));
    QCOMPARE(inTwips(p.command7).topLeft(), QPointF(14070, 5690));
    QCOMPARE(inTwips(p.command8).topLeft(), QPointF(14070, 6805));
    // The button row: every main button 855 x 1000, their bottom 25 above the screen's.
    const QList<TwipRect> row{p.command5, p.command3, p.command4, p.command6, p.command1, p.command2};
    const QList<double> lefts{1405, 2260, 3115, 11330, 12185, 13040};
    for (int i = 0; i < row.size(); ++i)
        QCOMPARE(inTwips(row[i]), QRectF(lefts[i], 10495, 855, 1000));
    QCOMPARE(p.command2.right(), p.picture5.right());
    QCOMPARE(inTwips(p.picture7), QRectF(13905, 10425, 1455, 1095));
    // Two swatch rows of eight, together exactly one button high.
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(inTwips(p.picture2[i + 8]), QRectF(3995 + 495 * i, 10495, 495, 500));
        QCOMPARE(inTwips(p.picture2[i]), QRectF(3995 + 495 * i, 10995, 495, 500));
    }
    QCOMPARE(p.picture2[0].bottom(), p.command4.bottom());
}

void LayoutTest::keepsControlsApartAndOnScreen_data()
{
    QTest::addColumn<QSize>("screen");
    const QSize sizes[] = {{800, 600}, {1024, 768}, {1366, 768}, {1920, 1080}, {3840, 2160}};
    for (const QSize s : sizes)
        QTest::newRow(qPrintable(QString("%1x%2").arg(s.width()).arg(s.height()))) << s;
}

void LayoutTest::keepsControlsApartAndOnScreen()
{
    QFETCH(QSize, screen);
    const Placement p = testsupport::placementOn(screen);
    const QList<Named> controls = visibleControls(p);
    const QRectF screenTwips(0, 0, screen.width() * 15.0, screen.height() * 15.0);
    for (const Named& c : controls) {
        if (c.name == "Image2(2)") {
            // The widest icon is aligned with the narrower first one: its box
            // reaches 20 twips (a pixel) past the edge; its picture is narrower.
            QCOMPARE(c.rect.right(), screenTwips.right() + 20);
            continue;
        }
        QVERIFY2(screenTwips.contains(inTwips(c.rect)), qPrintable(c.name + " leaves the screen"));
        QVERIFY2(QRect(QPoint(0, 0), screen).contains(inPixels(c.rect)),
                 qPrintable(c.name + " leaves the screen"));
    }
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            const QString pair = controls[i].name + " and " + controls[j].name + " overlap";
            QVERIFY2(!inTwips(controls[i].rect).intersects(inTwips(controls[j].rect)), qPrintable(pair));
            QVERIFY2(!inPixels(controls[i].rect).intersects(inPixels(controls[j].rect)), qPrintable(pair));
        }
    }
}

void LayoutTest::mainWindowIsArrangedOnceForItsScreen()
{
    const testsupport::TestFolder folder;
    Form1 form(folder.path());
    const QSize screen = form.screen()->geometry().size();
    const Placement p = testsupport::placementOn(screen);
    auto check = [&] {
        QCOMPARE(twipRectOf(*form.Picture5), inTwips(p.picture5));
        QCOMPARE(form.Picture5->geometry(), inPixels(p.picture5));
        QCOMPARE(twipRectOf(*form.Command2), inTwips(p.command2));
        QCOMPARE(form.Command2->geometry(), inPixels(p.command2));
        QCOMPARE(twipRectOf(*form.Image2[2]), inTwips(p.image2[2]));
        QCOMPARE(twipRectOf(*form.Picture2[15]), inTwips(p.picture2[15]));
        QCOMPARE(twipRectOf(*form.Picture7), inTwips(p.picture7));
        QCOMPARE(form.Trivolen1->Left(), p.trivolen.left);
        QCOMPARE(form.Trivolen1->Top(), p.trivolen.top);
        // Controls the layout leaves alone keep their places.
        QCOMPARE(twipRectOf(*form.Picture8), QRectF(6720, 1680, 855, 855));
        QCOMPARE(twipRectOf(*form.Image1[1]), QRectF(1440, 120, 495, 495));
    };
    check();
    form.resize(screen / 2);
    form.resize(screen * 2);
    check();
}

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
