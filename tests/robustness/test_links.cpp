// Links in the program folder, to files outside it and to nowhere: as
// coloured copies, pages, logos, a setting and a whole set folder (a
// teacher's set kept on a shared drive), under both erase settings, in the
// program and in the importer. Whatever the program and the importer do,
// every file outside the folder keeps its checksum and none is created
// there; what links lead to is read, never written or deleted.
#include "platform/picture_io.h"
#include "shell/main_window.h"
#include "tests/robustness/copy_digest.h"
#include "tests/robustness/folder_state.h"
#include "tests/robustness/random_session.h"
#include "tests/support/colouring_folder.h"
#include "tests/support/test_folder.h"

#include <QApplication>
#include <QPainter>
#include <QtTest>

using testsupport::TestFolder;

namespace {

constexpr int kSessionEvents = 300;

QImage page(int boxes) { return testsupport::boxesInARow({400, 200}, {20, 20, 60, 80}, 70, boxes); }

void paint(Form1& form, QColor colour)
{
    form.SaveSnapshot();
    QPainter painter(&form.Picture1->persistentImage());
    painter.fillRect(QRect(5, 5, 40, 30), colour);
    painter.end();
    form.Picture1->imageChanged();
}

void showSet(Form1& form, const QString& set)
{
    for (int i = 0; i < form.File1.ListCount() && form.SetName(form.SetIndex) != set; ++i)
        form.Command5_Click();
    QCOMPARE(form.SetName(form.SetIndex), set);
}

bool isPlainFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
}


} // namespace

class LinksTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void theProgramNeverWritesThroughALink_data();
    void theProgramNeverWritesThroughALink();
    void theImporterNeverWritesThroughALink();

private:
    void linkOutside(const TestFolder& folder, const QString& relative, const QString& target) const;
    void linkLogosAndASet(const TestFolder& folder) const;
    std::unique_ptr<QTemporaryDir> outside_;
    QString out(const QString& name) const { return outside_->filePath(name); }
};

// Outside the program folder: a diary, a logo, a page and a teacher's set
// with a copy of its own.
void LinksTest::init()
{
    outside_ = std::make_unique<QTemporaryDir>();
    QVERIFY(outside_->isValid());
    const TestFolder writer;
    QFile diary(out("diary.txt"));
    QVERIFY(diary.open(QIODevice::WriteOnly) && diary.write("dear diary\n") > 0);
    diary.close();
    QVERIFY(QDir().mkpath(out("shared")));
    for (const auto& [name, image] : {std::pair{"logo.gif", page(1).scaled(57, 67)}, {"page.gif", page(2)},
                                      {"shared/1.gif", page(3)}, {"shared/2.gif", page(4)}}) {
        writer.writeImage(name, image);
        QVERIFY(QFile::copy(writer.file(name), out(name)));
    }
    QImage copy = page(3);
    QPainter(&copy).fillRect(30, 30, 20, 20, Qt::magenta);
    QVERIFY(copy.save(out("shared/1.bmp"), "BMP"));
}

void LinksTest::linkOutside(const TestFolder& folder, const QString& relative, const QString& target) const
{
    folder.remove(relative);
    QVERIFY2(QFile::link(out(target), folder.file(relative)), qPrintable(relative));
}

// What both the program and the importer meet: a logo linked outside, one
// linked to nowhere, and a set whose folder is a link to a teacher's set.
void LinksTest::linkLogosAndASet(const TestFolder& folder) const
{
    linkOutside(folder, "logos/granja.gif", "logo.gif");
    linkOutside(folder, "logos/zz.gif", "nowhere.gif");
    folder.writeImage("logos/zcompartido.gif", page(1).scaled(57, 67));
    linkOutside(folder, "dibujos/zcompartido", "shared");
}

void LinksTest::theProgramNeverWritesThroughALink_data() { testsupport::addEraseSettingRows(); }

