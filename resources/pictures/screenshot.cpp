// tintaro-screenshot: saves the whole X screen as a PNG (for the README).
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: tintaro-screenshot <picture.png>\n";
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPixmap shot = screen ? screen->grabWindow(0) : QPixmap();
    if (shot.isNull() || !shot.save(args.at(1))) {
        QTextStream(stderr) << "tintaro-screenshot: could not write " << args.at(1) << "\n";
        return 1;
    }
    return 0;
}
