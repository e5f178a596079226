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
    void colouredCopiesAreKeptAndNotInstalled();
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

// A second run over a folder the program and the importer have used
// rewrites what it ships, leaves the child's coloured copies and a parent's
// own pages alone, and lists for installing only what it shipped.
void TestGenerator::colouredCopiesAreKeptAndNotInstalled()
{
    const QString folder = dir_.path();
    const QString set = firstSet(folder);
    QVERIFY(!set.isEmpty());
    const QString copy = "/dibujos/" + set + "/1.bmp";
    const QString page = "/dibujos/" + set + "/2.gif";
    const QStringList left{copy, "/dibujos/" + set + "/99.gif", "/logos/mios.gif"};
    for (const QString& relative : left + QStringList{page}) {
        QFile file(folder + relative);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("left by a run") > 0);
    }
    const auto before = digests(folder);
    QTemporaryDir desktop;
    QVERIFY(generate(folder, desktop.path()));
    const auto after = digests(folder);
    QCOMPARE(after.at(copy), before.at(copy));
    QVERIFY(after.at(page) != before.at(page));
    QCOMPARE(after.size(), before.size());

    QFile list(desktop.path() + "/book-files.txt");
    QVERIFY(list.open(QIODevice::ReadOnly));
    const QStringList listed = QString::fromUtf8(list.readAll()).split('\n', Qt::SkipEmptyParts);
    QSet<QString> shipped;
    for (const auto& [relative, digest] : after) {
        if (!left.contains(relative))
            shipped << relative.mid(1);
    }
    QCOMPARE(listed.size(), shipped.size());
    QCOMPARE(QSet<QString>(listed.begin(), listed.end()), shipped);
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