void LinksTest::theProgramNeverWritesThroughALink()
{
    QFETCH(QByteArray, eraseSetting);
    const TestFolder folder(true);
    folder.writeText("configuracion/borra.txt", eraseSetting);
    linkOutside(folder, "dibujos/animales/1.bmp", "diary.txt");
    linkOutside(folder, "dibujos/animales/2.bmp", "missing.bmp");
    linkOutside(folder, "dibujos/castillo/1.gif", "page.gif");
    linkOutside(folder, "configuracion/impresora.txt", "diary.txt");
    linkLogosAndASet(folder);
    const robustness::FolderState outside = robustness::folderState(outside_->path());

    Form1 form(folder.path());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(QFileInfo(folder.file("dibujos/animales/1.bmp")).isSymLink(), eraseSetting == "NO\n");
    // A copy whose name a link holds becomes a plain file in the link's place.
    for (const int n : {1, 2}) {
        paint(form, n == 1 ? Qt::red : Qt::blue);
        const QString painted = robustness::imageDigest(form.Picture1->Image());
        form.Command4_Click();
        const QString copy = folder.file(QString("dibujos/animales/%1.bmp").arg(n));
        QVERIFY(isPlainFile(copy));
        QCOMPARE(robustness::filePixelsDigest(copy), painted);
    }
    // Pages and logos are read through links.
    showSet(form, "castillo");
    QCOMPARE(form.Picture8->Picture(), platform::loadPage(out("page.gif")));
    paint(form, Qt::green);
    form.Command4_Click();
    QVERIFY(isPlainFile(folder.file("dibujos/castillo/1.bmp")));
    showSet(form, "granja");
    QCOMPARE(form.Command5->face().convertToFormat(QImage::Format_RGB32), platform::loadPicture(out("logo.gif")));
    // The linked set is shown with its own copy, and never written to.
    showSet(form, "zcompartido");
    QCOMPARE(form.Picture8->Picture(), platform::loadPicture(out("shared/1.bmp")));
    paint(form, Qt::yellow);
    form.Command4_Click();
    form.Command3_Click();
    form.Command1_Click();
    robustness::RandomSession session(form, 17);
    session.setWeight(robustness::Action::Print, 0);
    for (int sent = 0; sent < kSessionEvents;)
        sent += session.perform(session.pick());
    form.Command2_Click();
    QCOMPARE(robustness::differences(outside, robustness::folderState(outside_->path())), QStringList());
}

void LinksTest::theImporterNeverWritesThroughALink()
{
    const TestFolder folder(true);
    folder.writeImage("in/a.png", page(2));
    folder.writeImage("in/escudo.png", page(1));
    linkOutside(folder, "dibujos/animales/9.gif", "nopage.gif");
    linkLogosAndASet(folder);
    const robustness::FolderState outside = robustness::folderState(outside_->path());

    // A logo that is a link is replaced by a plain file in its place.
    testsupport::ImportRun run = testsupport::runImporter(folder, {"--set", "granja", "--logo", folder.file("in/escudo.png"), folder.file("in/a.png")});
    QCOMPARE(run.status, 0);
    QVERIFY(isPlainFile(folder.file("logos/granja.gif")));
    // A page number a dangling link holds is never written.
    run = testsupport::runImporter(folder, {"--set", "animales", folder.file("in/a.png")});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("dibujos/animales/9.gif exists already"), qPrintable(run.err));
    // Nor a set folder that is a link.
    run = testsupport::runImporter(folder, {"--set", "zcompartido", folder.file("in/a.png")});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("dibujos/zcompartido is a link"), qPrintable(run.err));
    // Nor a new set's logo whose name a dangling link holds: nothing is added.
    run = testsupport::runImporter(folder, {"--set", "zz", folder.file("in/a.png")});
    QCOMPARE(run.status, 3);
    QVERIFY2(run.err.contains("cannot write " + folder.file("logos/zz.gif")), qPrintable(run.err));
    QVERIFY(!folder.exists("dibujos/zz"));
    QCOMPARE(robustness::differences(outside, robustness::folderState(outside_->path())), QStringList());
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    LinksTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_links.moc"
