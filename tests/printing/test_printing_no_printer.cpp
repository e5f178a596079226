// The print button with no printer at all (the print server cannot be
// reached): the press prints nothing and says nothing.
#include "shell/main_window.h"
#include "tests/support/later_event.h"
#include "tests/support/test_folder.h"

#include <QApplication>
#include <QDir>
#include <QPrinterInfo>
#include <QtTest>

class NoPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void pressPrintsAndSaysNothing();
};

void NoPrinterTest::pressPrintsAndSaysNothing()
{
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
    testsupport::TestFolder folder;
    QImage page(120, 90, QImage::Format_RGB32);
    page.fill(Qt::darkGreen);
    folder.writeImage("dibujos/animales/1.gif", page);
    folder.writeImage("logos/animales.gif", page);
    folder.writeImage("fondo.jpg", page);
    Form1 form(folder.path());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.DrawingModified = true;
    const QImage canvas = form.Picture1->Image();
    const QStringList pdfsBefore = QDir(qEnvironmentVariable("TINTARO_CUPS_PDF_DIR")).entryList({"*.pdf"});

    auto shownWindows = [] {
        QWidgetList shown;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                shown << window;
        return shown;
    };
    const QWidgetList windowsBefore = shownWindows();

    QTest::mouseClick(form.Command8, Qt::LeftButton);
    QCOMPARE(form.Picture1->Picture(), canvas); // the first step still happened
    QCOMPARE(form.Picture1->Image(), canvas);
    QCOMPARE(form.DrawingModified, true);
    // A message the press had posted would be up once a later event is handled.
    QVERIFY(testsupport::handleLaterEvent());
    QCOMPARE(shownWindows(), windowsBefore); // no message
    QCOMPARE(QDir(qEnvironmentVariable("TINTARO_CUPS_PDF_DIR")).entryList({"*.pdf"}), pdfsBefore);
}

int main(int argc, char* argv[])
{
    // No print server answers here, whatever the machine has.
    qputenv("CUPS_SERVER", QDir::tempPath().toLocal8Bit() + "/tintaro-no-cups-here/cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QApplication app(argc, argv);
    NoPrinterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_printing_no_printer.moc"
