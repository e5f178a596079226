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

} // namespace

void Form1::LoadPage()
{
    const QString set = SetName(SetIndex);
    if (set.isEmpty())
        return;
    const QString folder = ProgramPath("/dibujos/" + set);
    const QString copy = pageFile(PageNumber, ".bmp");
    const bool coloured = platform::fileLookup(folder + "/" + copy) == copy;
    const QImage page = platform::loadPicture(folder + "/" + (coloured ? copy : pageFile(PageNumber, ".gif")));
    if (!page.isNull())
        Picture8->setPicture(page);
}

void Form1::RecountPages()
{
    const QString set = SetName(SetIndex);
    if (set.isEmpty())
        return;
    const platform::FolderListing listing(ProgramPath("/dibujos/" + set));
    int count = 1;
    while (count < INT16_MAX && listing.contains(pageFile(count, ".gif")))
        ++count;
    PageCount = static_cast<std::int16_t>(count - 1);
}

void Form1::SavePage() {}
void Form1::Command1_Click() {}
void Form1::Command3_Click() {}
void Form1::Command4_Click() {}
void Form1::Command5_Click() {}
