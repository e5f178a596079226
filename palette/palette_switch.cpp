// The small or large palette for the current set.
#include "shell/main_window.h"

#include "book/book_rules.h"
#include "platform/picture_io.h"

namespace {

constexpr platform::ColourValue kGreen = 0x0000FF00;
constexpr platform::ColourValue kYellow = 0x0000FFFF;
constexpr int kExtensionLength = 4;

// A logo name too short to lose its extension, or no logo at all, counts as
// a set for the youngest children.
bool wantsSmallPalette(const QString& logoName)
{
    return logoName.size() < kExtensionLength || book::isForYoungest(logoName.chopped(kExtensionLength));
}

} // namespace

void Form1::SwitchPalette()
{
    const bool small = wantsSmallPalette(File1.List(SetIndex));
    FillToBorder = small;
    Command5->setBackColor(small ? kGreen : kYellow);
    Picture7->setHidden(small);
    // A palette that cannot be read leaves the previous one in place.
    const QImage strip = platform::loadPicture(
        ProgramPath(small ? "/paletas/paletapeque.bmp" : "/paletas/paletagrande.bmp"));
    if (!strip.isNull())
        Picture6->setPicture(strip);
}
