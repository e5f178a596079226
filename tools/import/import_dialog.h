// "Add to Tintaro": the small window a parent gets from the file manager
// (tintaro-import --dialog PICTURE...). They pick one of the book's sets or
// type a new name; each picture is then added by the importer on its own, so
// a refused picture leaves nothing behind while the others are added, and
// its result (areas, gaps closed, or why it was refused) is shown as the
// importer prints it.
#pragma once

#include "platform/book_folders.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QProcess;
class QProgressBar;
class QPushButton;
class QLocale;
class QTranslator;

namespace importer {

// Loads the dialog's texts for `locale` (Spanish; English is the source).
// False when none are needed or none could be found: the English texts stay.
bool loadDialogTexts(QTranslator& translator, const QLocale& locale);

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // `book` gives the sets offered; `command` is the importer to run, its
    // program first, then arguments that come before --set and the picture.
    ImportDialog(const platform::BookFolders& book, const QStringList& command, const QStringList& pictures,
                 QWidget* parent = nullptr);
    ~ImportDialog() override;

    QComboBox* setBox() const { return setBox_; }
    QPushButton* addButton() const { return addButton_; }
    QProgressBar* progress() const { return progress_; }
    QPlainTextEdit* results() const { return results_; }
    QListWidget* pictureList() const { return pictureList_; }
    // How many pictures were added in the last run.
    int added() const { return added_; }

signals:
    // Every picture has been tried.
    void allTried();

private:
    void choosePictures();
    void start();
    void importNext();
    void finishOne();
    void setBusy(bool busy);
    void fillSets(const platform::BookFolders& book);

    QStringList command_;
    QStringList pictures_;
    QComboBox* setBox_ = nullptr;
    QListWidget* pictureList_ = nullptr;
    QPushButton* chooseButton_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPlainTextEdit* results_ = nullptr;
    QProcess* process_ = nullptr;
    QString set_;
    int next_ = 0;
    int added_ = 0;
};

} // namespace importer
