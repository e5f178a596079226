// Geometry in twips for the controls of the main window and the splash.
#pragma once

class QWidget;

// A control keeps its left, top, width and height in twips, in its
// container's coordinates, as the layout arithmetic works in twips; the widget
// follows at 15 twips a pixel (each value rounded to the nearest pixel).
class TwipControl {
public:
    explicit TwipControl(QWidget* self) : self_(self) {}
    virtual ~TwipControl() = default;
    TwipControl(const TwipControl&) = delete;
    TwipControl& operator=(const TwipControl&) = delete;

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void Move(double left, double top, double width, double height);

    // Pixels between the container's edge and its inner area (its border),
    // for a control placed inside another picture box.
    void setContainerInset(int pixels) { inset_ = pixels; apply(); }

    bool Visible() const;
    void setVisible(bool visible);

protected:
    // Called after the pixel geometry of the widget changed size.
    virtual void sizeChanged() {}

private:
    void apply();

    QWidget* self_;
    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
    int inset_ = 0;
};
