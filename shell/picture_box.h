// The picture box: the one model behind every picture box of the program.
#pragma once

#include "platform/colour.h"
#include "shell/twip_control.h"

#include <QCursor>
#include <QImage>
#include <QWidget>
#include <vector>

// A picture box owns a persistent image of its inner size and paints itself
// from it. With persistent drawing (AutoRedraw) on, drawing lands in that
// image; with it off, drawing goes to the screen only and is dropped at the
// next Refresh(). Lines, points and circles are drawn without antialiasing:
// every pixel is either the colour drawn or untouched.
//
// A box at device resolution (the canvas) keeps its persistent image in the
// screen's device pixels, with the screen's device pixel ratio, so that what
// is drawn on it is as sharp as the screen allows. Its scale and its mouse
// events stay in screen pixels (Qt's logical pixels), and pen widths keep
// their size on screen; platform calls address the image's device pixels.
class PictureBox : public QWidget, public TwipControl {
    Q_OBJECT
public:
    enum class ScaleMode { Twips = 1, Pixels = 3 };
    enum class Pointer { Default = 0, Hourglass = 11, Custom = 99 };

    PictureBox(QWidget* parent, bool flatBorder, bool autoSize);

    // Inner coordinates: twips unless switched to pixels.
    ScaleMode scaleMode() const { return scaleMode_; }
    void setScaleMode(ScaleMode mode) { scaleMode_ = mode; }
    double ScaleWidth() const;
    double ScaleHeight() const;
    bool hasBorder() const { return border_; }

    void setDeviceResolution(bool on);
    // Device pixels a screen pixel of the persistent image: the screen's
    // device pixel ratio at device resolution, otherwise 1.
    qreal pixelRatio() const;
    // The persistent image's pixel under a point in the box's scale (the
    // device pixel's coordinates rounded to the nearest, halves to even).
    QPoint imagePixel(double x, double y) const;
    // Gives the persistent image the box's inner size at the screen's present
    // pixel ratio, keeping what it holds.
    void matchImageToBox();

    bool AutoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on) { autoRedraw_ = on; }

    // The persistent image (inner size in device pixels, Format_RGB32).
    // Platform calls draw straight into it; call imageChanged() afterwards,
    // with the changed rectangle of its pixels, to show the change.
    QImage& persistentImage() { return image_; }
    const QImage& persistentImage() const { return image_; }
    void imageChanged(const QRect& pixels = QRect());
    // A copy of the persistent image (the image read-out).
    QImage Image() const { return image_; }

    // Redraws from the persistent image, dropping screen-only drawings. The
    // repaint is requested, so several refreshes in one handler paint once.
    void Refresh();

    platform::ColourValue FillColor() const { return fillColour_; }
    void setFillColor(platform::ColourValue colour) { fillColour_ = colour; }
    bool FillSolid() const { return fillSolid_; }
    void setFillSolid(bool solid) { fillSolid_ = solid; }
    int DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels) { drawWidth_ = pixels < 1 ? 1 : pixels; }
    platform::ColourValue BackColor() const { return backColour_; }
    // Setting the background colour clears the box to it.
    void setBackColor(platform::ColourValue colour);

    // Drawing, in the box's scale. A line whose ends coincide is a dot; a
    // point is a filled dot of the pen width; a circle is filled with the fill
    // colour when the fill style is solid.
    void Line(double x1, double y1, double x2, double y2, platform::ColourValue colour);
    void PSet(double x, double y, platform::ColourValue colour);
    void Circle(double x, double y, double radius, platform::ColourValue outline);

    // The picture: shown from the top-left corner at natural size (one
    // picture pixel a device pixel at device resolution); with auto-size on,
    // the box takes the picture's size. A null image clears it.
    void setPicture(const QImage& picture);
    // A box that is never shown and only holds a picture (the loaded page)
    // makes no persistent image of it: the picture is kept as it came, in
    // whatever format, and the box's image stays null.
    void setHoldsPictureOnly(bool on) { holdsPictureOnly_ = on; }
    const QImage& Picture() const { return picture_; }

    // The colour shown at a point in the box's scale, or kInvalidColour
    // (-1 as a 32-bit value) outside the inner area.
    platform::ColourValue Point(double x, double y) const;

    Pointer MousePointer() const { return pointer_; }
    void setMousePointer(Pointer pointer);
    void setMouseIcon(const QCursor& cursor);
    void clearMouseIcon();

    // Box coordinates <-> inner pixels.
    QPointF toPixels(double x, double y) const;
    double toScale(double pixels) const;

signals:
    // Button: 1 left, 2 right, 4 middle (the buttons down, for moves).
    // Shift: 1 shift, 2 control, 4 alt. X and Y in the box's scale.
    void mouseDown(int button, int shift, double x, double y);
    void mouseMove(int button, int shift, double x, double y);
    void mouseUp(int button, int shift, double x, double y);
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void sizeChanged() override;

private:
    struct ScreenShape {
        QLineF line;
        QRgb colour;
        int width;
    };
    QSize innerSize() const;
    // The persistent image's size in device pixels for an inner size.
    QSize imageSize(QSize inner) const;
    void resizeImage(QSize inner);
    // Repaints the part of the box that shows `shown`, in screen pixels of the image.
    void showChanged(const QRect& shown);
    void drawShape(const QLineF& pixels, platform::ColourValue colour, int width);
    void applyCursor();
    void emitMouse(void (PictureBox::*signal)(int, int, double, double), QMouseEvent* event,
                   bool buttonsHeld);

    bool border_;
    bool autoSize_;
    bool deviceResolution_ = false;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    bool autoRedraw_ = false;
    QImage image_;
    QImage picture_;
    std::vector<ScreenShape> screenShapes_;
    platform::ColourValue fillColour_ = 0;
    bool fillSolid_ = false;
    int drawWidth_ = 1;
    platform::ColourValue backColour_ = platform::kSystemWindow;
    Pointer pointer_ = Pointer::Default;
    QCursor mouseIcon_;
    bool hasMouseIcon_ = false;
    bool pressedInside_ = false;
    bool adoptingPicture_ = false;
    bool holdsPictureOnly_ = false;
};
