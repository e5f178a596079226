// The drawing browser: previous and next page, next set, erasing a page's
// colouring, and the save, load and recount steps they share.
#include "shell/main_window.h"

#include "book/book_rules.h"
#include "platform/files.h"
#include "platform/picture_io.h"
#include "platform/sound.h"

namespace {

// Deletes the coloured copy at `relative`, named `name`, when its folder
// holds exactly that name (a copy whose name differs in letter case is not
// this page's). A link in its place goes; its target stays as it is.
void deleteCopy(const platform::OwnedFolder& writable, const QString& relative, const QString& name)
{
    if (platform::fileLookup(writable.path(relative)) != name)
        return;
    if (!writable.removeFile(relative).ok())
        return; // the copy stays on disk and comes back at the next visit
}

} // namespace

QString Form1::copyPath() const
{
    const QString set = SetName(SetIndex);
    return set.isEmpty() ? QString() : book::copyPath(set, PageNumber);
}

void Form1::holdPage(const QImage& page, QSize drawing)
{
    Picture8->setPicture(page);
    heldDrawingSize_ = drawing;
    heldSetIndex_ = SetIndex;
    heldPageNumber_ = PageNumber;
}

void Form1::LoadPage()
{
    const QString set = SetName(SetIndex);
    if (set.isEmpty())
        return;
    // Back on the page just left (a set of one page): its new copy first.
    if (savingCopy_.target() == copyPath())
        FinishSavingPage();
    const QString copy = folders_.copyPath(set, PageNumber);
    const QString drawingFile = folders_.pagePath(set, PageNumber);
    QImage page;
    QSize drawing;
    if (!copy.isEmpty() && platform::fileLookup(copy) == book::copyFileName(PageNumber)) {
        page = platform::loadPicture(copy);
        // The copy is fitted by the drawing's proportions; its header tells them.
        drawing = platform::pictureSize(drawingFile);
    }
    // An unreadable copy gives way to the uncoloured page rather than leaving
    // the previous page on view under this page's number.
    if (page.isNull()) {
        page = platform::loadPage(drawingFile);
        drawing = page.size();
    }
    if (!page.isNull())
        holdPage(page, drawing.isValid() ? drawing : page.size());
}

void Form1::RecountPages()
{
    const QString set = SetName(SetIndex);
    PageCount = set.isEmpty() ? std::int16_t{0} : static_cast<std::int16_t>(folders_.pageCount(set));
}

void Form1::SavePage()
{
    StartSavingPage();
    FinishSavingPage();
}

void Form1::StartSavingPage()
{
    FinishSavingPage();
    if (!DrawingModified)
        return;
    Picture1->setAutoRedraw(true);
    const QString copy = copyPath();
    // After a failed load the canvas still shows another page: never store it
    // as this page's copy.
    if (copy.isEmpty() || heldSetIndex_ != SetIndex || heldPageNumber_ != PageNumber)
        return;
    // The user's folder is made at the first copy; without one (a home that
    // cannot be written) the child colours on and nothing is kept.
    if (!folders_.prepareFolder("/" + copy.section('/', 0, -2)))
        return;
    // A copy whose name a link holds becomes a plain file in the link's
    // place; a set folder that is a link (a teacher's shared set) is read
    // through but never written through, so its copies are not kept.
    const QImage canvas = Picture1->Image();
    savingCopy_ = WritableFolder().startReplacing(copy, platform::bmpWriter(canvas));
}

void Form1::FinishSavingPage()
{
    // A copy that fails leaves the previous one as it was; the child is not told.
    static_cast<void>(savingCopy_.commit());
}

void Form1::Command1_Click()
{
    if (const QString set = SetName(SetIndex); !set.isEmpty()) {
        if (!WritableFolder().root().isEmpty())
            deleteCopy(WritableFolder(), copyPath(), book::copyFileName(PageNumber));
        if (const QImage page = platform::loadPage(folders_.pagePath(set, PageNumber)); !page.isNull())
            holdPage(page, page.size());
    }
    FitDrawing();
    platform::playSoundAsync(ProgramPath("/sonidos/sonido4.wav"));
}

void Form1::Command3_Click()
{
    StartSavingPage();
    // An undo must never bring another page's picture onto this page.
    ClearSnapshots();
    PageNumber = static_cast<std::int16_t>(PageNumber - 1);
    if (PageNumber <= 0)
        PageNumber = PageCount;
    LoadPage();
    FitDrawing();
    FinishSavingPage();
    platform::playSoundAsync(ProgramPath("/sonidos/sonido2.wav"));
}

void Form1::Command4_Click()
{
    StartSavingPage();
    ClearSnapshots();
    PageNumber = PageNumber < PageCount ? static_cast<std::int16_t>(PageNumber + 1) : std::int16_t{1};
    LoadPage();
    FitDrawing();
    FinishSavingPage();
    DrawingModified = false;
    Picture1->setAutoRedraw(false);
    platform::playSoundAsync(ProgramPath("/sonidos/sonido1.wav"));
}

void Form1::Command5_Click()
{
    StartSavingPage();
    ClearSnapshots();
    SetIndex = SetIndex + 1 >= File1.ListCount() ? std::int16_t{0} : static_cast<std::int16_t>(SetIndex + 1);
    if (const QImage logo = platform::loadPicture(File1.FilePath(SetIndex)); !logo.isNull())
        Command5->setFace(logo);
    PageNumber = 1;
    LoadPage();
    SwitchPalette();
    FitDrawing();
    FinishSavingPage();
    platform::playSoundAsync(ProgramPath("/sonidos/sonido3.wav"));
    RecountPages();
}
