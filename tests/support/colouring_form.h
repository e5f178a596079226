// A main window on a program folder of the test's own making (one set, both
// palettes, the tool icons), with helpers to press and drag on the canvas.
#pragma once

#include "shell/main_window.h"
#include "tests/support/colouring_folder.h"

#include <QtTest>
#include <memory>

namespace testsupport {

struct ColouringForm {
    TestFolder folder;
    std::unique_ptr<Form1> form;

    // A set named after `logoName` ("pequenos.gif" takes the small palette
    // and the border rule) whose first page is `page`, shown at natural size.
    ColouringForm(const QString& logoName, const QImage& page)
    {
        addColouringBasics(folder);
        folder.addSet(logoName, {page});
        form = std::make_unique<Form1>(folder.path());
        form->Command7_Click();
    }
    PictureBox* canvas() const { return form->Picture1; }
    QImage image() const { return form->Picture1->Image(); }
    void setColour(QRgb rgb) const
    {
        form->CurrentRed = qRed(rgb);
        form->CurrentGreen = qGreen(rgb);
        form->CurrentBlue = qBlue(rgb);
    }
    QRgb colour() const { return qRgb(form->CurrentRed, form->CurrentGreen, form->CurrentBlue); }
    void click(QPoint p, Qt::MouseButton button = Qt::LeftButton) const
    {
        clickBox(form->Picture1, p, button);
    }
    void drag(QPoint from, const QList<QPoint>& through, QPoint to) const
    {
        sendMouse(canvas(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
        for (const QPoint p : through)
            sendMouse(canvas(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, p);
        sendMouse(canvas(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
    }
    void showAndWait() const
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
};

// Pixels that differ between two images of one size.
inline QList<QPoint> changedPixels(const QImage& before, const QImage& after)
{
    QList<QPoint> changed;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed.append({x, y});
    return changed;
}

} // namespace testsupport
