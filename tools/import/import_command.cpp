// tintaro-import's steps: read the command line, make every page, then under
// the folder's lock check the set and add pages and logo as one batch.
#include "import_command.h"

#include "page_fit.h"
#include "set_folder.h"
#include "staging.h"

#include "platform/folder_lock.h"
#include "platform/owned_folder.h"
#include "platform/picture_io.h"
#include "resources/gif_writer.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cmath>
#include <optional>
#include <vector>

namespace importer {
namespace {

struct Options {
    QString set;
    QString logo;
    QString folder;
    int gap = kDefaultGap;
    QStringList pictures;
    Photos photos = Photos::Refuse;
};

struct NewPage {
    QString source;
    Page page;
    QByteArray gif;
    int dropped = 0; // references an SVG held to other files, left out
};

// Runs at once wait their turn for this long; each holds the lock only while
// its files move, a fraction of a second.
constexpr int kLockWaitMs = 60000;

QString counted(int n, const char* one, const char* many)
{
    return QString::number(n) + ' ' + QLatin1String(n == 1 ? one : many);
}

void complain(QTextStream& err, const QString& text)
{
    err << "tintaro-import: " << text << "\n";
    err.flush();
}

int fail(QTextStream& err, const QString& text, ExitStatus status)
{
    complain(err, text);
    return status;
}

int usage(QTextStream& err, const QString& text)
{
    complain(err, text);
    err << "Try 'tintaro-import --help'.\n";
    err.flush();
    return kUsage;
}

void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        "Adds pictures (PNG, JPEG, GIF, BMP or SVG line drawings or flat-coloured\n"
        "cartoons, scanned, photographed or downloaded) as the next pages of a drawing\n"
        "set of Tintaro, cleaned into black outlines on white with small gaps closed.\n"
        "A new set gets a logo made from its first page.");
    parser.addHelpOption();
    parser.addOptions({
        {"set", "The set to add the pages to (created when new).", "name"},
        {"logo", "A picture for the set's button (57 x 67 pixels once fitted).", "picture"},
        {"close", QString("Close gaps in the lines up to <n> pixels wide (default %1).").arg(kDefaultGap), "n"},
        {"folder", "The program folder (default: the folder of this tool).", "folder"},
        {"force", "Import pictures that look like photographs or paintings too."},
    });
    parser.addPositionalArgument("pictures", "The pictures to add, in page order.", "picture...");
}

// What is wrong with the options read, or an empty text.
QString optionProblem(const QCommandLineParser& parser, Options& options)
{
    bool number = true;
    if (parser.isSet("close"))
        options.gap = parser.value("close").toInt(&number);
    if (!parser.isSet("set"))
        return "--set is missing: name the set to add the pages to";
    if (const QString why = setNameProblem(options.set); !why.isEmpty())
        return QString("cannot use \"%1\" as a set name: %2").arg(options.set, why);
    if (!number || options.gap < 0 || options.gap > kMaxGap)
        return QString("--close takes a number of pixels from 0 to %1").arg(kMaxGap);
    if (options.pictures.isEmpty())
        return "no pictures given";
    return {};
}

// The options, or the exit status when the command line was wrong or only asked for help.
std::optional<Options> readOptions(const QStringList& arguments, const QString& defaultFolder,
                                   QTextStream& out, QTextStream& err, int& status)
{
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments)) {
        status = usage(err, parser.errorText());
        return std::nullopt;
    }
    if (parser.isSet("help")) {
        out << parser.helpText();
        status = kImported;
        return std::nullopt;
    }
    Options options{parser.value("set"), parser.value("logo"), parser.value("folder"), kDefaultGap,
                    parser.positionalArguments(), parser.isSet("force") ? Photos::Accept : Photos::Refuse};
    if (const QString why = optionProblem(parser, options); !why.isEmpty()) {
        status = usage(err, why);
        return std::nullopt;
    }
    if (options.folder.isEmpty())
        options.folder = defaultFolder;
    return options;
}

bool isProgramFolder(const QString& folder)
{
    return QFileInfo(folder + "/logos").isDir() && QFileInfo(folder + "/dibujos").isDir();
}

// Makes every page in memory; reports each picture that cannot become one.
bool makePages(const Options& options, std::vector<NewPage>& pages, QTextStream& err)
{
    bool allMade = true;
    for (const QString& path : options.pictures) {
        const PictureFile picture = readPictureFile(path);
        NewPage made{path, picture.ok() ? makePage(picture, options.gap, options.photos) : Page{}, {},
                     picture.dropped};
        const QString why = picture.ok() ? made.page.error : picture.error;
        if (why.isEmpty())
            made.gif = resources::encodeGif(made.page.image);
        if (!why.isEmpty() || made.gif.isEmpty()) {
            complain(err, QString("%1: %2").arg(path, why.isEmpty() ? "the page could not be encoded" : why));
            allMade = false;
            continue;
        }
        pages.push_back(std::move(made));
    }
    return allMade;
}

struct Logo {
    QByteArray gif;
    bool replaces = false;
};

