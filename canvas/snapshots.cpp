// Snapshots of the canvas, the undo button and the copy to the clipboard.
#include "shell/main_window.h"

#include "platform/sound.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

constexpr int kSlots = 4;

} // namespace

void Form1::SaveSnapshot()
{
    DrawingModified = true;
    // Shares the canvas's pixels; the next write to the canvas makes the one copy.
    Image1[SnapshotIndex]->setPicture(Picture1->Image());
    SnapshotIndex = static_cast<std::int16_t>((SnapshotIndex + 1) % kSlots);
}

void Form1::RestoreSnapshot()
{
    const int previous = (SnapshotIndex + kSlots - 1) % kSlots;
    const graphics::Picture& snapshot = Image1[previous]->picture();
    // An empty slot would blank the canvas, and the blank page would be saved
    // over the child's colouring: such an undo does nothing.
    if (!snapshot.hasHandle())
        return;
    SnapshotIndex = static_cast<std::int16_t>(previous);
    Picture1->setPicture(snapshot.image);
}

void Form1::ClearSnapshots()
{
    for (ImageControl* slot : Image1)
        slot->setPicture(graphics::Picture{});
    SnapshotIndex = 0;
}

void Form1::Command6_Click()
{
    RestoreSnapshot();
    platform::playSoundAsync(ProgramPath("/sonidos/sonido5.wav"));
}

void Form1::Picture6_DblClick()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return;
    clipboard->clear();
    clipboard->setImage(Picture1->Image());
}
