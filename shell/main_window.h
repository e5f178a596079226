// Form1: the main window of the colouring book. One class, as the window is
// one unit; its handlers live in the folder of the subsystem they belong to:
//   shell/      window definition, start-up, layout, background
//   canvas/     canvas presses, fill, pencil and line, snapshots, texture fill, fitting
//   palette/    colour picking, palette switch, tool selector, pointer, textures
//   catalogue/  pages and sets, coloured copies, leaving
//   printing/   the print button
#pragma once

#include "platform/book_folders.h"
#include "graphics/module1.h"
#include "platform/colour.h"
#include "platform/owned_folder.h"
#include "shell/controls.h"
#include "shell/picture_box.h"
#include "shell/trivolen.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

class QMessageBox;

// The form-level state shared by the subsystems, with its start-up values.
struct SharedState {
    // Canvas
    bool UseColour = false;
    bool FillToBorder = false;
    platform::ColourValue TextureMarkerColour = 0;
    float LastX = 0;
    std::int32_t LastY = 0;
    // Snapshots
    std::int16_t SnapshotIndex = 0;
    bool DrawingModified = false;
    // Colour and pen
    int CurrentRed = 0;
    int CurrentGreen = 0;
    int CurrentBlue = 0;
    std::uint8_t PenWidth = 0;
    // Tools and textures
    std::int16_t CurrentTool = 0;
    std::int16_t TextureIndex = 0;
    bool TextureStepping = false;
    // Catalogue
    std::int16_t SetIndex = 0;
    std::int16_t PageNumber = 0;
    std::int16_t PageCount = 0;
    QString ProgramFolder;
};

class Form1 : public QWidget, public SharedState {
    Q_OBJECT
public:
    // `programFolder` holds the resource folders (logos, dibujos, ...) and
    // takes the coloured copies: the portable layout.
    // Start-up (Form_Load) runs here; the window is shown by the caller.
    explicit Form1(const QString& programFolder);
    // The same for the book in `folders`, portable or installed.
    explicit Form1(const platform::BookFolders& folders);
    ~Form1() override;

    // The current colour as a colour value, rebuilt from its components.
    platform::ColourValue CurrentColour() const;
    // Where the book's resource at a relative path ("/sonidos/sonido1.wav")
    // is read: the program folder followed by the path, when portable.
    QString ProgramPath(const QString& relative) const;
    // Where the book is read and written.
    const platform::BookFolders& Book() const { return folders_; }
    // The folder the coloured copies are written to and deleted from (the
    // program folder, or the user's folder when installed); nothing is
    // written anywhere else. Its root is empty when there is none.
    platform::OwnedFolder WritableFolder() const { return platform::OwnedFolder(folders_.writableFolder()); }

    // ---- Controls (design-time places in the window definition) ----
    PictureBox* Picture1 = nullptr; // the canvas, inside Picture5
    std::array<PictureBox*, 16> Picture2{}; // shade swatches
    PictureBox* Picture3 = nullptr; // pointer template (hidden)
    PictureBox* Picture4 = nullptr; // pen-size box
    PictureBox* Picture5 = nullptr; // canvas frame
    PictureBox* Picture6 = nullptr; // palette strip
    PictureBox* Picture7 = nullptr; // texture box
    PictureBox* Picture8 = nullptr; // the page as loaded (hidden)
    CommandButton* Command1 = nullptr; // erase the page's colouring
    CommandButton* Command2 = nullptr; // leave
    CommandButton* Command3 = nullptr; // previous page
    CommandButton* Command4 = nullptr; // next page
    CommandButton* Command5 = nullptr; // next set
    CommandButton* Command6 = nullptr; // undo
    CommandButton* Command7 = nullptr; // page as loaded
    CommandButton* Command8 = nullptr; // print
    std::array<ImageControl*, 4> Image1{}; // the undo ring (hidden)
    std::array<ImageControl*, 3> Image2{}; // tool icons
    ImageControl* Image4 = nullptr; // holds the pointer picture (hidden)
    Trivolen* Trivolen1 = nullptr; // the active tool's animation
    FileList File1; // the set list ("logos")
    FileList File2; // the texture list ("texturas")

