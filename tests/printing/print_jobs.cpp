// The printed documents the cups-pdf queue leaves in its output folder.
#include "tests/printing/print_jobs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>

namespace printtest {
namespace {

// Runs a tool; false when it fails. What it printed goes to `output`.
bool runTool(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return false;
    if (output != nullptr)
        *output = process.readAllStandardOutput();
    return true;
}

bool queueIsEmpty()
{
    QProcess lpstat;
    lpstat.start("lpstat", {"-o"});
    return lpstat.waitForFinished(10000) && lpstat.readAllStandardOutput().trimmed().isEmpty();
}

QString pdfinfoField(const QString& pdf, const QString& field)
{
    QByteArray info;
    if (!runTool("pdfinfo", {pdf}, &info))
        return {};
    const QRegularExpression line("^" + field + ":\\s*(.*)$", QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(info)).captured(1).trimmed();
}

} // namespace

QSet<QString> pdfFiles()
{
    const QDir folder(qEnvironmentVariable("TINTARO_CUPS_PDF_DIR"));
    QSet<QString> files;
    for (const QString& name : folder.entryList({"*.pdf"}, QDir::Files))
        files.insert(folder.filePath(name));
    return files;
}

QStringList newPdfs(const QSet<QString>& before, int count)
{
    QElapsedTimer waited;
    waited.start();
    QStringList found;
    while (waited.elapsed() < 30000) {
        const bool idle = queueIsEmpty();
        found = QStringList((pdfFiles() - before).values());
        if (idle && found.size() >= count)
            break;
        QThread::msleep(100);
    }
    found.sort();
    return found;
}

int pageCount(const QString& pdf) { return pdfinfoField(pdf, "Pages").toInt(); }

QSizeF pageSizePoints(const QString& pdf)
{
    const QRegularExpression size("([0-9.]+) x ([0-9.]+) pts");
    const QRegularExpressionMatch match = size.match(pdfinfoField(pdf, "Page size"));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

QImage renderFirstPage(const QString& pdf, int dpi)
{
    QTemporaryDir dir;
    const QStringList arguments{"-r", QString::number(dpi), "-f", "1", "-l", "1", "-singlefile", "-png",
                                pdf, dir.filePath("page")};
    if (!dir.isValid() || !runTool("pdftoppm", arguments))
        return {};
    return QImage(dir.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
}

QList<QSize> embeddedImages(const QString& pdf)
{
    QList<QSize> sizes;
    QByteArray list;
    if (!runTool("pdfimages", {"-list", pdf}, &list))
        return sizes;
    const QList<QByteArray> lines = list.split('\n');
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].simplified().split(' ');
        if (fields.size() > 4 && fields[2] == "image")
            sizes.append(QSize(fields[3].toInt(), fields[4].toInt()));
    }
    return sizes;
}

QRect inkBounds(const QImage& page)
{
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace printtest
