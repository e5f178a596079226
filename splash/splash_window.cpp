// The splash window Form2: its definition, its self-colouring drawing and the
// click that opens the main window.
#include "splash/splash_window.h"

#include "platform/flood_fill.h"
#include "platform/units.h"
#include "shell/faces.h"
#include "shell/main_window.h"
#include "shell/picture_box.h"
#include "splash/splash_drawing.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cmath>

using platform::twipsToPixels;

namespace {

constexpr platform::ColourValue kWhite = 0x00FFFFFF;

struct LabelDefinition {
    double left, top, width, height;
    const char* text;
    QStringList families;
    double points;
    bool bold;
    platform::ColourValue colour;
};

// Comic Sans MS and Arial where installed, else the free fonts cut to their measure.
const std::array<LabelDefinition, 3> kLabels{{
    {4800, 7560, 3015, 495, "TINTARO 5.0", {"Comic Sans MS", "Comic Neue"}, 18, true, 0x00FF0000},
    {-840, 8040, 7095, 495, "Por el equipo de Tintaro", {"Arial", "Liberation Sans"}, 14.25, false,
     0x00C000C0},
    {4920, 8040, 2895, 495, "Software gratuito", {"Arial", "Liberation Sans"}, 14.25, false, 0x000000FF},
}};

QLabel* makeLabel(QWidget* parent, const LabelDefinition& d)
{
    auto* label = new QLabel(QString::fromUtf8(d.text), parent);
    label->setGeometry(twipsToPixels(d.left), twipsToPixels(d.top), twipsToPixels(d.width),
                       twipsToPixels(d.height));
    QFont font;
    font.setFamilies(d.families);
    font.setPointSizeF(d.points);
    font.setBold(d.bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, platform::toQColor(d.colour));
    label->setPalette(palette);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

// Covers the screen whether or not a window manager honours the full-screen state.
void showCoveringScreen(QWidget& window)
{
    window.setGeometry(window.screen()->geometry());
    window.showFullScreen();
}

} // namespace

Form2::Form2(const QString& programFolder, std::unique_ptr<Form1>& mainWindow, splash::SeedClock clock)
    : Form2(platform::BookFolders::portableAt(programFolder), mainWindow, std::move(clock))
{
}

Form2::Form2(const platform::BookFolders& book, std::unique_ptr<Form1>& mainWindow, splash::SeedClock clock)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), TwipControl(this),
      book_(book), mainWindow_(mainWindow), clock_(std::move(clock))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QPixmap::fromImage(faces::windowIcon()));
    QPalette white = palette();
    white.setColor(QPalette::Window, platform::toQColor(kWhite));
    setPalette(white);
    setAutoFillBackground(true);
    Move(0, 0, 7755, 8505);

    Picture1 = new PictureBox(this, false, false);
    Picture1->Move(0, 0, 7815, 7695);
    Picture1->setBackColor(kWhite);
    Picture1->setPicture(splashDrawing());
    connect(Picture1, &PictureBox::clicked, this, &Form2::Picture1_Click);
    createLabels();

    Timer1 = new QTimer(this);
    Timer1->setInterval(350);
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    Form_Load();
    Timer1->start();
}

Form2::~Form2() = default;

void Form2::createLabels()
{
    for (std::size_t i = 0; i < kLabels.size(); ++i)
        Label1[i] = makeLabel(this, kLabels[i]);
}

void Form2::Form_Load()
{
    random_ = splash::Random(clock_());
    const QSize screenSize = screen()->geometry().size();
    const double screenWidth = platform::pixelsToTwips(screenSize.width());
    const double screenHeight = platform::pixelsToTwips(screenSize.height());
    setLeft(std::floor((screenWidth - Width()) / 2));
    setTop(std::floor((screenHeight - Height()) / 2) - 225);
    Picture1->setScaleMode(PictureBox::ScaleMode::Pixels);
    Picture1->setFillSolid(true);
}

void Form2::Timer1_Timer()
{
    std::array<double, 5> r{};
    for (double& v : r)
        v = random_.next();
    const QSize box(static_cast<int>(Picture1->ScaleWidth()), static_cast<int>(Picture1->ScaleHeight()));
    const splash::Tick tick = splash::chooseTick(r, box);
    Picture1->setFillColor(tick.colour);
    QImage& image = Picture1->persistentImage();
    const platform::ColourValue c = platform::GetPixel(image, tick.point.x(), tick.point.y());
    if (platform::ExtFloodFill(image, tick.point.x(), tick.point.y(), c, platform::FloodFillType::Surface,
                               Picture1->FillColor())) {
        ++fillCount_;
        Picture1->imageChanged();
    }
}

void Form2::Picture1_Click()
{
    // A second click can arrive before the splash has gone.
    if (mainWindow_ != nullptr)
        return;
    mainWindow_ = std::make_unique<Form1>(book_, this);
    connect(mainWindow_.get(), &Form1::quitRequested, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    showCoveringScreen(*mainWindow_);
}

void Form2::hideEvent(QHideEvent* event)
{
    // The colouring ends with the splash.
    Timer1->stop();
    QWidget::hideEvent(event);
}
