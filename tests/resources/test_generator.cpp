// The generator itself: the same bytes on every run, the child's coloured
// pages kept, and the list of what is installed naming only what it shipped.
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

bool generate(const QString& folder, const QString& desktopFolder = {})
{
    QProcess generator;
    generator.start(TINTARO_RESOURCES_EXE, desktopFolder.isEmpty() ? QStringList{folder} : QStringList{folder, desktopFolder});
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
    void installListNamesOnlyShippedFiles();
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

// The list of files to install is what the generator wrote, whatever else a
// run of the program or the importer left in the folder.
void TestGenerator::installListNamesOnlyShippedFiles()
{
    const QString folder = dir_.path();
    const QString set = firstSet(folder);
    QVERIFY(!set.isEmpty());
    const QStringList left{"/dibujos/" + set + "/1.bmp", "/dibujos/" + set + "/99.gif", "/logos/mios.gif"};
    for (const QString& relative : left) {
        QFile file(folder + relative);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("left by a run") > 0);
    }
    QTemporaryDir desktop;
    QVERIFY(generate(folder, desktop.path()));
    QFile list(desktop.path() + "/book-files.txt");
    QVERIFY(list.open(QIODevice::ReadOnly));
    const QStringList listed = QString::fromUtf8(list.readAll()).split('\n', Qt::SkipEmptyParts);
    QStringList expected;
    for (const auto& [relative, digest] : digests(folder)) {
        if (!left.contains(relative))
            expected << relative.mid(1);
    }
    QCOMPARE(listed.size(), expected.size());
    QCOMPARE(QSet<QString>(listed.begin(), listed.end()), QSet<QString>(expected.begin(), expected.end()));
    QVERIFY(QFile::exists(desktop.path() + "/icons/hicolor/scalable/apps/org.tintaro.Tintaro.svg"));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QVERIFY(QFile::exists(QString("%1/icons/hicolor/%2x%2/apps/org.tintaro.Tintaro.png").arg(desktop.path()).arg(size)));
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
