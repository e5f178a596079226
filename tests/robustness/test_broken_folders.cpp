// The main window on broken program folders: every resource missing,
// emptied, cut short, of another format, 1 x 1 or 20000 x 20000 pixels, or a
// folder, in turn; the whole folder read-only; a set of 5,000 pages; 1,000
// sets; logo names that make odd or no set names. Each time the window starts,
// stays usable under a random session, keeps the child's work and writes
// nothing outside "dibujos". How fast it starts is measured in bench/.
#include "platform/picture_io.h"
#include "shell/main_window.h"
#include "tests/robustness/broken_folder.h"
#include "tests/robustness/copy_digest.h"
#include "tests/robustness/folder_state.h"
#include "tests/robustness/random_session.h"
#include "tests/support/colouring_folder.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QtTest>

#include <fcntl.h>
#include <memory>
#include <unistd.h>

using robustness::Fault;
using testsupport::TestFolder;

namespace {

constexpr int kSessionEvents = 120;
const QString kPlanted = "dibujos/animales/2.bmp";

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The shipped program folder, made to keep coloured copies, with an earlier
// copy of page 2 of "animales".
std::unique_ptr<TestFolder> shippedFolder()
{
    auto folder = std::make_unique<TestFolder>(true);
    robustness::halvePages(*folder);
    folder->writeText("configuracion/borra.txt", "NO\n");
    QImage earlier(100, 80, QImage::Format_RGB32);
    earlier.fill(QColor(120, 30, 150));
    if (!platform::saveBmpAtomically(earlier, folder->file(kPlanted)))
        qFatal("cannot plant a coloured copy");
    return folder;
}

// A fresh copy of `model` (cp copies a folder many times faster than file by file).
std::unique_ptr<TestFolder> copyOf(const TestFolder& model)
{
    auto folder = std::make_unique<TestFolder>();
    if (!run("cp", {"-a", model.path() + "/.", folder->path()}))
        qFatal("cannot copy the program folder");
    return folder;
}

// Closes the background message, as a grown-up would, so the child can go on.
bool closeMessages()
{
    bool shown = false;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (box != nullptr && box->isVisible()) {
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            shown = true;
        }
    }
    return shown;
}

// Changes the program may make: coloured copies added, changed or removed,
// which also touches their set folder's time.
bool onlyCopies(const QStringList& changes)
{
    static const QRegularExpression copy("^((added|removed|changed) dibujos/[^/]+/[1-9][0-9]*\\.bmp(:|$)"
                                         "|changed dibujos/[^/]+: folder [0-9]+ -> folder [0-9]+$)");
    return std::all_of(changes.cbegin(), changes.cend(),
                       [](const QString& change) { return copy.match(change).hasMatch(); });
}

// The coloured copy of the page on the canvas, relative to the program folder.
QString pageCopy(const Form1& form)
{
    return QString("dibujos/%1/%2.bmp").arg(form.SetName(form.SetIndex)).arg(form.PageNumber);
}

} // namespace

class BrokenFoldersTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void brokenResource_data();
    void brokenResource();
    void readOnlyProgramFolder();
    void setOfFiveThousandPages();
    void thousandSets();
    void oddSetNames();
    void cleanupTestCase();

private:
    void useAndLeave(const TestFolder& folder, Form1& form, quint32 seed);
    void checkWritten(const TestFolder& folder, const QStringList& changes);
    void paintAndMoveOn(const TestFolder& folder, Form1& form);

    std::unique_ptr<TestFolder> shipped_;
};

void BrokenFoldersTest::initTestCase()
{
    QVERIFY(!robustness::hugePicture().isEmpty());
    shipped_ = shippedFolder();
}

void BrokenFoldersTest::brokenResource_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<Fault>("fault");
    for (const QString& resource : robustness::resources())
        for (const Fault fault : robustness::faultsFor(resource))
            QTest::addRow("%s %s", qPrintable(resource), qPrintable(robustness::faultName(fault)))
                << resource << fault;
}

