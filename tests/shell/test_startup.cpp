// Start-up of the main window on program folders built by the test: the
// settings files, the clean-up of coloured copies, the first set and page,
// and folders that are missing or broken.
#include "canvas/page_placement.h"
#include "shell/main_window.h"
#include "tests/support/test_folder.h"

#include <QtTest>

using testsupport::TestFolder;

namespace {

QImage page(int w = 120, int h = 90) { return testsupport::outlinedPage({w, h}, {{10, 10, 50, 40}}); }

QImage filled(QColor colour, int w = 120, int h = 90)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A folder with one set "animales" of three pages and the given settings.
void standardFolder(const TestFolder& folder, const QByteArray& borra = "NO")
{
    folder.addSet("animales.gif", {page(), page(), page()});
    folder.writeText("configuracion/borra.txt", borra);
    folder.writeText("configuracion/impresora.txt", "");
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void sharedFieldsTakeTheirFirstValues();
    void eraseSettingMeansNoOnlyForNoInAnyCase_data();
    void eraseSettingMeansNoOnlyForNoInAnyCase();
    void printButtonFollowsThePrinterSetting_data();
    void printButtonFollowsThePrinterSetting();
    void cleanUpStopsAtTheFirstMissingPage();
    void keptCopyOfPageOneIsWhatTheCanvasShows();
    void smallPaletteTestIsCaseSensitive();
    void setNameDropsTheLastFourCharacters();
    void brokenFoldersStillOpenAUsableWindow_data();
    void brokenFoldersStillOpenAUsableWindow();
    void setNamesNeverLeaveTheDrawingsFolder();
};

void StartupTest::sharedFieldsTakeTheirFirstValues()
{
    TestFolder folder;
    standardFolder(folder);
    Form1 form(folder.path());
    QCOMPARE(form.UseColour, true);
    QCOMPARE(form.TextureMarkerColour, platform::ColourValue(0x00C0E0FF));
    QCOMPARE(form.ProgramFolder, folder.path());
    QCOMPARE(form.CurrentTool, 0);
    QCOMPARE(form.TextureIndex, 0);
    QCOMPARE(form.SetIndex, 0);
    QCOMPARE(form.DrawingModified, false);
    QCOMPARE(form.PageNumber, 1);
    QCOMPARE(form.PageCount, 3);
    QCOMPARE(form.FillToBorder, false);
    QCOMPARE(form.CurrentRed, 255);
    QCOMPARE(form.CurrentGreen, 0);
    QCOMPARE(form.CurrentBlue, 0);
    QCOMPARE(form.PenWidth, 2);
    QCOMPARE(form.Picture1->DrawWidth(), 4);
    QCOMPARE(form.Picture1->FillColor(), platform::ColourValue(0x000000FF));
    QCOMPARE(form.Picture1->MousePointer(), PictureBox::Pointer::Custom);
    QVERIFY(form.Picture4->isHidden());
    QVERIFY(form.Image2[0]->isHidden());
    QCOMPARE(form.Trivolen1->file(), folder.file("gifs/pato.gif"));
    QCOMPARE(form.Command5->BackColor(), platform::ColourValue(0x0000FFFF));
    QVERIFY(!form.Command5->face().isNull());
    // Page 1 is stretched onto the canvas: its outline is there, pure black.
    QVERIFY(testsupport::countColour(form.Picture1->Image(), qRgb(0, 0, 0)) > 0);
}

void StartupTest::eraseSettingMeansNoOnlyForNoInAnyCase_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("copiesSurvive");
    QTest::newRow("no") << "borra.txt" << QByteArray("no") << true;
    QTest::newRow("No") << "borra.txt" << QByteArray("No\r\nanything") << true;
    QTest::newRow("nO") << "borra.txt" << QByteArray("nO\n") << true;
    QTest::newRow("NO") << "borra.txt" << QByteArray("NO") << true;
    QTest::newRow("No.") << "borra.txt" << QByteArray("No.") << false;
    QTest::newRow("NO blank") << "borra.txt" << QByteArray("NO \n") << false;
    QTest::newRow("empty line") << "borra.txt" << QByteArray("\nNO") << false;
    QTest::newRow("empty file") << "borra.txt" << QByteArray() << false;
    QTest::newRow("absent") << QString() << QByteArray() << false;
    QTest::newRow("other case name") << "BORRA.TXT" << QByteArray("NO") << false;
}

