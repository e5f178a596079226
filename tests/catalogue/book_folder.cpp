// Helpers for the catalogue tests.
#include "tests/catalogue/book_folder.h"

#include "shell/main_window.h"

#include <QDir>
#include <QPainter>
#include <QtTest>

namespace booktest {

QImage flatPage(QColor colour, QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(colour);
    return page;
}

void addSet(const testsupport::TestFolder& folder, const QString& logoName, QColor logoColour,
            const QList<QColor>& pages)
{
    folder.writeImage("logos/" + logoName, flatPage(logoColour, {57, 67}));
    const QString set = logoName.left(logoName.size() - 4);
    QVERIFY(QDir().mkpath(folder.file("dibujos/" + set)));
    for (int n = 0; n < pages.size(); ++n)
        folder.writeImage(QString("dibujos/%1/%2.gif").arg(set).arg(n + 1), flatPage(pages[n]));
}

void keepCopies(const testsupport::TestFolder& folder) { folder.writeText("configuracion/borra.txt", "NO"); }

void paint(Form1& form, QColor colour)
{
    form.SaveSnapshot();
    QImage& canvas = form.Picture1->persistentImage();
    QPainter painter(&canvas);
    painter.fillRect(QRect(1, 1, canvas.width() / 3, canvas.height() / 3), colour);
    painter.end();
    form.Picture1->imageChanged();
    form.DrawingModified = true;
}

QRgb canvasCentre(const Form1& form)
{
    const QImage& canvas = form.Picture1->persistentImage();
    return canvas.pixel(canvas.width() / 2, canvas.height() / 2);
}

QImage readCopy(const testsupport::TestFolder& folder, const QString& relative)
{
    if (!folder.exists(relative))
        return {};
    return QImage(folder.file(relative), "BMP").convertToFormat(QImage::Format_RGB32);
}

} // namespace booktest