    // ---- shell/ ----
    void Form_Load();
    void ClearSavedPages();
    void drawPenSizeBox();
    void ArrangeControls();
    void Form_Paint(QPainter& painter);
    void TileBackground(QPainter& painter, const QString& fileName);
    // The set name of entry `index` of File1, or an empty text when none can
    // be formed safely (too short, or a name that would leave "dibujos").
    QString SetName(int index) const;

    // ---- canvas/ ----
    void Picture1_MouseDown(int Button, int Shift, float X, float Y);
    void Picture1_MouseMove(int Button, int Shift, float X, float Y);
    void Picture1_MouseUp(int Button, int Shift, float X, float Y);
    void ColourFill(float X, float Y);
    void PencilPress(float X, float Y);
    void StraightLinePress(float X, float Y);
    void TextureFill(float X, float Y);
    void SaveSnapshot();
    void RestoreSnapshot();
    void Command6_Click();
    void Picture6_DblClick();
    // Empties the undo ring (all four slots, SnapshotIndex 0), for a new page.
    void ClearSnapshots();
    void FitDrawing();
    void Command7_Click();

    // ---- palette/ ----
    void Picture6_MouseDown(int Button, int Shift, float X, float Y);
    void Picture2_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Picture4_Click();
    void UpdateShadeSwatches();
    void DrawIndicatorDot();
    void SwitchPalette();
    void LoadToolIcons();
    void Image2_Click(int Index);
    void UpdateColourCursor();
    void Picture7_MouseDown(int Button, int Shift, float X, float Y);

    // ---- catalogue/ ----
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void SavePage();
    void LoadPage();
    void RecountPages();

    // ---- printing/ ----
    void Command8_Click();

signals:
    // Emitted by the door button once the page is saved; main() ends the program.
    void quitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void createButtons();
    void createPictureBoxes();
    void createImages();
    void connectHandlers();

    // ---- shell/ private state ----
    platform::BookFolders folders_;
    QImage backgroundTile_;
    int backgroundTileWidth_ = 0;
    int backgroundTileHeight_ = 0;
    QMessageBox* backgroundMessage_ = nullptr;
    void showBackgroundMessage(const QString& description);

    // ---- canvas/ private state ----
    // The pencil and line anchor: X as given, Y rounded.
    void setAnchor(float X, float Y);
    // A line in the current colour from the anchor to (X, Y).
    void lineFromAnchor(float X, float Y);

    // ---- palette/ private state ----
    // Splits a colour value into CurrentRed, CurrentGreen and CurrentBlue.
    void setCurrentColour(platform::ColourValue colour);

    // ---- catalogue/ private state ----
    // The current page's coloured copy relative to the writable folder, or
    // an empty text without a set name.
    QString copyPath() const;
    // Puts a page picture in Picture8 as the picture of the current page,
    // whose drawing (the ".gif") is `drawing` in size.
    void holdPage(const QImage& page, QSize drawing);
    // The size of the drawing of the page Picture8 holds, which gives the
    // page its proportions on the canvas (invalid until a page is held).
    QSize heldDrawingSize_;
    // The set and page whose picture the canvas holds (-1: none yet). A copy
    // is saved only under the name of the page the canvas really shows.
    int heldSetIndex_ = -1;
    int heldPageNumber_ = -1;
    // A page change saves in two steps: the copy of the page left is written
    // at once and reaches the disk while the next page loads and fits
    // (StartSavingPage), and it is in place before the press returns
    // (FinishSavingPage). Nothing is pending outside a page-change handler.
    void StartSavingPage();
    void FinishSavingPage();
    platform::PendingFile savingCopy_;
};