void BrokenFoldersTest::brokenResource()
{
    QFETCH(QString, resource);
    QFETCH(Fault, fault);
    const auto folder = copyOf(*shipped_);
    const QString planted = robustness::filePixelsDigest(folder->file(kPlanted));
    robustness::breakResource(*folder, resource, fault);
    const robustness::FolderState before = robustness::folderState(folder->path());

    const auto form = std::make_unique<Form1>(folder->path());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCoreApplication::processEvents();
    QCOMPARE(closeMessages(), resource == "fondo.jpg" && fault != Fault::Tiny);

    paintAndMoveOn(*folder, *form);
    // The earlier copy stays, unless it is the broken file, or breaking the
    // erase setting switched the clean-up on.
    const bool cleanUp = resource == "configuracion" || resource == "configuracion/borra.txt";
    const bool itsOwnFault = kPlanted.startsWith(resource);
    if (!cleanUp && !itsOwnFault)
        QCOMPARE(robustness::filePixelsDigest(folder->file(kPlanted)), planted);
    if (cleanUp)
        QVERIFY(!folder->exists(kPlanted));

    useAndLeave(*folder, *form, qChecksum(QByteArrayView(QTest::currentDataTag())));
    const QStringList changes = robustness::differences(before, robustness::folderState(folder->path()));
    QVERIFY2(onlyCopies(changes), qPrintable("written outside the coloured copies:\n" + changes.join('\n')));
    checkWritten(*folder, changes);
}

// Paints page 1 and moves on: its copy is kept whenever its set folder can hold it.
void BrokenFoldersTest::paintAndMoveOn(const TestFolder& folder, Form1& form)
{
    const bool pageShown = !form.Picture8->Picture().isNull();
    const QString set = form.SetName(form.SetIndex);
    const QFileInfo setFolder(folder.file("dibujos/" + set));
    testsupport::clickBox(form.Picture1, form.Picture1->rect().center() / 2);
    const QImage canvas = form.Picture1->Image();
    QTest::mouseClick(form.Command4, Qt::LeftButton);
    if (pageShown && !set.isEmpty() && setFolder.isDir() && setFolder.isWritable() && form.PageNumber != 1)
        QCOMPARE(platform::loadPicture(folder.file("dibujos/" + set + "/1.bmp")), canvas);
}

// A random session, then the door, which keeps the page being coloured.
void BrokenFoldersTest::useAndLeave(const TestFolder& folder, Form1& form, quint32 seed)
{
    robustness::RandomSession session(form, seed);
    session.setWeight(robustness::Action::Print, 0);
    for (int sent = 0; sent < kSessionEvents;)
        sent += session.perform(session.pick());
    closeMessages();
    const bool modified = form.DrawingModified;
    const QImage canvas = form.Picture1->Image();
    const QString copy = folder.file(pageCopy(form));
    const QString before = robustness::filePixelsDigest(copy);
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    const QString after = robustness::filePixelsDigest(copy);
    // Kept, or the save could not be made and the copy stayed as it was.
    if (modified)
        QVERIFY2(after == robustness::imageDigest(canvas) || after == before, "the door lost the page");
}

// Every coloured copy the run wrote is a whole picture.
void BrokenFoldersTest::checkWritten(const TestFolder& folder, const QStringList& changes)
{
    static const QRegularExpression written("^(added|changed) (dibujos/[^:]+\\.bmp):");
    for (const QString& change : changes)
        if (const auto match = written.match(change); match.hasMatch())
            QVERIFY2(!platform::loadPicture(folder.file(match.captured(2))).isNull(),
                     qPrintable("not whole: " + match.captured(2)));
}

void BrokenFoldersTest::readOnlyProgramFolder()
{
    const auto folder = copyOf(*shipped_);
    const QString root = folder->path();
    if (geteuid() != 0 || !run("mount", {"--bind", root, root}))
        QSKIP("making a folder read-only for root needs permission to mount");
    const auto unmount = qScopeGuard([&] {
        if (!run("umount", {root}))
            qWarning("could not unmount %s", qPrintable(root));
    });
    QVERIFY(run("mount", {"-o", "remount,bind,ro", root, root}));
    const robustness::FolderState before = robustness::folderState(root);
    const auto form = std::make_unique<Form1>(root);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    testsupport::clickBox(form->Picture1, form->Picture1->rect().center() / 2);
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    QCOMPARE(form->PageNumber, 2);
    useAndLeave(*folder, *form, 7);
    QCOMPARE(robustness::differences(before, robustness::folderState(root)), QStringList());
}