// The logo to write, if any: --logo (which may replace the set's GIF logo),
// or for a set without a logo one made from its first page.
std::optional<Logo> logoFile(const Options& options, const SetFolder& set, const std::vector<NewPage>& pages,
                             QString& why)
{
    const QString existing = set.logoFile();
    if (!options.logo.isEmpty()) {
        if (!existing.isEmpty() && existing != set.logoPath()) {
            why = QString("the set's logo is %1; replace it by hand").arg(existing);
            return std::nullopt;
        }
        const PictureFile picture = readPictureFile(options.logo);
        if (!picture.ok()) {
            why = options.logo + ": " + picture.error;
            return std::nullopt;
        }
        return Logo{resources::encodeGif(logoFromPicture(picture)), true};
    }
    if (!existing.isEmpty())
        return std::nullopt;
    const QImage firstPage = set.pageCount() > 0 ? platform::loadPicture(set.absolute(set.pagePath(1))) : QImage();
    if (firstPage.isNull() && pages.empty())
        return std::nullopt;
    return Logo{resources::encodeGif(logoFromPage(firstPage.isNull() ? pages.front().page.image : firstPage)), false};
}

QString dropNote(int dropped)
{
    if (dropped == 0)
        return {};
    return ", " + counted(dropped, "reference", "references") + " to other files left out";
}

void report(const Options& options, const SetFolder& set, int first, const std::vector<NewPage>& pages,
            const std::optional<Logo>& logo, QTextStream& out)
{
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const Page& page = pages[i].page;
        out << set.pagePath(first + int(i)) << " from " << pages[i].source << ": "
            << counted(page.cleaning.areas, "area", "areas") << ", "
            << counted(page.cleaning.gapsClosed, "gap", "gaps") << " closed, "
            << std::lround(page.blackShare * 100) << "% black"
            << (page.edgesClosed ? ", lines drawn along the picture's edges" : "") << dropNote(pages[i].dropped)
            << "\n";
    }
    if (logo)
        out << set.logoPath() << (options.logo.isEmpty() ? ": logo made from page 1" : ": logo from " + options.logo)
            << "\n";
    // A page after a gap in the numbering is reachable once the gap is filled.
    out << "The set " << options.set << " has " << counted(set.pageCount(), "page", "pages") << " now.\n";
}

// Leaves out the pages the set holds already (a run done before, or cut
// short and finished since): cleaning is deterministic, so the same picture
// makes the same file.
std::vector<NewPage> newPagesOnly(const SetFolder& set, std::vector<NewPage> pages, QTextStream& out)
{
    std::vector<NewPage> kept;
    for (NewPage& page : pages) {
        if (const int n = set.pageHolding(page.gif); n > 0)
            out << page.source << ": the set has this page already (" << set.pagePath(n) << "); not added again\n";
        else
            kept.push_back(std::move(page));
    }
    return kept;
}

// Takes the folder's importer lock, then finishes what interrupted runs left.
std::optional<int> lockFolder(platform::FolderLock& lock, const Options& options, QTextStream& out, QTextStream& err)
{
    if (lock.lock(kLockWaitMs) == platform::FolderLock::Result::Busy)
        return fail(err, QString("another tintaro-import is still adding pages to %1 after %2 s of waiting; try "
                                 "again when it has finished. Nothing was added")
                             .arg(options.folder)
                             .arg(kLockWaitMs / 1000),
                    kNotWritten);
    for (const QString& line : finishLeftBatches(platform::OwnedFolder(options.folder)))
        out << line << "\n";
    return std::nullopt;
}

// Under the lock: what the set holds now decides the numbers and the logo.
int addToSet(const Options& options, std::vector<NewPage> made, QTextStream& out, QTextStream& err)
{
    const SetFolder set(options.folder, options.set);
    if (set.isLinked())
        return fail(err, set.folderPath() + " is a link to a folder elsewhere; tintaro-import does not write through "
                                            "links. Nothing was added",
                    kRefused);
    const std::vector<NewPage> pages = newPagesOnly(set, std::move(made), out);
    const int first = set.pageCount() + 1;
    if (const QString taken = set.firstTaken(first, first + int(pages.size()) - 1); !taken.isEmpty())
        return fail(err, QString("%1 exists already, after a gap in the numbering of the set: the new pages would be "
                                 "numbered from %2; move it away first. Nothing was added").arg(taken, QString::number(first)),
                    kRefused);
    QString why;
    const std::optional<Logo> logo = logoFile(options, set, pages, why);
    if (why.isEmpty() && logo && logo->gif.isEmpty())
        why = "the logo could not be made";
    if (!why.isEmpty())
        return fail(err, why + ". Nothing was added", kRefused);
    Batch batch{options.set, first, {}, logo ? logo->gif : QByteArray(), logo && logo->replaces};
    for (const NewPage& page : pages)
        batch.pages.push_back(page.gif);
    if (!batch.pages.empty() || !batch.logo.isEmpty()) {
        if (const QString failure = addBatch(platform::OwnedFolder(options.folder), batch); !failure.isEmpty())
            return fail(err, failure + ". Nothing was added", kNotWritten);
    }
    report(options, set, first, pages, logo, out);
    return kImported;
}

int import(const Options& options, QTextStream& out, QTextStream& err)
{
    if (!isProgramFolder(options.folder))
        return fail(err, options.folder + " is not a Tintaro program folder (no logos and dibujos folders)", kRefused);
    std::vector<NewPage> pages;
    if (!makePages(options, pages, err))
        return fail(err, "nothing was added", kRefused);
    // Pages are made first, outside the lock: other runs wait only while files move.
    platform::FolderLock lock(options.folder, kImportLockName);
    if (const std::optional<int> status = lockFolder(lock, options, out, err))
        return *status;
    return addToSet(options, std::move(pages), out, err);
}

} // namespace

int runImport(const QStringList& arguments, const QString& defaultFolder, QTextStream& out, QTextStream& err)
{
    int status = kImported;
    const std::optional<Options> options = readOptions(arguments, defaultFolder, out, err, status);
    if (!options)
        return status;
    const int result = import(*options, out, err);
    out.flush();
    return result;
}

} // namespace importer
