// Program folders for tests.
#include "tests/support/test_folder.h"

#include "resources/gif_writer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QtTest>

namespace testsupport {

QString builtProgramFolder() { return qEnvironmentVariable("TINTARO_PROGRAM_FOLDER"); }

TestFolder::TestFolder(bool copyBuilt) : dir_(std::make_unique<QTemporaryDir>())
{
    QVERIFY2(dir_->isValid(), "cannot create a temporary folder");
    if (!copyBuilt)
        return;
    const QString source = builtProgramFolder();
    QVERIFY2(QFileInfo(source).isDir(), "TINTARO_PROGRAM_FOLDER does not name the built program folder");
    QDirIterator it(source, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = QDir(source).relativeFilePath(from);
        if (relative.endsWith(".bmp") && relative.startsWith("dibujos/"))
            continue;
        if (!relative.contains('/') && QFileInfo(from).isExecutable())
            continue;
        QDir().mkpath(QFileInfo(file(relative)).path());
        QVERIFY(QFile::copy(from, file(relative)));
    }
}

void TestFolder::writeText(const QString& relative, const QByteArray& content) const
{
    QDir().mkpath(QFileInfo(file(relative)).path());
    QFile out(file(relative));
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(out.write(content), content.size());
}

void TestFolder::writeImage(const QString& relative, const QImage& image) const
{
    QDir().mkpath(QFileInfo(file(relative)).path());
    if (!relative.endsWith(".gif", Qt::CaseInsensitive)) {
        QVERIFY2(image.save(file(relative)), qPrintable("cannot write " + relative));
        return;
    }
    const QByteArray gif = resources::encodeGif(image);
    QVERIFY2(!gif.isEmpty(), qPrintable("cannot encode " + relative));
    writeText(relative, gif);
}

void TestFolder::addSet(const QString& logoName, const QList<QImage>& pages) const
{
    QImage logo(57, 67, QImage::Format_RGB32);
    logo.fill(Qt::cyan);
    writeImage("logos/" + logoName, logo);
    const QString set = logoName.left(logoName.size() - 4);
    for (int n = 0; n < pages.size(); ++n)
        writeImage(QString("dibujos/%1/%2.gif").arg(set).arg(n + 1), pages[n]);
}

void TestFolder::remove(const QString& relative) const
{
    const QFileInfo info(file(relative));
    if (info.isDir())
        QDir(info.filePath()).removeRecursively();
    else
        QFile::remove(info.filePath());
}

bool TestFolder::exists(const QString& relative) const { return QFileInfo::exists(file(relative)); }

void TestFolder::installProgram(const QString& executable) const
{
    QVERIFY(QFile::copy(executable, file("tintaro")));
    QVERIFY(QFile::setPermissions(file("tintaro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void addEraseSettingRows()
{
    QTest::addColumn<QByteArray>("eraseSetting");
    QTest::newRow("copies kept (NO)") << QByteArray("NO\n");
    QTest::newRow("copies cleared at start") << QByteArray("si\n");
}

ImportRun runImporter(const TestFolder& folder, const QStringList& arguments, int boundMs)
{
    QProcess process;
    process.start(builtProgramFolder() + "/tintaro-import", QStringList{"--folder", folder.path()} + arguments);
    ImportRun run;
    if (!process.waitForFinished(boundMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QImage outlinedPage(QSize size, const QList<QRect>& boxes, int lineWidth)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    for (const QRect& box : boxes) {
        painter.fillRect(box, Qt::black);
        painter.fillRect(box.adjusted(lineWidth, lineWidth, -lineWidth, -lineWidth), Qt::white);
    }
    return page;
}

qint64 countColour(const QImage& image, QRgb rgb)
{
    const QImage rgb32 = image.convertToFormat(QImage::Format_RGB32);
    qint64 count = 0;
    for (int y = 0; y < rgb32.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
        for (int x = 0; x < rgb32.width(); ++x)
            count += (line[x] & 0xFFFFFF) == (rgb & 0xFFFFFF);
    }
    return count;
}

} // namespace testsupport
