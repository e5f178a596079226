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
    // Half a minute of work on an idle machine, for 64 large pages.
    return generator.waitForFinished(400000) && generator.exitStatus() == QProcess::NormalExit
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

private:
    QTemporaryDir dir_; // a generated folder, reused by the next test
};

void TestGenerator::twoRunsGiveTheSameFiles()
{
    QTemporaryDir other;
    QVERIFY(generate(dir_.path()) && generate(other.path()));
    const auto first = digests(dir_.path());
    QVERIFY(first.size() > 30);
    QVERIFY(first == digests(other.path()));
}

// A second run over a folder the program has used rewrites what it ships and
// leaves the child's coloured copies alone.
void TestGenerator::colouredCopiesAreKept()
{
    const QString folder = dir_.path();
    QVERIFY(QFile::exists(folder + "/logos"));
    const QString copy = "/dibujos/" + firstSet(folder) + "/1.bmp";
    const QString page = "/dibujos/" + firstSet(folder) + "/2.gif";
    QFile copyFile(folder + copy);
    QVERIFY(copyFile.open(QIODevice::WriteOnly) && copyFile.write("a child's colouring") > 0);
    copyFile.close();
    QFile pageFile(folder + page);
    QVERIFY(pageFile.open(QIODevice::WriteOnly) && pageFile.write("damaged") > 0);
    pageFile.close();
    const auto before = digests(folder);
    QVERIFY(generate(folder));
    const auto after = digests(folder);
    QCOMPARE(after.at(copy), before.at(copy));
    QVERIFY(after.at(page) != before.at(page));
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
