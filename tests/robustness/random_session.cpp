// Random use of the main window: the actions, their weights and the mouse
// events each one sends.
#include "tests/robustness/random_session.h"

#include "shell/main_window.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace robustness {
namespace {

// How far a drag may stray beyond the canvas, in pixels.
constexpr int kStray = 40;
constexpr int kMaxMoves = 12;

constexpr std::array<const char*, kActionCount> kNames = {
    "stroke", "palette",  "palette double-click", "swatch",   "pen size", "texture", "tool", "undo",
    "page as loaded", "previous page", "next page", "next set", "erase", "print", "door"};

// Out of 1000: about one action in three a stroke on the canvas.
constexpr std::array<int, kActionCount> kDefaultWeights = {330, 70, 5,  70, 40, 60, 70, 60,
                                                           25,  35, 40, 25, 20, 3,  0};

void send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

bool reachable(const QWidget* widget) { return widget != nullptr && widget->isVisible() && widget->isEnabled(); }

} // namespace

QString actionName(Action action) { return QString::fromLatin1(kNames[static_cast<std::size_t>(action)]); }

bool touchesCopies(Action action)
{
    return action == Action::PreviousPage || action == Action::NextPage || action == Action::NextSet ||
           action == Action::Erase || action == Action::Door;
}

RandomSession::RandomSession(Form1& form, quint32 seed) : form_(form), random_(seed), weights_(kDefaultWeights) {}

void RandomSession::setWeight(Action action, int weight)
{
    Q_ASSERT(weight >= 0);
    weights_[static_cast<std::size_t>(action)] = weight;
}

Action RandomSession::pick()
{
    int total = 0;
    for (const int w : weights_)
        total += w;
    Q_ASSERT(total > 0);
    int roll = random_.bounded(total);
    for (int i = 0; i < kActionCount; ++i) {
        roll -= weights_[static_cast<std::size_t>(i)];
        if (roll < 0)
            return static_cast<Action>(i);
    }
    return Action::Stroke;
}

int RandomSession::perform(Action action)
{
    QWidget* button = buttonOf(action);
    const int sent = button != nullptr ? clickOn(button) : sendEvents(action);
    if (sent > 0)
        ++performed_[actionName(action)];
    QCoreApplication::processEvents();
    return sent;
}

// The control that a plain click performs `action` on; null for the others.
QWidget* RandomSession::buttonOf(Action action)
{
    switch (action) {
    case Action::PenSize:
        return form_.Picture4;
    case Action::Tool:
        return form_.Image2[static_cast<std::size_t>(random_.bounded(3))];
    case Action::Undo:
        return form_.Command6;
    case Action::PageAsLoaded:
        return form_.Command7;
    case Action::PreviousPage:
        return form_.Command3;
    case Action::NextPage:
        return form_.Command4;
    case Action::NextSet:
        return form_.Command5;
    case Action::Erase:
        return form_.Command1;
    case Action::Print:
        return form_.Command8;
    case Action::Door:
        return form_.Command2;
    default:
        return nullptr;
    }
}

int RandomSession::sendEvents(Action action)
{
    switch (action) {
    case Action::Stroke:
        return stroke();
    case Action::Palette:
        return pressOn(form_.Picture6, anyPixelOf(form_.Picture6), anyButton());
    case Action::PaletteDoubleClick:
        return doubleClick(form_.Picture6);
    case Action::Swatch: {
        PictureBox* swatch = form_.Picture2[static_cast<std::size_t>(random_.bounded(16))];
        return pressOn(swatch, anyPixelOf(swatch), anyButton());
    }
    case Action::Texture:
        return pressOn(form_.Picture7, anyPixelOf(form_.Picture7),
                       random_.bounded(2) ? Qt::LeftButton : Qt::RightButton);
    default:
        return 0;
    }
}

int RandomSession::doubleClick(QWidget* box)
{
    if (!reachable(box))
        return 0;
    const QPoint at = anyPixelOf(box);
    pressOn(box, at, Qt::LeftButton);
    send(box, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    send(box, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    return 4;
}

// A press, a wandering drag that may leave the canvas and come back, and a release.
int RandomSession::stroke()
{
    PictureBox* canvas = form_.Picture1;
    if (!reachable(canvas))
        return 0;
    const Qt::MouseButton button = anyButton();
    QPoint at = anyPixelOf(canvas);
    send(canvas, QEvent::MouseButtonPress, at, button, button);
    const int moves = random_.bounded(kMaxMoves + 1);
    const QRect range = canvas->rect().adjusted(-kStray, -kStray, kStray, kStray);
    for (int i = 0; i < moves; ++i) {
        at += QPoint(random_.bounded(-60, 61), random_.bounded(-60, 61));
        at = QPoint(std::clamp(at.x(), range.left(), range.right()),
                    std::clamp(at.y(), range.top(), range.bottom()));
        send(canvas, QEvent::MouseMove, at, Qt::NoButton, button);
    }
    send(canvas, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    return moves + 2;
}

int RandomSession::pressOn(QWidget* box, QPoint pixel, Qt::MouseButton button)
{
    if (!reachable(box))
        return 0;
    send(box, QEvent::MouseButtonPress, pixel, button, button);
    send(box, QEvent::MouseButtonRelease, pixel, button, Qt::NoButton);
    return 2;
}

int RandomSession::clickOn(QWidget* widget) { return pressOn(widget, anyPixelOf(widget), Qt::LeftButton); }

QPoint RandomSession::anyPixelOf(const QWidget* box)
{
    return {random_.bounded(std::max(1, box->width())), random_.bounded(std::max(1, box->height()))};
}

// Mostly the left button; the right and the middle one as a child's fingers find them.
Qt::MouseButton RandomSession::anyButton()
{
    const int roll = random_.bounded(10);
    return roll < 7 ? Qt::LeftButton : roll < 9 ? Qt::RightButton : Qt::MiddleButton;
}

} // namespace robustness
