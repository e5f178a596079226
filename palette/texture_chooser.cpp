// The texture box: choosing texture painting and stepping through the textures.
#include "palette/texture_chooser.h"

#include "platform/picture_io.h"
#include "shell/main_window.h"

namespace palette {

int steppedTextureIndex(int index, int step, int count)
{
    if (count <= 0)
        return 0;
    return ((index + step) % count + count) % count;
}

} // namespace palette

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

} // namespace

void Form1::Picture7_MouseDown(int Button, int, float, float)
{
    UseColour = false;
    for (ImageControl* icon : Image2)
        icon->show();
    Trivolen1->hide();
    const bool stepping = Button == kLeftButton || Button == kRightButton;
    if (TextureStepping && stepping && File2.ListCount() > 0) {
        const int step = Button == kLeftButton ? 1 : -1;
        TextureIndex = static_cast<std::int16_t>(
            palette::steppedTextureIndex(TextureIndex, step, File2.ListCount()));
        // An unreadable file leaves the previous texture showing.
        if (const QImage texture = platform::loadPicture(File2.FilePath(TextureIndex));
            !texture.isNull())
            Picture7->setPicture(texture);
    }
    TextureStepping = true;
}
