// tintaro-contact-sheet: one PNG showing every page of the book, set by set.
#include "book/book_rules.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTextStream>

namespace {

constexpr int kThumbWidth = 240;
constexpr int kThumbHeight = 166;
constexpr int kGap = 8;

QImage thumbnail(const QString& path)
{
    QImageReader reader(path);
    const QImage page = reader.read();
    if (page.isNull())
        return {};
    return page.scaled(kThumbWidth, kThumbHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Rows of: the set's logo, then its pages 1, 2, ... in order.
QImage contactSheet(const QString& folder, int pagesPerRow)
{
    const QStringList logos = QDir(folder + "/logos").entryList(QDir::Files, QDir::Name);
    std::vector<std::vector<QImage>> rows;
    for (const QString& logo : logos) {
        std::vector<QImage> row{QImage(folder + '/' + book::logoFilePath(logo))};
        const QString set = book::setNameOfLogo(logo);
        const QString setFolder = folder + '/' + book::setFolderPath(set);
        const int pages = set.isEmpty() ? 0 : book::countPages([&](const QString& page) {
            return QFile::exists(setFolder + '/' + page);
        });
        for (int n = 1; n <= pages; ++n)
            row.push_back(thumbnail(folder + '/' + book::pagePath(set, n)));
        rows.push_back(row);
    }
    int lines = 0;
    for (const auto& row : rows)
        lines += std::max<int>(1, (int(row.size()) - 1 + pagesPerRow - 1) / pagesPerRow);
    QImage sheet(kGap + 70 + pagesPerRow * (kThumbWidth + kGap), kGap + lines * (kThumbHeight + kGap),
                 QImage::Format_RGB32);
    sheet.fill(QColor(225, 232, 240));
    QPainter p(&sheet);
    int y = kGap;
    for (const auto& row : rows) {
        p.drawImage(kGap, y, row.front());
        for (std::size_t i = 1; i < row.size(); ++i) {
            const int column = int(i - 1) % pagesPerRow;
            if (i > 1 && column == 0)
                y += kThumbHeight + kGap;
            p.drawImage(kGap + 70 + column * (kThumbWidth + kGap), y, row[i]);
        }
        y += kThumbHeight + kGap;
    }
    return sheet;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: tintaro-contact-sheet <program folder> <sheet.png>\n";
        return 2;
    }
    const QImage sheet = contactSheet(args.at(1), 4);
    if (sheet.isNull() || !sheet.save(args.at(2))) {
        QTextStream(stderr) << "tintaro-contact-sheet: could not write " << args.at(2) << "\n";
        return 1;
    }
    return 0;
}
