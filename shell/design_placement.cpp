// The window definition's placement of the controls the layout moves.
#include "shell/design_placement.h"

#include "platform/units.h"

namespace layout {

Placement designPlacement()
{
    Placement p;
    p.command1 = {6840, 4800, 855, 1005};
    p.command2 = {6000, 4800, 855, 1005};
    p.command3 = {2640, 4800, 855, 1000};
    p.command4 = {3480, 4680, 855, 1000};
    p.command5 = {1800, 4800, 855, 975};
    p.command6 = {5160, 4800, 855, 975};
    p.command7 = {8160, 4560, 1095, 1095};
    p.command8 = {8160, 5640, 1095, 1095};
    p.image2 = {TwipRect{7680, 120, 1350, 1365}, TwipRect{7920, 1200, 1110, 1815},
                TwipRect{7800, 2760, 1410, 1215}};
    p.trivolen = {3600, 4800, 1350, 1365};
    p.picture4 = {8040, 3960, 975, 975};
    p.picture5 = {1080, 1440, 5415, 3135};
    p.picture6 = {0, 0, 1380, 9000};
    p.picture7 = {1560, 6960, 1455, 1095};
    // Eleven colour boxes in the lower row, five more above the gaps between the buttons.
    const double upperLefts[] = {1560, 2160, 2760, 5040, 5640};
    for (int i = 0; i <= 10; ++i)
        p.picture2[i] = {960.0 + 600 * i, 6480, 495, 375};
    for (int i = 11; i < 16; ++i)
        p.picture2[i] = {upperLefts[i - 11], 6000, 495, 375};
    p.image1Left = 1440;
    return p;
}

Placement placementOn(QSize screen)
{
    return arrange(designPlacement(), platform::pixelsToTwips(screen.width()), platform::pixelsToTwips(screen.height()));
}

QSize canvasOn(QSize screen)
{
    const TwipRect frame = placementOn(screen).picture5;
    return {platform::twipsToPixels(frame.width - 120) - 2, platform::twipsToPixels(frame.height - 120) - 2};
}

} // namespace layout
