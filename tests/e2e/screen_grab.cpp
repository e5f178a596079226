// Writes a PNG screenshot of the whole screen of $DISPLAY to the file named on
// the command line, as a person would see it.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    return !shot.isNull() && shot.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