void BrokenFoldersTest::setOfFiveThousandPages()
{
    const auto folder = copyOf(*shipped_);
    folder->writeText("configuracion/borra.txt", "si\n"); // the clean-up walks every page
    const QImage page = testsupport::outlinedPage({200, 150}, {QRect(20, 20, 160, 110)});
    folder->writeImage("dibujos/animales/3.gif", page);
    const QByteArray bytes = [&] {
        QFile file(folder->file("dibujos/animales/3.gif"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    for (int n = 4; n <= 5000; ++n)
        folder->writeText(QString("dibujos/animales/%1.gif").arg(n), bytes);
    folder->writeText("dibujos/animales/4999.bmp", bytes);

    const auto form = std::make_unique<Form1>(folder->path());
    QCOMPARE(form->PageCount, 5000);
    QVERIFY(!folder->exists("dibujos/animales/4999.bmp"));
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    QCOMPARE(form->PageNumber, 5000);
    QCOMPARE(form->Picture8->Picture().convertToFormat(QImage::Format_RGB32), page);
}

void BrokenFoldersTest::thousandSets()
{
    const auto folder = copyOf(*shipped_);
    folder->writeText("configuracion/borra.txt", "si\n");
    const QImage page = testsupport::outlinedPage({200, 150}, {QRect(30, 30, 100, 90)});
    for (int i = 0; i < 1000; ++i) {
        const QString set = QString("z%1").arg(i, 4, 10, QChar('0'));
        folder->writeImage("logos/" + set + ".gif", page.scaled(57, 67));
        folder->writeImage("dibujos/" + set + "/1.gif", page);
    }
    const auto form = std::make_unique<Form1>(folder->path());
    QCOMPARE(form->File1.ListCount(), 1008);
    for (int i = 0; i < 9; ++i)
        QTest::mouseClick(form->Command5, Qt::LeftButton);
    QCOMPARE(form->SetName(form->SetIndex), QString("z0001"));
    QCOMPARE(form->Picture8->Picture().convertToFormat(QImage::Format_RGB32), page);
}

// Logo names that give no set name, or one no page folder should have: each
// set is visited and painted, and nothing lands outside "dibujos".
void BrokenFoldersTest::oddSetNames()
{
    const auto folder = copyOf(*shipped_);
    const QByteArray logo = [&] {
        QFile file(folder->file("logos/animales.gif"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const QStringList names{"ab", ".gif", "b..gif", "c\nd.gif", QString(250, 'e') + ".gif", "f .gif",
                            "\\g.gif", "peque.gif"};
    const QImage page = testsupport::outlinedPage({200, 150}, {QRect(20, 20, 160, 110)});
    for (const QString& name : names) {
        folder->writeText("logos/" + name, logo);
        if (name.size() > 4)
            folder->writeImage("dibujos/" + name.chopped(4) + "/1.gif", page);
    }
    // A name that is not UTF-8, as a copy from another system may bring.
    const QByteArray raw = QFile::encodeName(folder->file("logos/")) + "\xff\xfe.gif";
    const int fd = ::creat(raw.constData(), 0644);
    QVERIFY(fd >= 0 && ::close(fd) == 0);
    const robustness::FolderState before = robustness::folderState(folder->path());
    const auto form = std::make_unique<Form1>(folder->path());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    for (int i = 0; i <= form->File1.ListCount(); ++i) {
        testsupport::clickBox(form->Picture1, form->Picture1->rect().center() / 2);
        QTest::mouseClick(form->Command5, Qt::LeftButton);
    }
    QVERIFY(folder->exists("dibujos/f /1.bmp"));
    // A control character in a name makes no set: the book's rules refuse it.
    QVERIFY(!folder->exists("dibujos/c\nd/1.bmp"));
    QVERIFY(folder->exists("dibujos/" + QString(250, 'e') + "/1.bmp"));
    useAndLeave(*folder, *form, 11);
    const QStringList changes = robustness::differences(before, robustness::folderState(folder->path()));
    QVERIFY2(onlyCopies(changes), qPrintable("written outside the coloured copies:\n" + changes.join('\n')));
    checkWritten(*folder, changes);
}

void BrokenFoldersTest::cleanupTestCase()
{
    shipped_.reset();
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BrokenFoldersTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_broken_folders.moc"
