// Snapshots of the canvas, the undo button and the copy to the clipboard.
#include "shell/main_window.h"

#include "platform/sound.h"

#include <QClipboard>
#include <QGuiApplication>

#include <cstring>

namespace {

constexpr int kSlots = 4;

// Whether `oldest` can hold a copy of `canvas` in its own pixels: the same
// size and format, and pixels of its own (after an undo the canvas shows a
// snapshot's very pixels, which are then simply shared again).
bool reusableFor(const QImage& oldest, const QImage& canvas)
{
    return !canvas.isNull() && oldest.size() == canvas.size() && oldest.format() == canvas.format() &&
           oldest.constBits() != canvas.constBits();
}

} // namespace

void Form1::SaveSnapshot()
{
    DrawingModified = true;
    ImageControl* slot = Image1[SnapshotIndex];
    const QImage& canvas = Picture1->persistentImage();
    QImage oldest = slot->picture().image;
    slot->setPicture(graphics::Picture{});
    if (reusableFor(oldest, canvas)) {
        // The oldest snapshot's pixels take the copy: its memory is already
        // the program's, where a fresh image of a large canvas would cost as
        // much again to map as to fill.
        std::memcpy(oldest.bits(), canvas.constBits(), static_cast<std::size_t>(canvas.sizeInBytes()));
        oldest.setDevicePixelRatio(canvas.devicePixelRatio());
        slot->setPicture(oldest);
    } else {
        // Shares the canvas's pixels; the next write to the canvas makes the one copy.
        slot->setPicture(canvas);
    }
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
