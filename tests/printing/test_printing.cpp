// The print button against a real CUPS server whose default queue writes
// PDF files: one document of one page per press, the canvas at the left edge,
// centred from top to bottom, at its size on screen; nothing else changes.
#include "printing/placement.h"
#include "shell/main_window.h"
#include "tests/printing/print_jobs.h"
#include "tests/support/test_folder.h"

#include <QApplication>
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

using testsupport::TestFolder;

namespace {

const QColor kInk(20, 40, 160);
constexpr int kDpi = 144;
constexpr double kTwipsPerInch = 1440.0;

// One set of one flat page, so that the whole canvas prints in one colour.
void flatBook(const TestFolder& folder, const QByteArray& printerSetting)
{
    QImage page(120, 90, QImage::Format_RGB32);
    page.fill(kInk);
    QImage logo(57, 67, QImage::Format_RGB32);
    logo.fill(Qt::cyan);
    folder.writeImage("dibujos/animales/1.gif", page);
    folder.writeImage("logos/animales.gif", logo);
    folder.writeText("configuracion/impresora.txt", printerSetting);
}

double twipsToDots(double twips) { return twips * kDpi / kTwipsPerInch; }

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void onePressPrintsTheCanvasAtTheLeftEdgeCentred();
    void twoPressesPrintTwoDocuments();
    void printingChangesNothingElse();
    void disabledButtonPrintsNothing();
    void refusingPrinterPrintsNothing();
};

void PrintingTest::initTestCase()
{
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), qEnvironmentVariable("TINTARO_CUPS_PRINTER"));
    QVERIFY(QDir(qEnvironmentVariable("TINTARO_CUPS_PDF_DIR")).exists() ||
            QDir().mkpath(qEnvironmentVariable("TINTARO_CUPS_PDF_DIR")));
}

void PrintingTest::onePressPrintsTheCanvasAtTheLeftEdgeCentred()
{
    TestFolder folder;
    flatBook(folder, "");
    Form1 form(folder.path());
    form.show();
    // The whole canvas in ink, its margin round the page too, so that the
    // ink on paper shows where the canvas went.
    form.Picture1->persistentImage().fill(kInk);
    form.Picture1->imageChanged();
    const QSet<QString> before = printtest::pdfFiles();
    QTest::mouseClick(form.Command8, Qt::LeftButton);

    const QStringList documents = printtest::newPdfs(before, 1);
    QCOMPARE(documents.size(), 1);
    QCOMPARE(printtest::pageCount(documents.first()), 1);
    QCOMPARE(printtest::embeddedImages(documents.first()), QList<QSize>{form.Picture1->Image().size()});

    const QImage page = printtest::renderFirstPage(documents.first(), kDpi);
    QVERIFY(!page.isNull());
    const QRect ink = printtest::inkBounds(page);
    const int pageHeightTwips = qRound(printtest::pageSizePoints(documents.first()).height() * 20);
    const double top = printing::canvasPlacement(pageHeightTwips, form.Picture1->Width(), form.Picture1->Height()).top();
    QVERIFY2(ink.left() == 0, qPrintable(QString("left edge at %1").arg(ink.left())));
    QVERIFY(qAbs(ink.top() - twipsToDots(top)) <= 1.5);
    QVERIFY(qAbs(ink.width() - twipsToDots(form.Picture1->Width())) <= 1.5);
    QVERIFY(qAbs(ink.height() - twipsToDots(form.Picture1->Height())) <= 1.5);
    QVERIFY(qAbs((page.height() - 1 - ink.bottom()) - ink.top()) <= 2);
    // The print path converts colours and may move a level or two.
    const QColor printed(page.pixel(ink.center()));
    QVERIFY2(qAbs(printed.red() - kInk.red()) <= 4 && qAbs(printed.green() - kInk.green()) <= 4 &&
                 qAbs(printed.blue() - kInk.blue()) <= 4,
             qPrintable(printed.name()));
}

void PrintingTest::twoPressesPrintTwoDocuments()
{
    TestFolder folder;
    flatBook(folder, "");
    Form1 form(folder.path());
    const QSet<QString> before = printtest::pdfFiles();
    form.Command8_Click();
    form.Command8_Click();
    const QStringList printed = printtest::newPdfs(before, 2);
    QCOMPARE(printed.size(), 2);
    for (const QString& pdf : printed)
        QCOMPARE(printtest::pageCount(pdf), 1);
}

void PrintingTest::printingChangesNothingElse()
{
    TestFolder folder;
    flatBook(folder, "");
    Form1 form(folder.path());
    form.DrawingModified = true;
    const QImage canvas = form.Picture1->Image();
    const QSet<QString> before = printtest::pdfFiles();
    form.Command8_Click();
    QCOMPARE(printtest::newPdfs(before, 1).size(), 1);
    QCOMPARE(form.Picture1->Image(), canvas);
    QCOMPARE(form.Picture1->Picture(), canvas);
    QCOMPARE(form.DrawingModified, true);
    QVERIFY(QDir(folder.file("dibujos/animales")).entryList({"*.bmp"}, QDir::Files).isEmpty());
}

void PrintingTest::disabledButtonPrintsNothing()
{
    TestFolder folder;
    flatBook(folder, "No");
    Form1 form(folder.path());
    form.show();
    QVERIFY(!form.Command8->isEnabled());
    const QSet<QString> before = printtest::pdfFiles();
    QTest::mouseClick(form.Command8, Qt::LeftButton);
    // A later job through the handler itself: once it is out, a job of the
    // click, queued before it, would be out too.
    form.Command8_Click();
    QCOMPARE(printtest::newPdfs(before, 1).size(), 1);
}

void PrintingTest::refusingPrinterPrintsNothing()
{
    const QString queue = qEnvironmentVariable("TINTARO_CUPS_PRINTER");
    QVERIFY(QProcess::execute("cupsreject", {queue}) == 0);
    auto accept = qScopeGuard([&] {
        if (QProcess::execute("cupsaccept", {queue}) != 0)
            qWarning("could not make %s accept jobs again", qPrintable(queue));
    });
    TestFolder folder;
    flatBook(folder, "");
    Form1 form(folder.path());
    const QSet<QString> before = printtest::pdfFiles();
    form.Command8_Click();
    QCOMPARE(form.Picture1->Picture(), form.Picture1->Image());
    // The queue accepts again and a later press prints: the refused press
    // left nothing behind it.
    accept.dismiss();
    QCOMPARE(QProcess::execute("cupsaccept", {queue}), 0);
    form.Command8_Click();
    QCOMPARE(printtest::newPdfs(before, 1).size(), 1);
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("TINTARO_CUPS_PRINTER"))
        return 77; // no CUPS server with a PDF queue: nothing to print on
    QApplication app(argc, argv);
    PrintingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_printing.moc"
