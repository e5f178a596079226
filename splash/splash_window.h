// Form2: the splash window. Its drawing colours itself, one random area every
// 350 ms, until the child clicks it; the click asks for the main window.
#pragma once

#include "shell/twip_control.h"
#include "splash/splash_random.h"

#include <QString>
#include <QWidget>
#include <array>

class PictureBox;
class QLabel;
class QTimer;

class Form2 : public QWidget, public TwipControl {
    Q_OBJECT
public:
    // `clock` seeds the colouring. A click on the drawing says drawingClicked,
    // once: whoever opens the main window then closes this one.
    explicit Form2(splash::SeedClock clock = splash::systemClockSeed);
    ~Form2() override;

    void Form_Load();
    void Timer1_Timer();
    void Picture1_Click();

    // Areas the timer has coloured so far (a tick that changes nothing does not count).
    int fillCount() const { return fillCount_; }

    PictureBox* Picture1 = nullptr;
    std::array<QLabel*, 3> Label1{};
    QTimer* Timer1 = nullptr;

signals:
    void drawingClicked();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void createLabels();

    splash::SeedClock clock_;
    splash::Random random_;
    int fillCount_ = 0;
    bool clicked_ = false;
};
