// The drawing browser: previous and next page, next set, erasing a page's
// colouring, and the save, load and recount steps they share.
#include "shell/main_window.h"

#include "platform/files.h"
#include "platform/picture_io.h"
#include "platform/sound.h"

namespace {

QString pageFile(int pageNumber, const char* extension)
{
    return QString::number(pageNumber) + QLatin1String(extension);
}

// Deletes the coloured copy `name` when the folder holds exactly that name
// (a copy whose name differs in letter case is not this page's).
void deleteCopy(const QString& folder, const QString& name)
{
    if (platform::fileLookup(folder + "/" + name) != name)
        return;
    if (!platform::deleteFile(folder + "/" + name))
        return; // the copy stays on disk and comes back at the next visit
}

} // namespace

QString Form1::pageFolder() const
{
    const QString set = SetName(SetIndex);
    return set.isEmpty() ? QString() : ProgramPath("/dibujos/" + set);
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
    const QString folder = pageFolder();
    if (folder.isEmpty())
        return;
    const QString copy = pageFile(PageNumber, ".bmp");
    const QString drawingFile = folder + "/" + pageFile(PageNumber, ".gif");
    QImage page;
    QSize drawing;
    if (platform::fileLookup(folder + "/" + copy) == copy) {
        page = platform::loadPicture(folder + "/" + copy);
        // The copy is fitted by the drawing's proportions; its header tells them.
        drawing = platform::pictureSize(drawingFile);
    }
    // An unreadable copy gives way to the uncoloured page rather than leaving
    // the previous page on view under this page's number.
    if (page.isNull()) {
        page = platform::loadPicture(drawingFile);
        drawing = page.size();
    }
    if (!page.isNull())
        holdPage(page, drawing.isValid() ? drawing : page.size());
}

void Form1::RecountPages()
{
    const QString set = SetName(SetIndex);
    if (set.isEmpty()) {
        PageCount = 0;
        return;
    }
    const platform::FolderListing listing(ProgramPath("/dibujos/" + set));
    int count = 1;
    while (count < INT16_MAX && listing.contains(pageFile(count, ".gif")))
        ++count;
    PageCount = static_cast<std::int16_t>(count - 1);
}

void Form1::SavePage()
{
    if (!DrawingModified)
        return;
    Picture1->setAutoRedraw(true);
    const QString folder = pageFolder();
    // After a failed load the canvas still shows another page: never store it
    // as this page's copy.
    if (folder.isEmpty() || heldSetIndex_ != SetIndex || heldPageNumber_ != PageNumber)
        return;
    if (!platform::saveBmpAtomically(Picture1->Image(), folder + "/" + pageFile(PageNumber, ".bmp")))
        return; // the previous copy stays as it was; the child is not told
}

void Form1::Command1_Click()
{
    if (const QString folder = pageFolder(); !folder.isEmpty()) {
        deleteCopy(folder, pageFile(PageNumber, ".bmp"));
        if (const QImage page = platform::loadPicture(folder + "/" + pageFile(PageNumber, ".gif")); !page.isNull())
            holdPage(page, page.size());
    }
    FitDrawing();
    platform::playSoundAsync(ProgramPath("/sonidos/sonido4.wav"));
}

void Form1::Command3_Click()
{
    SavePage();
    // An undo must never bring another page's picture onto this page.
    ClearSnapshots();
    PageNumber = static_cast<std::int16_t>(PageNumber - 1);
    if (PageNumber <= 0)
        PageNumber = PageCount;
    LoadPage();
    FitDrawing();
    platform::playSoundAsync(ProgramPath("/sonidos/sonido2.wav"));
}

void Form1::Command4_Click()
{
    SavePage();
    ClearSnapshots();
    PageNumber = PageNumber < PageCount ? static_cast<std::int16_t>(PageNumber + 1) : std::int16_t{1};
    LoadPage();
    FitDrawing();
    DrawingModified = false;
    Picture1->setAutoRedraw(false);
    platform::playSoundAsync(ProgramPath("/sonidos/sonido1.wav"));
}

void Form1::Command5_Click()
{
    SavePage();
    ClearSnapshots();
    SetIndex = SetIndex + 1 >= File1.ListCount() ? std::int16_t{0} : static_cast<std::int16_t>(SetIndex + 1);
    if (const QImage logo = platform::loadPicture(File1.Path() + "/" + File1.List(SetIndex)); !logo.isNull())
        Command5->setFace(logo);
    PageNumber = 1;
    LoadPage();
    SwitchPalette();
    FitDrawing();
    platform::playSoundAsync(ProgramPath("/sonidos/sonido3.wav"));
    RecountPages();
}
