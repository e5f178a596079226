// The window definition of Form1: its controls as they stand when the window
// is created, before start-up moves them, and the wiring of their events.
#include "shell/main_window.h"

#include "palette/cursor_template.h"
#include "shell/design_placement.h"
#include "shell/faces.h"
#include "platform/units.h"

#include <QMessageBox>
#include <QPainter>

using platform::ColourValue;

namespace {

constexpr ColourValue kPurple = 0x00C000C0;
constexpr ColourValue kWhite = 0x00FFFFFF;
constexpr ColourValue kMagenta = 0x00FF00FF;

// Design-time size of the window's client area, until it covers the screen.
constexpr int kDesignWidthTwips = 9480;
constexpr int kDesignHeightTwips = 8850;

void place(TwipControl& control, const layout::TwipRect& r) { control.Move(r.left, r.top, r.width, r.height); }

} // namespace

Form1::Form1(const QString& programFolder) : Form1(platform::BookFolders::portableAt(programFolder)) {}

Form1::Form1(const platform::BookFolders& folders)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), folders_(folders)
{
    ProgramFolder = folders.shippedFolder();
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowIcon(QPixmap::fromImage(faces::windowIcon()));
    resize(kDesignWidthTwips / platform::kTwipsPerPixel, kDesignHeightTwips / platform::kTwipsPerPixel);
    createControls();
    connectHandlers();
    Form_Load();
}

Form1::~Form1() = default;

ColourValue Form1::CurrentColour() const
{
    return platform::rgbValue(CurrentRed, CurrentGreen, CurrentBlue);
}

QString Form1::ProgramPath(const QString& relative) const { return folders_.readPath(relative); }

void Form1::createControls()
{
    createPictureBoxes();
    createButtons();
    createImages();
    Trivolen1 = new Trivolen(this);
    place(*Trivolen1, layout::designPlacement().trivolen);
    // Its place at start is the fill tool's icon, which it covers.
    Trivolen1->setPlace(Trivolen1->size());
}

void Form1::createPictureBoxes()
{
    const layout::Placement design = layout::designPlacement();
    auto box = [](QWidget* parent, bool flat, bool autoSize, const layout::TwipRect& r) {
        auto* picture = new PictureBox(parent, flat, autoSize);
        place(*picture, r);
        return picture;
    };
    Picture5 = box(this, true, true, design.picture5);
    Picture1 = box(Picture5, true, true, {0, 0, 3855, 2415});
    Picture1->setContainerInset(1);
    // The child colours at the screen's full sharpness.
    Picture1->setDeviceResolution(true);
    Picture8 = box(this, false, true, {6720, 1680, 855, 855});
    Picture8->hide();
    // The page as loaded, a quarter of a canvas-sized image as it comes.
    Picture8->setHoldsPictureOnly(true);
    Picture3 = box(this, false, false, {4200, 120, 495, 495});
    Picture3->setFillSolid(true);
    Picture3->setScaleMode(PictureBox::ScaleMode::Pixels);
    Picture3->setBackColor(kWhite);
    Picture3->setPicture(palette::makeCursorTemplate());
    Picture3->hide();
    for (int i = 0; i < 16; ++i)
        Picture2[i] = box(this, false, false, design.picture2[i]);
    Picture7 = box(this, true, false, design.picture7);
    Picture6 = box(this, true, true, design.picture6);
    Picture4 = box(this, true, false, design.picture4);
}

void Form1::createButtons()
{
    const layout::Placement design = layout::designPlacement();
    auto button = [this](const layout::TwipRect& r, const QImage& face) {
        auto* command = new CommandButton(this);
        place(*command, r);
        command->setFace(face);
        return command;
    };
    Command8 = button(design.command8, faces::printerFace());
    Command8->setBackColor(kPurple);
    Command7 = button(design.command7, faces::magnifierFace());
    Command7->setBackColor(kWhite);
    Command6 = button(design.command6, faces::undoFace());
    Command6->setBackColor(kMagenta);
    Command5 = button(design.command5, QImage());
    Command4 = button(design.command4, faces::nextPageFace());
    Command3 = button(design.command3, faces::previousPageFace());
    Command1 = button(design.command1, faces::eraserFace());
    Command2 = button(design.command2, faces::doorFace());
}

void Form1::createImages()
{
    const layout::Placement design = layout::designPlacement();
    const std::array<double, 4> ringLefts{840, design.image1Left, 2040, 2760};
    for (int i = 0; i < 4; ++i) {
        Image1[i] = new ImageControl(this);
        Image1[i]->Move(ringLefts[i], 120, i == 2 ? 615 : 495, 495);
        Image1[i]->hide();
    }
    for (int i = 0; i < 3; ++i) {
        Image2[i] = new ImageControl(this);
        place(*Image2[i], design.image2[i]);
        Image2[i]->setCursor(Qt::PointingHandCursor);
    }
    Image2[0]->hide();
    Image4 = new ImageControl(this);
    Image4->Move(5280, 120, 735, 735);
    Image4->hide();
}

void Form1::connectHandlers()
{
    connect(Picture1, &PictureBox::mouseDown, this,
            [this](int b, int s, double x, double y) { Picture1_MouseDown(b, s, float(x), float(y)); });
    connect(Picture1, &PictureBox::mouseMove, this,
            [this](int b, int s, double x, double y) { Picture1_MouseMove(b, s, float(x), float(y)); });
    connect(Picture1, &PictureBox::mouseUp, this,
            [this](int b, int s, double x, double y) { Picture1_MouseUp(b, s, float(x), float(y)); });
    connect(Picture6, &PictureBox::mouseDown, this,
            [this](int b, int s, double x, double y) { Picture6_MouseDown(b, s, float(x), float(y)); });
    connect(Picture6, &PictureBox::doubleClicked, this, [this] { Picture6_DblClick(); });
    connect(Picture7, &PictureBox::mouseDown, this,
            [this](int b, int s, double x, double y) { Picture7_MouseDown(b, s, float(x), float(y)); });
    connect(Picture4, &PictureBox::clicked, this, [this] { Picture4_Click(); });
    for (int i = 0; i < 16; ++i)
        connect(Picture2[i], &PictureBox::mouseDown, this, [this, i](int b, int s, double x, double y) {
            Picture2_MouseDown(i, b, s, float(x), float(y));
        });
    for (int i = 0; i < 3; ++i)
        connect(Image2[i], &ImageControl::clicked, this, [this, i] { Image2_Click(i); });
    connect(Command1, &QAbstractButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QAbstractButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QAbstractButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QAbstractButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QAbstractButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QAbstractButton::clicked, this, [this] { Command6_Click(); });
    connect(Command7, &QAbstractButton::clicked, this, [this] { Command7_Click(); });
    connect(Command8, &QAbstractButton::clicked, this, [this] { Command8_Click(); });
}

void Form1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Form_Paint(painter);
}
