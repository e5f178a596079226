// The tiled window background: where the tiles go, the picture painted edge
// to edge and kept for the run, and the message when it cannot be read.
#include "shell/background.h"
#include "shell/main_window.h"
#include "tests/support/test_folder.h"

#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

using testsupport::TestFolder;

namespace {

// A 200 x 100 picture whose every pixel differs from its neighbours, so a
// misplaced tile shows.
QImage numberedTile()
{
    QImage tile(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            tile.setPixel(x, y, qRgb(x, y * 2, (x + y) % 256));
    return tile;
}

// Saved in an exact format under the name the program looks for: the content decides.
void writeBackground(const TestFolder& folder, const QImage& picture)
{
    QVERIFY(picture.save(folder.file("fondo.jpg"), "BMP"));
}

QImage paintedBackground(Form1& form)
{
    QImage window(form.size(), QImage::Format_RGB32);
    window.fill(Qt::black);
    QPainter painter(&window);
    form.Form_Paint(painter);
    return window;
}

QList<QMessageBox*> visibleMessages()
{
    QList<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible())
            boxes.append(box);
    return boxes;
}

} // namespace

class BackgroundTest : public QObject {
    Q_OBJECT
private slots:
    void tilesCoverTheWindowFromTheTopLeft();
    void pictureIsPaintedEdgeToEdgeAndKept();
    void unreadablePictureIsToldOnceAndTheWindowCarriesOn_data();
    void unreadablePictureIsToldOnceAndTheWindowCarriesOn();
};

void BackgroundTest::tilesCoverTheWindowFromTheTopLeft()
{
    // 200 x 100 pixels on a 632 x 590 pixel window.
    const QList<QPoint> tiles = background::tilePositions(3000, 1500, 9480, 8850);
    QCOMPARE(tiles.size(), 4 * 6);
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 4; ++column)
            QCOMPARE(tiles[row * 4 + column], QPoint(3000 * column, 1500 * row));
    QCOMPARE(background::tilePositions(3000, 1500, 2000, 1000), QList<QPoint>{QPoint(0, 0)});
    // A tile may start right on the far edge.
    QCOMPARE(background::tilePositions(3000, 1500, 6000, 0).size(), 3);
    QVERIFY(background::tilePositions(0, 1500, 9480, 8850).isEmpty());
    QVERIFY(background::tilePositions(3000, 0, 9480, 8850).isEmpty());
}

void BackgroundTest::pictureIsPaintedEdgeToEdgeAndKept()
{
    const TestFolder folder;
    const QImage tile = numberedTile();
    writeBackground(folder, tile);
    Form1 form(folder.path());
    form.resize(632, 590);
    QImage expected(form.size(), QImage::Format_RGB32);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            expected.setPixel(x, y, tile.pixel(x % 200, y % 100));
    QCOMPARE(paintedBackground(form), expected);

    // The picture was read once: a new one on disk waits for the next run.
    QImage other(50, 50, QImage::Format_RGB32);
    other.fill(Qt::red);
    writeBackground(folder, other);
    QCOMPARE(paintedBackground(form), expected);
    QVERIFY(visibleMessages().isEmpty());
}

void BackgroundTest::unreadablePictureIsToldOnceAndTheWindowCarriesOn_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("description");
    QTest::newRow("missing") << QByteArray() << "No se encontró el archivo";
    QTest::newRow("not a picture") << QByteArray("not a picture at all") << "La imagen no es válida";
}

void BackgroundTest::unreadablePictureIsToldOnceAndTheWindowCarriesOn()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, description);
    const TestFolder folder;
    if (!content.isEmpty())
        folder.writeText("fondo.jpg", content);
    Form1 form(folder.path());
    form.resize(632, 590);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Repaints while the message is up bring no second one.
    QTRY_COMPARE(visibleMessages().size(), 1);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(paintedBackground(form), paintedBackground(form));
    QTest::qWait(20);
    QCOMPARE(visibleMessages().size(), 1);

    QMessageBox* box = visibleMessages().first();
    QCOMPARE(box->text(), "No encuentro la imagen de fondo \r\nERROR: " + description);
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->buttons().size(), 1);
    QCOMPARE(QApplication::activeModalWidget(), box);
    box->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(visibleMessages().isEmpty());

    // The window goes on without tiles, and takes clicks again.
    QImage blank(form.size(), QImage::Format_RGB32);
    blank.fill(Qt::black);
    QCOMPARE(paintedBackground(form), blank);
    form.update();
    QTest::qWait(20);
    QVERIFY(visibleMessages().isEmpty());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QSignalSpy clicks(form.Command7, &QAbstractButton::clicked);
    QTest::mouseClick(form.Command7, Qt::LeftButton);
    QCOMPARE(clicks.size(), 1);

    // A picture that turns up later is tiled at the next repaint.
    writeBackground(folder, numberedTile());
    QCOMPARE(paintedBackground(form).pixel(201, 101), numberedTile().pixel(1, 1));
}

QTEST_MAIN(BackgroundTest)
#include "test_background.moc"
