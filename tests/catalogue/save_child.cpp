// A child process for the save tests: writes a large coloured copy with the
// program's own save, so that the test can kill it half-way.
// Usage: catalogue_save_child <path> <width> <height>
#include "platform/picture_io.h"

#include <QCoreApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    QImage image(QString(argv[2]).toInt(), QString(argv[3]).toInt(), QImage::Format_RGB32);
    if (image.isNull())
        return 2;
    image.fill(QColor(20, 120, 220));
    std::puts("saving");
    std::fflush(stdout);
    if (!platform::saveBmpAtomically(image, QString::fromLocal8Bit(argv[1])))
        return 1;
    std::puts("saved");
    return 0;
}