void StartupTest::eraseSettingMeansNoOnlyForNoInAnyCase()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, copiesSurvive);
    TestFolder folder;
    folder.addSet("animales.gif", {page(), page()});
    if (!fileName.isEmpty())
        folder.writeText("configuracion/" + fileName, content);
    folder.writeImage("dibujos/animales/2.bmp", filled(Qt::green));
    Form1 form(folder.path());
    QCOMPARE(folder.exists("dibujos/animales/2.bmp"), copiesSurvive);
}

void StartupTest::printButtonFollowsThePrinterSetting_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("absent") << QString() << QByteArray() << true;
    QTest::newRow("nO") << "impresora.txt" << QByteArray("nO") << false;
    QTest::newRow("NO") << "impresora.txt" << QByteArray("NO\r\n") << false;
    QTest::newRow("blank NO") << "impresora.txt" << QByteArray(" NO") << true;
    QTest::newRow("SI") << "impresora.txt" << QByteArray("SI") << true;
    QTest::newRow("other case name") << "IMPRESORA.txt" << QByteArray("NO") << true;
}

void StartupTest::printButtonFollowsThePrinterSetting()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, enabled);
    TestFolder folder;
    folder.addSet("animales.gif", {page()});
    if (!fileName.isEmpty())
        folder.writeText("configuracion/" + fileName, content);
    Form1 form(folder.path());
    QCOMPARE(form.Command8->isEnabled(), enabled);
}

void StartupTest::cleanUpStopsAtTheFirstMissingPage()
{
    TestFolder folder;
    folder.addSet("animales.gif", {page(), page()});
    folder.writeImage("dibujos/animales/4.gif", page());
    for (const char* copy : {"1.bmp", "2.bmp", "4.bmp"})
        folder.writeImage(QString("dibujos/animales/") + copy, filled(Qt::blue));
    folder.writeText("configuracion/borra.txt", "SI");
    Form1 form(folder.path());
    QVERIFY(!folder.exists("dibujos/animales/1.bmp"));
    QVERIFY(!folder.exists("dibujos/animales/2.bmp"));
    QVERIFY(folder.exists("dibujos/animales/4.bmp"));
    QVERIFY(folder.exists("dibujos/animales/4.gif"));
    QCOMPARE(form.PageCount, 2);
}

void StartupTest::keptCopyOfPageOneIsWhatTheCanvasShows()
{
    TestFolder folder;
    standardFolder(folder, "NO");
    folder.writeImage("dibujos/animales/1.bmp", filled(QColor(10, 200, 30)));
    Form1 form(folder.path());
    QVERIFY(folder.exists("dibujos/animales/1.bmp"));
    // The copy fills the page's place on the canvas, paper round it.
    const QImage canvas = form.Picture1->Image();
    const QRect placed = canvas::fittedPageRect(page().size(), canvas.size());
    QCOMPARE(testsupport::countColour(canvas, qRgb(10, 200, 30)), qint64(placed.width()) * placed.height());
    QCOMPARE(canvas.pixel(0, 0), qRgb(255, 255, 255));
}

