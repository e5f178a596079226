// Form2: the splash window. Its drawing colours itself, one random area every
// 350 ms, until the child clicks it; the click opens the main window.
#pragma once

#include "platform/book_folders.h"
#include "shell/twip_control.h"
#include "splash/splash_random.h"

#include <QString>
#include <QWidget>
#include <array>
#include <memory>

class Form1;
class PictureBox;
class QLabel;
class QTimer;

class Form2 : public QWidget, public TwipControl {
    Q_OBJECT
public:
    // A click on the drawing creates Form1 for `book` in `mainWindow`,
    // which must outlive this window: Form1's start-up closes the splash and
    // deletes it once the click is handled. `clock` seeds the colouring.
    Form2(const platform::BookFolders& book, std::unique_ptr<Form1>& mainWindow,
          splash::SeedClock clock = splash::systemClockSeed);
    // The same for the portable book of `programFolder`.
    Form2(const QString& programFolder, std::unique_ptr<Form1>& mainWindow,
          splash::SeedClock clock = splash::systemClockSeed);
    ~Form2() override;

    void Form_Load();
    void Timer1_Timer();
    void Picture1_Click();

    // Areas the timer has coloured so far (a tick that changes nothing does not count).
    int fillCount() const { return fillCount_; }

    PictureBox* Picture1 = nullptr;
    std::array<QLabel*, 3> Label1{};
    QTimer* Timer1 = nullptr;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void createLabels();

    platform::BookFolders book_;
    std::unique_ptr<Form1>& mainWindow_;
    splash::SeedClock clock_;
    splash::Random random_;
    int fillCount_ = 0;
};
