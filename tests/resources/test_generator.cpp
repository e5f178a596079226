// The generator itself: the same bytes on every run, and the child's coloured pages kept.
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

bool generate(const QString& folder)
{
    QProcess generator;
    generator.start(TINTARO_RESOURCES_EXE, {folder});
    return generator.waitForFinished(120000) && generator.exitStatus() == QProcess::NormalExit
        && generator.exitCode() == 0;
}

// Relative path -> SHA-256 of every file below `folder`.
std::map<QString, QByteArray> digests(const QString& folder)
{
    std::map<QString, QByteArray> all;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            all[f.fileName().mid(folder.size())] = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    return all;
}

QString firstSet(const QString& folder)
{
    const QStringList logos = QDir(folder + "/logos").entryList(QDir::Files, QDir::Name);
    return logos.isEmpty() ? QString() : logos.first().chopped(4);
}

} // namespace

class TestGenerator : public QObject {
    Q_OBJECT

private slots:
    void twoRunsGiveTheSameFiles();
    void colouredCopiesAreKept();
    void usage();
};

void TestGenerator::twoRunsGiveTheSameFiles()
{
    QTemporaryDir a, b;
    QVERIFY(generate(a.path()) && generate(b.path()));
    const auto first = digests(a.path());
    QVERIFY(first.size() > 30);
    QVERIFY(first == digests(b.path()));
}

void TestGenerator::colouredCopiesAreKept()
{
    QTemporaryDir dir;
    QVERIFY(generate(dir.path()));
    const QString set = dir.path() + "/dibujos/" + firstSet(dir.path());
    QFile copy(set + "/1.bmp");
    QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write("a child's colouring") > 0);
    copy.close();
    QFile page(set + "/2.gif");
    QVERIFY(page.open(QIODevice::WriteOnly) && page.write("damaged") > 0);
    page.close();
    const auto before = digests(dir.path());
    QVERIFY(generate(dir.path()));
    const auto after = digests(dir.path());
    QCOMPARE(after.at("/dibujos/" + firstSet(dir.path()) + "/1.bmp"), before.at("/dibujos/" + firstSet(dir.path()) + "/1.bmp"));
    QVERIFY(after.at("/dibujos/" + firstSet(dir.path()) + "/2.gif") != before.at("/dibujos/" + firstSet(dir.path()) + "/2.gif"));
    QCOMPARE(after.size(), before.size());
}

void TestGenerator::usage()
{
    QProcess generator;
    generator.start(TINTARO_RESOURCES_EXE, {});
    QVERIFY(generator.waitForFinished(30000));
    QCOMPARE(generator.exitCode(), 2);
    QVERIFY(generator.readAllStandardError().contains("usage"));
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "test_generator.moc"
