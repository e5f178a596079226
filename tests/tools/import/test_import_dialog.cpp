// The "Add to Tintaro" window driven as a parent would: an existing set, a
// new set, a refused picture among good ones (nothing written for it), the
// progress through several pictures, and its Spanish texts.
#include "import_dialog.h"

#include "tests/support/test_folder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <memory>

using testsupport::TestFolder;

namespace {

constexpr int kImportBoundMs = 120000;

QImage drawing(int boxes) { return testsupport::boxesInARow({800, 300}, {30, 40, 120, 200}, 150, boxes); }

// A program folder with the set "animales" of one page, and pictures.
struct Book {
    TestFolder folder;
    Book()
    {
        folder.addSet("animales.gif", {drawing(1)});
        folder.writeImage("pictures/two.png", drawing(2));
        folder.writeImage("pictures/three.png", drawing(3));
        folder.writeImage("pictures/four.png", drawing(4));
        folder.writeText("pictures/broken.png", "this is not a picture");
    }
    QString picture(const QString& name) const { return folder.file("pictures/" + name); }
    std::unique_ptr<importer::ImportDialog> dialog(const QStringList& pictures) const
    {
        const QStringList command{testsupport::builtProgramFolder() + "/tintaro-import", "--folder", folder.path()};
        return std::make_unique<importer::ImportDialog>(platform::BookFolders(folder.path()), command, pictures);
    }
};

// Clicks Add and waits until every picture has been tried.
void addAll(importer::ImportDialog& dialog)
{
    QSignalSpy done(&dialog, &importer::ImportDialog::allTried);
    QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
    QVERIFY(done.wait(kImportBoundMs));
}

} // namespace

class ImportDialogTest : public QObject {
    Q_OBJECT
private slots:
    void addsToAnExistingSet();
    void makesANewSet();
    void refusedPictureWritesNothingAndTheOthersAreAdded();
    void badSetNameStartsNothing();
    void speaksSpanish();
};

void ImportDialogTest::addsToAnExistingSet()
{
    const Book book;
    auto dialog = book.dialog({book.picture("two.png")});
    QCOMPARE(dialog->setBox()->count(), 1);
    QCOMPARE(dialog->setBox()->currentText(), QString("animales"));
    addAll(*dialog);
    QCOMPARE(dialog->added(), 1);
    QVERIFY(book.folder.exists("dibujos/animales/2.gif"));
    QVERIFY2(dialog->results()->toPlainText().contains("dibujos/animales/2.gif from"),
             qPrintable(dialog->results()->toPlainText()));
    QCOMPARE(dialog->progress()->value(), 1);
}

void ImportDialogTest::makesANewSet()
{
    const Book book;
    auto dialog = book.dialog({book.picture("two.png")});
    dialog->setBox()->lineEdit()->clear();
    QTest::keyClicks(dialog->setBox()->lineEdit(), "mios");
    addAll(*dialog);
    QVERIFY(book.folder.exists("logos/mios.gif"));
    QVERIFY(book.folder.exists("dibujos/mios/1.gif"));
    QVERIFY(!book.folder.exists("dibujos/animales/2.gif"));
}

void ImportDialogTest::refusedPictureWritesNothingAndTheOthersAreAdded()
{
    const Book book;
    auto dialog = book.dialog(
        {book.picture("two.png"), book.picture("broken.png"), book.picture("three.png"), book.picture("four.png")});
    QList<int> steps;
    connect(dialog->progress(), &QProgressBar::valueChanged, this, [&steps](int value) { steps << value; });
    addAll(*dialog);
    QCOMPARE(steps, (QList<int>{1, 2, 3, 4}));
    QCOMPARE(dialog->progress()->maximum(), 4);
    QCOMPARE(dialog->added(), 3);
    // The refused picture took no number: the good ones follow each other.
    for (int n = 2; n <= 4; ++n)
        QVERIFY(book.folder.exists(QString("dibujos/animales/%1.gif").arg(n)));
    QVERIFY(!book.folder.exists("dibujos/animales/5.gif"));
    QVERIFY(dialog->pictureList()->item(1)->text().startsWith("Not added"));
    QVERIFY(dialog->results()->toPlainText().contains("broken.png"));
    QVERIFY(dialog->results()->toPlainText().contains("3 of 4 pictures added"));
}

void ImportDialogTest::badSetNameStartsNothing()
{
    const Book book;
    auto dialog = book.dialog({book.picture("two.png")});
    dialog->setBox()->setEditText(".hidden");
    QSignalSpy done(dialog.get(), &importer::ImportDialog::allTried);
    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    QCOMPARE(done.count(), 0);
    QVERIFY(dialog->addButton()->isEnabled());
    QVERIFY(!dialog->results()->toPlainText().isEmpty());
    QVERIFY(!book.folder.exists("dibujos/.hidden"));
}

void ImportDialogTest::speaksSpanish()
{
    QTranslator texts;
    QVERIFY(importer::loadDialogTexts(texts, QLocale(QLocale::Spanish, QLocale::Spain)));
    QVERIFY(QCoreApplication::installTranslator(&texts));
    const Book book;
    const auto dialog = book.dialog({book.picture("two.png")});
    QCOMPARE(dialog->windowTitle(), QString("Añadir a Tintaro"));
    QCOMPARE(dialog->addButton()->text(), QString("Añadir"));
    QVERIFY(QCoreApplication::removeTranslator(&texts));
    QTranslator english;
    QVERIFY(!importer::loadDialogTexts(english, QLocale(QLocale::English, QLocale::UnitedKingdom)));
}

QTEST_MAIN(ImportDialogTest)
#include "test_import_dialog.moc"
