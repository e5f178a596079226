// The window definition of Form1: its controls as they stand when the window
// is created, before start-up moves them, and the wiring of their events.
#include "shell/main_window.h"

#include "palette/cursor_template.h"
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

} // namespace

Form1::Form1(const QString& programFolder, QWidget* splash)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    ProgramFolder = programFolder;
    splash_ = splash;
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

QString Form1::ProgramPath(const QString& relative) const { return ProgramFolder + relative; }

void Form1::createControls()
{
    createPictureBoxes();
    createButtons();
    createImages();
    Trivolen1 = new Trivolen(this);
    Trivolen1->Move(3600, 4800, 1350, 1365);
    // Its place at start is the fill tool's icon, which it covers.
    Trivolen1->setPlace(Trivolen1->size());
}

void Form1::createPictureBoxes()
{
    auto box = [this](QWidget* parent, bool flat, bool autoSize, double l, double t, double w,
                      double h) {
        auto* picture = new PictureBox(parent, flat, autoSize);
        picture->Move(l, t, w, h);
        return picture;
    };
    Picture5 = box(this, true, true, 1080, 1440, 5415, 3135);
    Picture1 = box(Picture5, true, true, 0, 0, 3855, 2415);
    Picture1->setContainerInset(1);
    // The child colours at the screen's full sharpness.
    Picture1->setDeviceResolution(true);
    Picture8 = box(this, false, true, 6720, 1680, 855, 855);
    Picture8->hide();
    Picture3 = box(this, false, false, 4200, 120, 495, 495);
    Picture3->setFillSolid(true);
    Picture3->setScaleMode(PictureBox::ScaleMode::Pixels);
    Picture3->setBackColor(kWhite);
    Picture3->setPicture(palette::makeCursorTemplate());
    Picture3->hide();
    for (int i = 0; i < 16; ++i) {
        const double left = i <= 10 ? 960 + 600 * i : std::array{1560, 2160, 2760, 5040, 5640}[i - 11];
        Picture2[i] = box(this, false, false, left, i <= 10 ? 6480 : 6000, 495, 375);
    }
    Picture7 = box(this, true, false, 1560, 6960, 1455, 1095);
    Picture6 = box(this, true, true, 0, 0, 1380, 9000);
    Picture4 = box(this, true, false, 8040, 3960, 975, 975);
}

void Form1::createButtons()
{
    auto button = [this](double l, double t, double w, double h, const QImage& face) {
        auto* command = new CommandButton(this);
        command->Move(l, t, w, h);
        command->setFace(face);
        return command;
    };
    Command8 = button(8160, 5640, 1095, 1095, faces::printerFace());
    Command8->setBackColor(kPurple);
    Command7 = button(8160, 4560, 1095, 1095, faces::magnifierFace());
    Command7->setBackColor(kWhite);
    Command6 = button(5160, 4800, 855, 975, faces::undoFace());
    Command6->setBackColor(kMagenta);
    Command5 = button(1800, 4800, 855, 975, QImage());
    Command4 = button(3480, 4680, 855, 1000, faces::nextPageFace());
    Command3 = button(2640, 4800, 855, 1000, faces::previousPageFace());
    Command1 = button(6840, 4800, 855, 1005, faces::eraserFace());
    Command2 = button(6000, 4800, 855, 1005, faces::doorFace());
}

void Form1::createImages()
{
    const std::array<double, 4> ringLefts{840, 1440, 2040, 2760};
    for (int i = 0; i < 4; ++i) {
        Image1[i] = new ImageControl(this);
        Image1[i]->Move(ringLefts[i], 120, i == 2 ? 615 : 495, 495);
        Image1[i]->hide();
    }
    const std::array<std::array<double, 4>, 3> tools{{
        {7680, 120, 1350, 1365}, {7920, 1200, 1110, 1815}, {7800, 2760, 1410, 1215}}};
    for (int i = 0; i < 3; ++i) {
        Image2[i] = new ImageControl(this);
        Image2[i]->Move(tools[i][0], tools[i][1], tools[i][2], tools[i][3]);
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
