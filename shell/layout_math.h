// The arithmetic of the window layout: every placed control's rectangle from the screen's size.
#pragma once

#include <array>

namespace layout {

// A control's left, top, width and height in twips, in the window's client coordinates.
struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// The controls the layout reads or moves. Fields it does not set keep the values they come in with.
struct Placement {
    TwipRect command1, command2, command3, command4, command5, command6, command7, command8;
    std::array<TwipRect, 3> image2;
    TwipRect trivolen; // only its left and top are set
    TwipRect picture4, picture5, picture6, picture7;
    std::array<TwipRect, 16> picture2; // only left, top and height are set
    double image1Left = 0;             // Image1(1)'s left: the canvas frame's right margin less 25
    int buttonRowTop = 0;              // R, set by the layout
};

// Places the controls for a screen of `screenWidth` x `screenHeight` twips,
// reading the sizes `current` holds. Any screen from 800 x 600 pixels up keeps
// the controls apart.
Placement arrange(const Placement& current, double screenWidth, double screenHeight);

} // namespace layout
