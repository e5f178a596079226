// The tool selector: fill, pencil and straight line, the active one animated.
#include "shell/main_window.h"

#include "platform/picture_io.h"

namespace {

// Each tool's still icon, which is also its animation.
constexpr std::array<const char*, 3> kToolFiles{"/gifs/pato.gif", "/gifs/lapiz.gif",
                                                "/gifs/recta.gif"};
constexpr int kFillTool = 0;

} // namespace

void Form1::LoadToolIcons()
{
    for (int i = 0; i < static_cast<int>(kToolFiles.size()); ++i) {
        // An icon that cannot be read stays empty and can still be clicked.
        const QImage icon = platform::loadPicture(ProgramPath(kToolFiles[i]), true);
        if (!icon.isNull())
            Image2[i]->setPicture(icon);
    }
}

void Form1::Image2_Click(int Index)
{
    Q_ASSERT(Index >= 0 && Index < static_cast<int>(kToolFiles.size()));
    Trivolen1->hide();
    UseColour = true;
    TextureStepping = false;
    // The animation covers the clicked icon and nothing beside it.
    Trivolen1->setPlace(Image2[Index]->size());
    Trivolen1->setFile(ProgramPath(kToolFiles[Index]));
    for (int i = 0; i < static_cast<int>(Image2.size()); ++i)
        Image2[i]->setHidden(i == Index);
    // Only the pencil and the line use a pen width.
    Picture4->setHidden(Index == kFillTool);
    CurrentTool = static_cast<std::int16_t>(Index);
    Trivolen1->setTop(Image2[Index]->Top());
    Trivolen1->setLeft(Image2[Index]->Left());
    Trivolen1->show();
}
