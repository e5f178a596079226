// The program in the installed layout: the shipped book read-only under
// share/tintaro, each user's coloured copies and own pages in their data
// home, settings from the system folder unless the user has their own, and
// a home that cannot be written leaving the child colouring as usual.
#include "canvas/page_placement.h"
#include "shell/main_window.h"
#include "tests/catalogue/book_folder.h"

#include <QtTest>

using testsupport::TestFolder;

namespace {

const QColor kRed(200, 30, 30);
const QColor kGreen(30, 160, 60);
const QColor kBlue(40, 60, 210);
const QColor kPaint(250, 220, 0);

// An installed tree: bin/ (the executable's folder), share/tintaro/ with the
// set "animales" (red, green), etc/tintaro/ for the system settings, and two
// users' data homes.
struct InstalledTree {
    TestFolder root;

    InstalledTree()
    {
        QVERIFY(QDir().mkpath(root.file("bin")));
        root.writeImage("share/tintaro/logos/animales.gif", booktest::flatPage(Qt::cyan, {57, 67}));
        root.writeImage("share/tintaro/dibujos/animales/1.gif", booktest::flatPage(kRed));
        root.writeImage("share/tintaro/dibujos/animales/2.gif", booktest::flatPage(kGreen));
        QVERIFY(QDir().mkpath(root.file("home1")));
        QVERIFY(QDir().mkpath(root.file("home2")));
    }
    QString user(const QString& home) const { return root.file(home + "/tintaro/"); }
    platform::BookFolders book(const QString& home) const
    {
        return platform::BookFolders(root.file("bin"), home.isEmpty() ? QString() : root.file(home),
                                      root.file("etc/tintaro"));
    }
    // A digest of every file below share/tintaro, names included.
    QByteArray shippedDigest() const { return testsupport::treeDigest(root.file("share/tintaro")); }
};

// The colour the painting of booktest::paint covers.
// A pixel near the top left corner of the page on the canvas, inside the part booktest::paint paints.
QRgb paintedCorner(const Form1& form)
{
    const QImage& canvas = form.Picture1->persistentImage();
    const QRect page = canvas::fittedPageRect(booktest::flatPage(Qt::white).size(), canvas.size());
    return canvas.pixel(page.topLeft() + QPoint(5, 5)) & 0xFFFFFF;
}

// Paints page 1 and leaves it for page 2, which saves page 1's copy.
void colourPageOne(Form1& form)
{
    booktest::paint(form, kPaint);
    form.Command4_Click();
    QCOMPARE(form.PageNumber, std::int16_t{2});
}

} // namespace

class InstalledBookTest : public QObject {
    Q_OBJECT
private slots:
    void eachUserColoursInTheirOwnFolder();
    void parentsPagesAndSetsFollowTheShippedOnes();
    void settingsComeFromTheSystemUnlessTheUserHasTheirOwn();
    void startUpClearsTheUsersCopiesOnly();
    void homeThatCannotBeWrittenKeepsTheProgramUsable_data();
    void homeThatCannotBeWrittenKeepsTheProgramUsable();
};

void InstalledBookTest::eachUserColoursInTheirOwnFolder()
{
    InstalledTree tree;
    tree.root.writeText("etc/tintaro/borra.txt", "NO");
    const QByteArray shipped = tree.shippedDigest();
    {
        Form1 form(tree.book("home1"));
        QVERIFY(!QFileInfo::exists(tree.user("home1")));
        colourPageOne(form);
    }
    QVERIFY(QFileInfo(tree.user("home1") + "dibujos/animales/1.bmp").isFile());
    QCOMPARE(tree.shippedDigest(), shipped);
    {
        Form1 again(tree.book("home1"));
        QCOMPARE(paintedCorner(again), kPaint.rgb() & 0xFFFFFF);
    }
    Form1 other(tree.book("home2"));
    QCOMPARE(paintedCorner(other), kRed.rgb() & 0xFFFFFF);
    QVERIFY(!QFileInfo::exists(tree.user("home2")));
}

