// tintaro-import's steps: read the command line, make every page, check the
// set, then write pages and logo all together.
#include "import_command.h"

#include "page_fit.h"
#include "set_folder.h"

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
};

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
        NewPage made{path, picture.ok() ? makePage(picture, options.gap, options.photos) : Page{}, {}};
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

// The logo to write, if any: --logo (which may replace the set's GIF logo),
// or for a set without a logo one made from its first page.
std::optional<NewFile> logoFile(const Options& options, const SetFolder& set,
                                const std::vector<NewPage>& pages, QString& why)
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
        return NewFile{set.absolute(set.logoPath()), resources::encodeGif(logoFromPicture(picture)), true};
    }
    if (!existing.isEmpty())
        return std::nullopt;
    const QImage firstPage =
        set.pageCount() > 0 ? platform::loadPicture(set.absolute(set.pagePath(1))) : QImage();
    const QImage logo = logoFromPage(firstPage.isNull() ? pages.front().page.image : firstPage);
    return NewFile{set.absolute(set.logoPath()), resources::encodeGif(logo), false};
}

void report(const Options& options, const SetFolder& set, int first, const std::vector<NewPage>& pages,
            const std::optional<NewFile>& logo, QTextStream& out)
{
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const Page& page = pages[i].page;
        out << set.pagePath(first + int(i)) << " from " << pages[i].source << ": "
            << counted(page.cleaning.areas, "area", "areas") << ", "
            << counted(page.cleaning.gapsClosed, "gap", "gaps") << " closed, "
            << std::lround(page.blackShare * 100) << "% black"
            << (page.edgesClosed ? ", lines drawn along the picture's edges" : "") << "\n";
    }
    if (logo)
        out << set.logoPath() << (options.logo.isEmpty() ? ": logo made from page 1" : ": logo from " + options.logo)
            << "\n";
    // A page after a gap in the numbering is reachable once the gap is filled.
    out << "The set " << options.set << " has " << counted(set.pageCount(), "page", "pages") << " now.\n";
}

// Pages after the set's last page, then the logo when there is one to write.
std::vector<NewFile> filesToWrite(const SetFolder& set, int first, const std::vector<NewPage>& pages,
                                  const std::optional<NewFile>& logo)
{
    std::vector<NewFile> files;
    for (std::size_t i = 0; i < pages.size(); ++i)
        files.push_back({set.absolute(set.pagePath(first + int(i))), pages[i].gif, false});
    if (logo)
        files.push_back(*logo);
    return files;
}

int import(const Options& options, QTextStream& out, QTextStream& err)
{
    if (!isProgramFolder(options.folder))
        return fail(err, options.folder + " is not a Tintaro program folder (no logos and dibujos folders)", kRefused);
    std::vector<NewPage> pages;
    if (!makePages(options, pages, err))
        return fail(err, "nothing was added", kRefused);
    const SetFolder set(options.folder, options.set);
    const int first = set.pageCount() + 1;
    if (const QString taken = set.firstTaken(first, first + int(pages.size()) - 1); !taken.isEmpty())
        return fail(err, QString("%1 exists already, after a gap in the numbering of the set: the new pages would be "
                                 "numbered from %2; move it away first. Nothing was added").arg(taken, QString::number(first)),
                    kRefused);
    QString why;
    const std::optional<NewFile> logo = logoFile(options, set, pages, why);
    if (why.isEmpty() && logo && logo->bytes.isEmpty())
        why = "the logo could not be made";
    if (!why.isEmpty())
        return fail(err, why + ". Nothing was added", kRefused);
    if (const QString failure = writeAll(filesToWrite(set, first, pages, logo)); !failure.isEmpty())
        return fail(err, failure + ". Nothing was added", kNotWritten);
    report(options, set, first, pages, logo, out);
    return kImported;
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
