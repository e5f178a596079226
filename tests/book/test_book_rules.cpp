// The book's rules on disk: names, counting, allowed set names, "peque".
#include "book/book_rules.h"

#include <QSet>
#include <QtTest>

class BookRulesTest : public QObject {
    Q_OBJECT

private slots:
    void pagesCopiesAndLogosHaveFixedNames();
    void pagesAreCountedUpToTheFirstGap();
    void setNamesThatLeaveTheFolderAreRefused_data();
    void setNamesThatLeaveTheFolderAreRefused();
    void logosNameTheirSets();
    void youngestSetsCarryPeque();
};

void BookRulesTest::pagesCopiesAndLogosHaveFixedNames()
{
    QCOMPARE(book::pageFileName(12), QString("12.gif"));
    QCOMPARE(book::copyFileName(3), QString("3.bmp"));
    QCOMPARE(book::pagePath("granja", 2), QString("dibujos/granja/2.gif"));
    QCOMPARE(book::copyPath("granja", 2), QString("dibujos/granja/2.bmp"));
    QCOMPARE(book::logoPath("granja"), QString("logos/granja.gif"));
    // A logo found in the folder keeps its own name and type.
    QCOMPARE(book::logoFilePath("plantas.bmp"), QString("logos/plantas.bmp"));
    QCOMPARE(book::logoFilePath("granja.gif"), book::logoPath("granja"));
    // Pages are drawn in units and shipped in pixels of the same proportions.
    const double unitsAspect = double(book::kPageUnits.width()) / book::kPageUnits.height();
    QCOMPARE(qRound(book::kPageSize.height() * unitsAspect), book::kPageSize.width());
    QCOMPARE(book::kLogoSize, QSize(57, 67));
}

void BookRulesTest::pagesAreCountedUpToTheFirstGap()
{
    const QSet<QString> files{"1.gif", "2.gif", "3.gif", "5.gif", "4.bmp", "6.GIF"};
    QCOMPARE(book::countPages([&](const QString& f) { return files.contains(f); }), 3);
    QCOMPARE(book::countPages([](const QString& f) { return f != "1.gif"; }), 0);
    QCOMPARE(book::countPages([](const QString&) { return true; }), book::kMaxPages);
}

void BookRulesTest::setNamesThatLeaveTheFolderAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("plain") << "animales" << true;
    QTest::newRow("spaces and accents") << QString::fromUtf8("mis dibujos ñ") << true;
    QTest::newRow("dot inside") << "a.b" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("hidden") << ".oculto" << false;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("NUL") << QString("a") + QChar(0) + "b" << false;
    QTest::newRow("newline") << "a\nb" << false;
}

void BookRulesTest::setNamesThatLeaveTheFolderAreRefused()
{
    QFETCH(QString, name);
    QFETCH(bool, allowed);
    QCOMPARE(book::setNameProblem(name).isEmpty(), allowed);
    QCOMPARE(book::setNameOfLogo(name + ".gif"), allowed ? name : QString());
}

void BookRulesTest::logosNameTheirSets()
{
    QCOMPARE(book::setNameOfLogo("animales.gif"), QString("animales"));
    QCOMPARE(book::setNameOfLogo("animales.bmp"), QString("animales"));
    QCOMPARE(book::setNameOfLogo("ab.jpeg"), QString("ab."));
    // Names that would lead out of "dibujos" or hide the set.
    const QStringList refused{"", "a.g", ".gif", "..gif", "...gif", "....gif", "a/b.gif",
                              QString("a") + QChar(0) + "b.gif"};
    for (const QString& entry : refused)
        QVERIFY2(book::setNameOfLogo(entry).isEmpty(), qPrintable(entry));
}

void BookRulesTest::youngestSetsCarryPeque()
{
    QVERIFY(book::isForYoungest("pequenos"));
    QVERIFY(book::isForYoungest("mispequeanimales"));
    QVERIFY(!book::isForYoungest("Pequenos"));
    QVERIFY(!book::isForYoungest("granja"));
}

QTEST_GUILESS_MAIN(BookRulesTest)
#include "test_book_rules.moc"