void InstalledBookTest::parentsPagesAndSetsFollowTheShippedOnes()
{
    InstalledTree tree;
    tree.root.writeImage("home1/tintaro/dibujos/animales/3.gif", booktest::flatPage(kBlue));
    tree.root.writeImage("home1/tintaro/logos/barcos.gif", booktest::flatPage(Qt::magenta, {57, 67}));
    tree.root.writeImage("home1/tintaro/dibujos/barcos/1.gif", booktest::flatPage(kGreen));
    Form1 form(tree.book("home1"));
    QCOMPARE(form.File1.ListCount(), 2);
    QCOMPARE(form.SetName(1), QString("barcos"));
    QCOMPARE(form.PageCount, std::int16_t{3});
    form.Command3_Click();
    QCOMPARE(form.PageNumber, std::int16_t{3});
    QCOMPARE(booktest::canvasCentre(form) & 0xFFFFFF, kBlue.rgb() & 0xFFFFFF);
    form.Command5_Click();
    QCOMPARE(form.SetName(form.SetIndex), QString("barcos"));
    QCOMPARE(booktest::canvasCentre(form) & 0xFFFFFF, kGreen.rgb() & 0xFFFFFF);

    Form1 other(tree.book("home2"));
    QCOMPARE(other.File1.ListCount(), 1);
    QCOMPARE(other.PageCount, std::int16_t{2});
}

void InstalledBookTest::settingsComeFromTheSystemUnlessTheUserHasTheirOwn()
{
    InstalledTree tree;
    tree.root.writeText("share/tintaro/configuracion/impresora.txt", "SI");
    tree.root.writeText("etc/tintaro/impresora.txt", "NO");
    tree.root.writeText("home2/tintaro/configuracion/impresora.txt", "SI");
    const Form1 teacher(tree.book("home1"));
    QVERIFY(!teacher.Command8->isEnabled());
    const Form1 own(tree.book("home2"));
    QVERIFY(own.Command8->isEnabled());
}

void InstalledBookTest::startUpClearsTheUsersCopiesOnly()
{
    InstalledTree tree;
    const QImage copy = booktest::flatPage(kPaint);
    tree.root.writeImage("home1/tintaro/dibujos/animales/1.bmp", copy);
    // Nothing the program writes, but a shipped file of that name is never its to delete.
    tree.root.writeImage("share/tintaro/dibujos/animales/2.bmp", copy);
    tree.root.writeText("etc/tintaro/borra.txt", "NO");
    {
        const Form1 kept(tree.book("home1"));
    }
    QVERIFY(tree.root.exists("home1/tintaro/dibujos/animales/1.bmp"));
    tree.root.writeText("home1/tintaro/configuracion/borra.txt", "SI");
    const Form1 cleared(tree.book("home1"));
    QVERIFY(!tree.root.exists("home1/tintaro/dibujos/animales/1.bmp"));
    QVERIFY(tree.root.exists("share/tintaro/dibujos/animales/2.bmp"));
    QCOMPARE(booktest::canvasCentre(cleared) & 0xFFFFFF, kRed.rgb() & 0xFFFFFF);
}

void InstalledBookTest::homeThatCannotBeWrittenKeepsTheProgramUsable_data()
{
    QTest::addColumn<QString>("home");
    QTest::newRow("no home folder") << QString();
    // A plain file where the data home should be: nothing can be made below
    // it, whoever runs the test.
    QTest::newRow("home is a file") << QString("home-file");
}

void InstalledBookTest::homeThatCannotBeWrittenKeepsTheProgramUsable()
{
    QFETCH(QString, home);
    InstalledTree tree;
    if (!home.isEmpty())
        tree.root.writeText(home, "not a folder");
    const QByteArray shipped = tree.shippedDigest();
    Form1 form(tree.book(home));
    booktest::paint(form, kPaint);
    QCOMPARE(paintedCorner(form), kPaint.rgb() & 0xFFFFFF);
    form.Command4_Click();
    form.Command3_Click();
    QCOMPARE(paintedCorner(form), kRed.rgb() & 0xFFFFFF);
    form.Command1_Click();
    form.Command2_Click();
    QCOMPARE(tree.shippedDigest(), shipped);
    QCOMPARE(QDir(tree.root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
             home.isEmpty() ? 4 : 5);
}

QTEST_MAIN(InstalledBookTest)
#include "test_installed_book.moc"
