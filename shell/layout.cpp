// Placing the controls from the screen's size (ArrangeControls).
#include "shell/main_window.h"

#include "platform/units.h"
#include "shell/layout_math.h"

#include <QScreen>

namespace {

using layout::Placement;
using layout::TwipRect;

template <typename Control>
struct Slot {
    Control* Form1::*control;
    TwipRect Placement::*rect;
};

constexpr std::array<Slot<CommandButton>, 8> kCommands{{
    {&Form1::Command1, &Placement::command1}, {&Form1::Command2, &Placement::command2},
    {&Form1::Command3, &Placement::command3}, {&Form1::Command4, &Placement::command4},
    {&Form1::Command5, &Placement::command5}, {&Form1::Command6, &Placement::command6},
    {&Form1::Command7, &Placement::command7}, {&Form1::Command8, &Placement::command8},
}};
// The palette strip is read but never moved.
constexpr std::array<Slot<PictureBox>, 3> kMovedBoxes{{
    {&Form1::Picture4, &Placement::picture4}, {&Form1::Picture5, &Placement::picture5},
    {&Form1::Picture7, &Placement::picture7},
}};

TwipRect rectOf(const TwipControl& control)
{
    return {control.Left(), control.Top(), control.Width(), control.Height()};
}

void moveTo(TwipControl& control, const TwipRect& r) { control.Move(r.left, r.top, r.width, r.height); }

Placement currentPlacement(const Form1& form)
{
    Placement p;
    for (const auto& slot : kCommands)
        p.*slot.rect = rectOf(*(form.*slot.control));
    for (const auto& slot : kMovedBoxes)
        p.*slot.rect = rectOf(*(form.*slot.control));
    for (std::size_t i = 0; i < p.image2.size(); ++i)
        p.image2[i] = rectOf(*form.Image2[i]);
    for (std::size_t i = 0; i < p.picture2.size(); ++i)
        p.picture2[i] = rectOf(*form.Picture2[i]);
    p.trivolen = rectOf(*form.Trivolen1);
    p.picture6 = rectOf(*form.Picture6);
    p.image1Left = form.Image1[1]->Left();
    return p;
}

void applyPlacement(Form1& form, const Placement& p)
{
    for (const auto& slot : kCommands)
        moveTo(*(form.*slot.control), p.*slot.rect);
    for (const auto& slot : kMovedBoxes)
        moveTo(*(form.*slot.control), p.*slot.rect);
    for (std::size_t i = 0; i < p.image2.size(); ++i)
        moveTo(*form.Image2[i], p.image2[i]);
    for (std::size_t i = 0; i < p.picture2.size(); ++i)
        moveTo(*form.Picture2[i], p.picture2[i]);
    // The animated control keeps the size of its animation.
    form.Trivolen1->setLeft(p.trivolen.left);
    form.Trivolen1->setTop(p.trivolen.top);
}

} // namespace

void Form1::ArrangeControls()
{
    // The window covers its screen, so the screen's size is the window's extent.
    const QSize screenSize = screen()->geometry().size();
    const double screenWidth = platform::pixelsToTwips(screenSize.width());
    const double screenHeight = platform::pixelsToTwips(screenSize.height());
    applyPlacement(*this, layout::arrange(currentPlacement(*this), screenWidth, screenHeight));
}
