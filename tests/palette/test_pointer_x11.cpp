// The coloured pointer as the X server really shows it over the canvas.
#include "tests/palette/xfixes_cursor.h"
#include "tests/support/samples.h"
#include "tests/support/textures_book.h"
#include "tests/support/x11_main.h"

#include <QScreen>
#include <QSet>

using namespace texturebook;
using testsupport::TestFolder;

class TestPointerX11 : public QObject {
    Q_OBJECT
private slots:
    void theServerShowsTheArrowInThePickedColour()
    {
        TestFolder folder;
        makeBook(folder, threeTextures());
        Form1 form(folder.path());
        form.setGeometry(QGuiApplication::primaryScreen()->geometry());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.CurrentRed = 10;
        form.CurrentGreen = 200;
        form.CurrentBlue = 30;
        form.UpdateColourCursor();
        // Come in from outside the canvas, so the server looks up the
        // pointer of the window under it afresh.
        QCursor::setPos(form.Picture1->mapToGlobal(QPoint(-30, -30)));
        // The server keeps the pointer on the screen: wait until it is off the canvas.
        QTRY_VERIFY_WITH_TIMEOUT(!form.Picture1->rect().contains(form.Picture1->mapFromGlobal(QCursor::pos())), 30000);
        QCursor::setPos(form.Picture1->mapToGlobal(QPoint(20, 20)));

        const QRgb inside = qRgba(10, 200, 30, 255);
        xfixes::ServerCursor shown;
        QTRY_VERIFY_WITH_TIMEOUT((shown = xfixes::currentCursor()).image.pixel(6, 6) == inside, 30000);
        QCOMPARE(shown.image.size(), QSize(32, 32));
        QCOMPARE(shown.hotSpot, QPoint(0, 0));
        QCOMPARE(testsupport::coloursOf(shown.image), QSet<QRgb>({0u, qRgba(0, 0, 0, 255), inside}));
        QCOMPARE(shown.image, form.Image4->picture().image);
    }
};

TINTARO_X11_TEST_MAIN(TestPointerX11)

#include "test_pointer_x11.moc"
