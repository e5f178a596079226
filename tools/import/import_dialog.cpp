// The "Add to Tintaro" window: its widgets, and one importer run per picture.
#include "import_dialog.h"

#include "set_folder.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTranslator>
#include <QVBoxLayout>

namespace importer {
namespace {

// The pictures the importer reads, as the file chooser offers them.
const char* const kPictureFilter = QT_TRANSLATE_NOOP("importer::ImportDialog",
                                                     "Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.svg)");

} // namespace

bool loadDialogTexts(QTranslator& translator, const QLocale& locale)
{
    return translator.load(locale, "tintaro-import", "_", ":/i18n");
}

ImportDialog::ImportDialog(const platform::BookFolders& book, const QStringList& command, const QStringList& pictures,
                           QWidget* parent)
    : QDialog(parent), command_(command)
{
    Q_ASSERT(!command.isEmpty());
    setWindowTitle(tr("Add to Tintaro"));
    setBox_ = new QComboBox(this);
    setBox_->setEditable(true);
    setBox_->setInsertPolicy(QComboBox::NoInsert);
    setBox_->setToolTip(tr("Choose a set of the book, or type the name of a new one."));
    fillSets(book);
    pictureList_ = new QListWidget(this);
    chooseButton_ = new QPushButton(tr("Choose pictures…"), this);
    progress_ = new QProgressBar(this);
    progress_->setFormat(tr("%v of %m pictures"));
    results_ = new QPlainTextEdit(this);
    results_->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(this);
    addButton_ = buttons->addButton(tr("Add"), QDialogButtonBox::AcceptRole);
    closeButton_ = buttons->addButton(QDialogButtonBox::Close);
    closeButton_->setText(tr("Close"));

    auto* form = new QFormLayout;
    form->addRow(tr("Set:"), setBox_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Pictures to add, in page order:"), this));
    layout->addWidget(pictureList_);
    layout->addWidget(chooseButton_);
    layout->addWidget(progress_);
    layout->addWidget(results_);
    layout->addWidget(buttons);
    resize(520, 460);

    connect(chooseButton_, &QPushButton::clicked, this, &ImportDialog::choosePictures);
    connect(addButton_, &QPushButton::clicked, this, &ImportDialog::start);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    for (const QString& picture : pictures)
        pictures_ << QFileInfo(picture).absoluteFilePath();
    pictureList_->addItems(pictures_);
    progress_->setRange(0, int(pictures_.size()));
    progress_->setValue(0);
    addButton_->setEnabled(!pictures_.isEmpty());
}

ImportDialog::~ImportDialog()
{
    // Closed while a picture is being added: that run finishes its own
    // batch whole or not at all, so it is left to end by itself.
    if (process_ != nullptr && process_->state() != QProcess::NotRunning)
        process_->waitForFinished(-1);
}

void ImportDialog::fillSets(const platform::BookFolders& book)
{
    QStringList sets;
    for (const QString& entry : book.setEntries()) {
        if (const QString set = book::setNameOfLogo(entry); !set.isEmpty())
            sets << set;
    }
    setBox_->addItems(sets);
    setBox_->setCurrentIndex(sets.isEmpty() ? -1 : 0);
}

void ImportDialog::choosePictures()
{
    const QStringList chosen = QFileDialog::getOpenFileNames(this, tr("Choose pictures"), QString(), tr(kPictureFilter));
    if (chosen.isEmpty())
        return;
    pictures_ = chosen;
    pictureList_->clear();
    pictureList_->addItems(pictures_);
    progress_->setRange(0, int(pictures_.size()));
    progress_->setValue(0);
    addButton_->setEnabled(true);
}

void ImportDialog::start()
{
    set_ = setBox_->currentText().trimmed();
    if (const QString why = book::setNameProblem(set_); !why.isEmpty()) {
        results_->appendPlainText(tr("Choose a set or type a name for a new one (%1).").arg(why));
        return;
    }
    results_->clear();
    progress_->setValue(0);
    next_ = 0;
    added_ = 0;
    setBusy(true);
    importNext();
}

void ImportDialog::importNext()
{
    if (next_ >= pictures_.size()) {
        results_->appendPlainText(tr("%1 of %2 pictures added to the set %3.")
                                      .arg(added_)
                                      .arg(pictures_.size())
                                      .arg(set_));
        setBusy(false);
        emit allTried();
        return;
    }
    // Each picture is one run of the importer, so a refused picture costs
    // only itself and the others are still added.
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::MergedChannels);
    connect(process_, &QProcess::finished, this, &ImportDialog::finishOne);
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finishOne();
    });
    process_->start(command_.first(),
                    command_.mid(1) + QStringList{"--set", set_, "--", pictures_.at(next_)});
}

void ImportDialog::finishOne()
{
    QProcess* done = process_;
    process_ = nullptr;
    const bool ok = done->exitStatus() == QProcess::NormalExit && done->exitCode() == 0 &&
                    done->error() != QProcess::FailedToStart;
    const QString output = QString::fromUtf8(done->readAll()).trimmed();
    done->deleteLater();
    if (ok)
        ++added_;
    QListWidgetItem* item = pictureList_->item(next_);
    item->setText((ok ? tr("Added: %1") : tr("Not added: %1")).arg(pictures_.at(next_)));
    results_->appendPlainText(output.isEmpty() ? (ok ? tr("%1: added").arg(pictures_.at(next_))
                                                      : tr("%1: the importer could not be run").arg(pictures_.at(next_)))
                                               : output);
    progress_->setValue(++next_);
    importNext();
}

void ImportDialog::setBusy(bool busy)
{
    setBox_->setEnabled(!busy);
    chooseButton_->setEnabled(!busy);
    addButton_->setEnabled(!busy);
    closeButton_->setEnabled(!busy);
}

} // namespace importer
