// The canvas copied to the clipboard by a double-click on the palette strip,
// read back by another process through the X server.
#include "tests/canvas/canvas_fixture.h"
#include "tests/support/x11_main.h"

#include <QApplication>
#include <QProcess>

using namespace canvastest;
using testsupport::sendMouse;

namespace {

// The clipboard's image as another program reads it, or a null image. The
// event loop keeps running meanwhile, as the data comes from this process.
QImage readClipboardElsewhere()
{
    QProcess xclip;
    xclip.start("timeout", {"5", "xclip", "-selection", "clipboard", "-t", "image/png", "-o"});
    if (!xclip.waitForStarted(30000))
        return {};
    const bool ended = QTest::qWaitFor([&xclip] { return xclip.state() == QProcess::NotRunning; }, 10000);
    if (!ended || xclip.exitStatus() != QProcess::NormalExit || xclip.exitCode() != 0)
        return {};
    return QImage::fromData(xclip.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT
private slots:
    void doubleClickOnThePaletteCopiesTheCanvas();
};

void ClipboardTest::doubleClickOnThePaletteCopiesTheCanvas()
{
    Canvas c("animales.gif");
    c.showAndWait();
    c.click(kInA);
    c.form->Image2_Click(1);
    c.setColour(qRgb(0, 0, 255));
    c.drag({60, 50}, {{90, 55}, {150, 80}}, {150, 80});
    c.form->Image2_Click(2);
    c.drag({5, 95}, {{155, 95}}, {155, 95});
    // A rubber band on screen when the copy is made must not be copied.
    sendMouse(c.canvas(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {5, 5});
    sendMouse(c.canvas(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {155, 5});
    QTest::mouseDClick(c.form->Picture6, Qt::LeftButton, {}, QPoint(10, 10));

    const QImage canvas = c.image();
    const QImage copied = readClipboardElsewhere();
    QVERIFY2(!copied.isNull(), "xclip read no picture from the clipboard");
    QCOMPARE(copied.size(), canvas.size());
    QCOMPARE(copied, canvas);
    QCOMPARE(copied.pixel(kInA), qRgb(255, 0, 0));
    QCOMPARE(copied.pixel(155, 95), qRgb(0, 0, 255));
    QCOMPARE(copied.pixel(80, 5), kWhite);
    sendMouse(c.canvas(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {155, 5});
}

TINTARO_X11_TEST_MAIN(ClipboardTest)

#include "test_clipboard.moc"