void StartupTest::smallPaletteTestIsCaseSensitive()
{
    {
        TestFolder folder;
        folder.addSet("pequenos.gif", {page()});
        Form1 form(folder.path());
        QVERIFY(form.FillToBorder);
        QCOMPARE(form.Command5->BackColor(), platform::ColourValue(0x0000FF00));
    }
    {
        TestFolder folder;
        folder.addSet("Pequenos.gif", {page()});
        Form1 form(folder.path());
        QVERIFY(!form.FillToBorder);
        QCOMPARE(form.Command5->BackColor(), platform::ColourValue(0x0000FFFF));
    }
}

void StartupTest::setNameDropsTheLastFourCharacters()
{
    TestFolder folder;
    folder.addSet("ab.jpeg", {page(), page()});
    Form1 form(folder.path());
    QCOMPARE(form.SetName(0), QString("ab."));
    QVERIFY(folder.exists("dibujos/ab./2.gif"));
    QCOMPARE(form.PageCount, 2);
}

void StartupTest::brokenFoldersStillOpenAUsableWindow_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("pageCount");
    for (const char* damage : {"no logos folder", "empty logos folder", "short logo name",
                               "missing set folder", "missing first page", "truncated page",
                               "text as page", "huge page", "folder as page"})
        QTest::newRow(damage) << QString(damage) << 0;
}

void StartupTest::brokenFoldersStillOpenAUsableWindow()
{
    QFETCH(QString, damage);
    QFETCH(int, pageCount);
    TestFolder folder;
    standardFolder(folder, "SI");
    folder.writeImage("dibujos/animales/3.bmp", filled(Qt::red));
    if (damage == "no logos folder" || damage == "empty logos folder")
        folder.remove("logos/animales.gif");
    if (damage == "no logos folder")
        folder.remove("logos");
    if (damage == "short logo name") {
        folder.remove("logos/animales.gif");
        folder.writeText("logos/abc", "x");
    }
    if (damage == "missing set folder")
        folder.remove("dibujos/animales");
    if (damage == "missing first page")
        folder.remove("dibujos/animales/1.gif");
    QByteArray gif;
    {
        QFile original(folder.file("dibujos/animales/1.gif"));
        if (original.open(QIODevice::ReadOnly))
            gif = original.readAll();
    }
    if (damage == "truncated page")
        folder.writeText("dibujos/animales/1.gif", gif.left(gif.size() / 2));
    if (damage == "text as page")
        folder.writeText("dibujos/animales/1.gif", "not a picture at all");
    if (damage == "huge page") // a header claiming 60000 x 60000 pixels
        folder.writeText("dibujos/animales/1.gif", QByteArray("GIF89a\x60\xea\x60\xea\x80\x00\x00", 13));
    if (damage == "folder as page") {
        folder.remove("dibujos/animales/1.gif");
        QVERIFY(QDir().mkpath(folder.file("dibujos/animales/1.gif")));
    }
    Form1 form(folder.path());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(int(form.PageNumber), 1);
    if (damage.contains("logo") || damage.contains("set folder") || damage.contains("first page")
        || damage.contains("folder as"))
        QCOMPARE(int(form.PageCount), pageCount);
    // Nothing is deleted that should not be: the pages and page 3's copy stay
    // unless clean-up could walk to them.
    QVERIFY(!damage.contains("page") || folder.exists("dibujos/animales/2.gif"));
    QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(form.isVisible());
}

void StartupTest::setNamesNeverLeaveTheDrawingsFolder()
{
    TestFolder folder;
    folder.addSet("animales.gif", {page()});
    folder.writeText("logos/...gif", "x");
    folder.writeText("logos/.. x", "x");
    QDir().mkpath(folder.file("keep"));
    folder.writeImage("keep/1.gif", page());
    folder.writeImage("keep/1.bmp", filled(Qt::red));
    Form1 form(folder.path());
    for (int i = 0; i < form.File1.ListCount(); ++i) {
        const QString name = form.SetName(i);
        QVERIFY2(name != "." && name != ".." && !name.contains('/'), qPrintable(name));
    }
    QVERIFY(folder.exists("keep/1.bmp"));
}

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
