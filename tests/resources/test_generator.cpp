// The generator itself: the same bytes on every run, the child's coloured
// pages kept, and the list of what is installed naming only what it shipped.
#include "tests/support/samples.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer build's generator draws two pages of each set: every drawing
// and cleaning step runs, in a fraction of the time. The release build draws
// the whole book.
constexpr int kPagesPerSet = 2;
#else
constexpr int kPagesPerSet = 0; // every page
#endif

bool generate(const QString& folder, const QString& desktopFolder)
{
    QStringList arguments{folder, desktopFolder};
    if (kPagesPerSet > 0)
        arguments = QStringList{"--pages", QString::number(kPagesPerSet)} + arguments;
    QProcess generator;
    generator.start(TINTARO_RESOURCES_EXE, arguments);
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
        const QString path = it.next();
        all[path.mid(folder.size())] = testsupport::fileBytesDigest(path);
    }
    return all;
}

// The files of `book` a run drawing kPagesPerSet pages of each set makes.
QStringList madeOf(const QStringList& book)
{
    if (kPagesPerSet == 0)
        return book;
    static const QRegularExpression page("^dibujos/[^/]+/(\\d+)\\.gif$");
    QStringList made;
    for (const QString& file : book) {
        const QRegularExpressionMatch match = page.match(file);
        if (!match.hasMatch() || match.captured(1).toInt() <= kPagesPerSet)
            made << file;
    }
    return made;
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
    void aRunOverAUsedFolder();
    void usage();
};

// The build ran the generator once already. A run of its own over a folder
// the program and the importer have used gives the build's book, byte for
// byte: it rewrites what it ships, leaves the child's coloured copies and a
// parent's own pages alone, and lists for installing only what it shipped.
void TestGenerator::aRunOverAUsedFolder()
{
    const QString built = qEnvironmentVariable("TINTARO_PROGRAM_FOLDER");
    QFile list(qEnvironmentVariable("TINTARO_BUILD_DIR") + "/desktop/book-files.txt");
    QVERIFY(list.open(QIODevice::ReadOnly));
    const QStringList shipped = QString::fromUtf8(list.readAll()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(shipped.size() > 30);
    const QStringList book = madeOf(shipped);
    const QString set = firstSet(built);
    QVERIFY(!set.isEmpty());
    QVERIFY(book.contains("dibujos/" + set + "/2.gif"));

    QTemporaryDir dir;
    const QString folder = dir.path();
    const QString page = "/dibujos/" + set + "/2.gif";
    const QStringList left{"/dibujos/" + set + "/1.bmp", "/dibujos/" + set + "/99.gif", "/logos/mios.gif"};
    for (const QString& relative : left + QStringList{page}) {
        QVERIFY(QDir().mkpath(QFileInfo(folder + relative).path()));
        QFile file(folder + relative);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("left by a run") > 0);
    }
    const auto before = digests(folder);
    QTemporaryDir desktop;
    QVERIFY(generate(folder, desktop.path()));
    const auto after = digests(folder);

    for (const QString& relative : left)
        QCOMPARE(after.at(relative), before.at(relative));
    QCOMPARE(after.size(), std::size_t(book.size() + left.size()));
    for (const QString& relative : book) {
        QVERIFY2(after.count("/" + relative) == 1, qPrintable(relative + " was not made"));
        QVERIFY2(after.at("/" + relative) == testsupport::fileBytesDigest(built + "/" + relative),
                 qPrintable(relative + " differs from the build's"));
    }

    QFile listed(desktop.path() + "/book-files.txt");
    QVERIFY(listed.open(QIODevice::ReadOnly));
    const QStringList names = QString::fromUtf8(listed.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(QSet<QString>(names.begin(), names.end()), QSet<QString>(book.begin(), book.end()));
    QCOMPARE(names.size(), book.size());
    QVERIFY(QFile::exists(desktop.path() + "/icons/hicolor/scalable/apps/org.tintaro.Tintaro.svg"));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QVERIFY(QFile::exists(QString("%1/icons/hicolor/%2x%2/apps/org.tintaro.Tintaro.png").arg(desktop.path()).arg(size)));
}

void TestGenerator::usage()
{
    const QTemporaryDir dir;
    for (const QStringList& arguments : {QStringList{}, QStringList{"--pages", "0", dir.path()},
                                         QStringList{"--pages", "dos", dir.path()}, QStringList{"a", "b", "c"}}) {
        QProcess generator;
        generator.start(TINTARO_RESOURCES_EXE, arguments);
        QVERIFY(generator.waitForFinished(120000));
        QCOMPARE(generator.exitCode(), 2);
        QVERIFY(generator.readAllStandardError().contains("usage"));
    }
    QVERIFY(QDir(dir.path()).isEmpty());
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "test_generator.moc"
