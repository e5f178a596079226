// Random use of the main window the way a small child hammers it: presses,
// drags and releases on the canvas with every tool and button, picks on the
// palette, the swatches and the pen-size box, texture presses, tool clicks,
// undo, every page and set button, the eraser and the printer.
#pragma once

#include <QMap>
#include <QPoint>
#include <QRandomGenerator>
#include <QString>
#include <array>

class Form1;
class QWidget;

namespace robustness {

enum class Action {
    Stroke,             // press, moves (sometimes off the canvas), release
    Palette,            // a press on the palette image
    PaletteDoubleClick, // the clipboard copy
    Swatch,
    PenSize,
    Texture, // a press on the texture box, left or right button
    Tool,
    Undo,
    PageAsLoaded,
    PreviousPage,
    NextPage,
    NextSet,
    Erase,
    Print,
    Door,
};
inline constexpr int kActionCount = static_cast<int>(Action::Door) + 1;

QString actionName(Action action);
// True for the actions that may write or delete a coloured copy.
bool touchesCopies(Action action);

class RandomSession {
public:
    // Everything but the door is chosen by default weights; `seed` fixes the whole session.
    RandomSession(Form1& form, quint32 seed);

    // How often `action` is chosen, relative to the others (0: never).
    void setWeight(Action action, int weight);
    Action pick();
    // Sends the mouse events of `action` to the window, as a hand on the
    // mouse would, and lets the window handle them. Returns the number of
    // events sent: 0 when the control is hidden or disabled.
    int perform(Action action);

    // How many times each action was performed.
    const QMap<QString, int>& performed() const { return performed_; }

private:
    QWidget* buttonOf(Action action);
    int sendEvents(Action action);
    int stroke();
    int doubleClick(QWidget* box);
    int pressOn(QWidget* box, QPoint pixel, Qt::MouseButton button);
    int clickOn(QWidget* widget);
    QPoint anyPixelOf(const QWidget* box);
    Qt::MouseButton anyButton();

    Form1& form_;
    QRandomGenerator random_;
    std::array<int, kActionCount> weights_{};
    QMap<QString, int> performed_;
};

} // namespace robustness
