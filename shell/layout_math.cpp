// The window layout's arithmetic, step by step in twips.
#include "shell/layout_math.h"

#include "platform/units.h"

namespace layout {
namespace {

void sizeAs(TwipRect& control, const TwipRect& model)
{
    control.width = model.width;
    control.height = model.height;
}

// The tool icons, the pen-size box, the page-as-loaded and print buttons: a
// column at the right edge, the animated control over the first icon.
void placeToolColumn(Placement& p, double screenWidth)
{
    p.image2[0].top = 40;
    p.image2[0].left = screenWidth - p.image2[0].width - 40;
    p.trivolen.top = p.image2[0].top;
    p.trivolen.left = p.image2[0].left;
    p.image2[1].top = p.image2[0].bottom() + 40;
    p.image2[1].left = p.image2[0].left;
    p.image2[2].top = p.image2[1].bottom() + 40;
    p.image2[2].left = p.image2[0].left;
    p.picture4.top = p.image2[2].bottom() + 100;
    p.picture4.left = p.image2[0].left + 100;
    p.command7.top = p.picture4.bottom() + 100;
    p.command7.left = p.picture4.left;
    p.command8.top = p.command7.bottom() + 20;
    p.command8.left = p.command7.left;
}

void placeCanvasFrame(Placement& p, double screenWidth, double screenHeight)
{
    p.picture5.top = 25;
    p.picture5.left = p.picture6.right() + 25;
    p.picture5.height = screenHeight - p.command3.height - 75;
    p.picture5.width = screenWidth - p.picture5.left - p.image1Left - 25;
}

// Next set, previous and next page from the frame's left edge; exit, erase
// and undo leftwards from its right edge; the texture box in the corner.
void placeButtonRow(Placement& p, double screenHeight)
{
    const int r = p.buttonRowTop;
    p.command5.top = r;
    p.command5.left = p.picture5.left;
    p.command3.top = r;
    p.command3.left = p.command5.right();
    p.command4.top = r;
    p.command4.left = p.command3.right();
    p.command2.top = r;
    p.command2.left = p.picture5.right() - p.command2.width;
    p.picture7.left = p.command2.right() + 10;
    p.picture7.top = screenHeight - p.picture7.height;
    p.command1.top = r;
    p.command1.left = p.command2.left - p.command2.width;
    p.command6.top = r;
    p.command6.left = p.command1.left - p.command1.width;
}

// Two rows of eight swatches right of the next-page button: 8..15 on the
// button row's top, 0..7 half a button lower.
void placeSwatchRow(Placement& p, int first, double top)
{
    p.picture2[first].left = p.command4.right() + 25;
    p.picture2[first].top = top;
    p.picture2[first].height = 500;
    for (int i = first + 1; i < first + 8; ++i) {
        p.picture2[i].height = 500;
        p.picture2[i].left = p.picture2[i - 1].right();
        p.picture2[i].top = top;
    }
}

} // namespace

Placement arrange(const Placement& current, double screenWidth, double screenHeight)
{
    Placement p = current;
    for (TwipRect* button : {&p.command1, &p.command2, &p.command4, &p.command5, &p.command6})
        sizeAs(*button, p.command3);
    placeToolColumn(p, screenWidth);
    placeCanvasFrame(p, screenWidth, screenHeight);
    p.buttonRowTop = platform::roundHalfEven(p.picture5.bottom() + 25);
    placeButtonRow(p, screenHeight);
    const double halfButton = platform::roundHalfEven(p.command4.height) / 2;
    placeSwatchRow(p, 0, halfButton + p.buttonRowTop);
    placeSwatchRow(p, 8, p.buttonRowTop);
    return p;
}

} // namespace layout
