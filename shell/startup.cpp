// Start-up of the main window (Form_Load), the clean-up of coloured copies
// and the set names taken from the logo files.
#include "shell/main_window.h"

#include "book/book_rules.h"
#include "platform/files.h"
#include "platform/picture_io.h"

namespace {

constexpr platform::ColourValue kRed = 0x000000FF;
constexpr platform::ColourValue kGreen = 0x0000FF00;
constexpr platform::ColourValue kYellow = 0x0000FFFF;

// The first line of the configuration file `name` that counts, or an empty
// text when it is absent (a file whose name differs in letter case counts as
// absent).
QString readSetting(const platform::BookFolders& folders, const QString& name)
{
    const QString path = folders.settingPath(name);
    if (path.isEmpty() || platform::fileLookup(path) != name)
        return {};
    return platform::readFirstLine(path);
}

bool meansNo(const QString& setting) { return setting.toUpper() == QLatin1String("NO"); }

} // namespace

QString Form1::SetName(int index) const
{
    // The name becomes a folder under "dibujos": never one that leads elsewhere.
    return book::setNameOfLogo(File1.List(index));
}

void Form1::Form_Load()
{
    UseColour = true;
    TextureMarkerColour = 0x00C0E0FF;
    File1.setEntries(ProgramPath("/logos"), folders_.setEntries(),
                     [this](const QString& entry) { return ProgramPath('/' + book::logoFilePath(entry)); });
    CurrentTool = 0;
    TextureIndex = 0;
    FillToBorder = false;
    SetIndex = 0;

    const QString eraseSetting = readSetting(folders_, "borra.txt");
    const QString printerSetting = readSetting(folders_, "impresora.txt");
    Command8->setEnabled(!meansNo(printerSetting));
    DrawingModified = false;
    if (const QImage logo = platform::loadPicture(File1.FilePath(0)); !logo.isNull())
        Command5->setFace(logo);
    if (!meansNo(eraseSetting))
        ClearSavedPages();
    PageNumber = 1;

    Picture7->setScaleMode(PictureBox::ScaleMode::Twips);
    Picture1->setScaleMode(PictureBox::ScaleMode::Pixels);
    Picture1->setFillSolid(true);
    Picture1->setDrawWidth(4);
    Picture3->setScaleMode(PictureBox::ScaleMode::Pixels);
    Picture3->setFillSolid(true);
    Picture3->setWidth(Picture3->Width() + 25);
    Picture3->setHeight(Picture3->Height() + 25);

    ArrangeControls();
    Picture4->hide();
    Picture1->setFillColor(kRed);
    CurrentRed = 255;
    CurrentGreen = 0;
    CurrentBlue = 0;
    UpdateShadeSwatches();

    LoadPage();
    FitDrawing();
    if (const QString set = SetName(SetIndex); !set.isEmpty()) {
        FillToBorder = book::isForYoungest(set);
        Command5->setBackColor(FillToBorder ? kGreen : kYellow);
    }
    RecountPages();
    SwitchPalette();
    PenWidth = 2;
    drawPenSizeBox();
    CurrentRed = 255;
    CurrentGreen = 0;
    CurrentBlue = 0;

    File2.setEntries(ProgramPath("/texturas"), folders_.listing("/texturas"),
                     [this](const QString& entry) { return ProgramPath("/texturas/" + entry); });
    if (const QImage texture = platform::loadPicture(File2.FilePath(TextureIndex));
        !texture.isNull())
        Picture7->setPicture(texture);

    Image4->setPicture(graphics::MakeCursorPicture(graphics::Picture::bitmap(Picture3->Image()), 0, 0,
                                                   4, 0, 0x00FFFFFF));
    Picture1->setMouseIcon(graphics::cursorFromPicture(Image4->picture()));
    Picture1->setMousePointer(PictureBox::Pointer::Custom);
    LoadToolIcons();
    Trivolen1->setFile(ProgramPath("/gifs/pato.gif"));
}

void Form1::drawPenSizeBox()
{
    const double w = Picture4->Width();
    const double h = Picture4->Height();
    Picture4->setAutoRedraw(true);
    Picture4->setFillColor(kGreen);
    Picture4->setFillSolid(true);
    Picture4->Circle(w / 2 - 20, h / 2 - 20, h / 2 - 100, kGreen);
    Picture4->setFillColor(kRed);
    Picture4->setDrawWidth(2);
    Picture4->PSet(w / 2 - 20, h / 2 - 20, kRed);
    Picture4->setAutoRedraw(false);
}

void Form1::ClearSavedPages()
{
    const platform::OwnedFolder writable = WritableFolder();
    const QString root = writable.root() + "/";
    for (const QString& copy : folders_.copiesToClear()) {
        Q_ASSERT(copy.startsWith(root));
        // Never through a linked set folder; a copy that cannot be deleted simply stays.
        if (!writable.removeFile(copy.mid(root.size())).ok())
            continue;
    }
}
