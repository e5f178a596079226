// Tintaro: a colouring book for young children. It opens with the splash
// window; a click on its drawing opens the main window. A second start while
// it runs brings the running window to the front and ends.
#include "platform/book_folders.h"
#include "platform/sound.h"
#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "splash/splash_window.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <malloc.h>
#include <memory>

namespace {

void bringToFront(QWidget* window)
{
    if (window == nullptr || !window->isVisible())
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

// Covers the screen whether or not a window manager honours the full-screen state.
void showCoveringScreen(QWidget& window)
{
    window.setGeometry(window.screen()->geometry());
    window.showFullScreen();
}

// Shows the splash, then the main window, until the child leaves; returns
// the exit status. The windows and the one-program lock are gone on return.
int run()
{
    const QString folder = QApplication::applicationDirPath();
    const platform::BookFolders book(folder);
    // Before any window and any file: two programs on one folder would save
    // over each other's pages, or clean away the other's copies at start.
    // The lock file is the first thing written, so the user's folder is made
    // for it now: a lock that appeared only later, with the first copy,
    // would let a second start take it from the running program. Without a
    // folder to write to, nothing is saved to lose; one program per book
    // still answers through the book's socket.
    static_cast<void>(book.prepareFolder("/"));
    SingleInstance instance(book.writableFolder().isEmpty() ? book.shippedFolder() : book.writableFolder());
    if (!instance.claim())
        return 0;
    std::unique_ptr<Form1> mainWindow;
    // The splash deletes itself when closed; once the main window is up it goes.
    const QPointer<Form2> splash = new Form2;
    QObject::connect(splash, &Form2::drawingClicked, qApp, [&mainWindow, &splash, &book] {
        mainWindow = std::make_unique<Form1>(book);
        QObject::connect(mainWindow.get(), &Form1::quitRequested, qApp, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        // This runs inside the splash's click handler: let that return first.
        splash->hide();
        splash->deleteLater();
        showCoveringScreen(*mainWindow);
    });
    QObject::connect(&instance, &SingleInstance::showRequested, qApp, [&mainWindow, &splash] {
        bringToFront(mainWindow ? static_cast<QWidget*>(mainWindow.get()) : splash.data());
    });
    splash->show();
    const int status = QApplication::exec();
    mainWindow.reset();
    delete splash.data();
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    // Canvas-sized images come and go with every page: give each its own
    // mapping, returned to the system when freed, rather than letting the
    // heap grow by one at every page change. Refused, it only costs memory.
    static_cast<void>(mallopt(M_MMAP_THRESHOLD, 1 << 20));
    int status = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName("Tintaro");
        status = run();
        // Everything is saved by now. The application still goes as usual
        // (a picture on the clipboard is handed over to the desktop), but
        // the sounds' streams stay open to the end.
        platform::keepSoundsOpen();
    }
    platform::endProcess(status);
}
