// The rules of the colouring book on disk, shared by the program, the
// generator that writes the book and the page importer: where a set's pages,
// coloured copies and logo live, how pages are counted, which names a set may
// have, the sizes of pages and logos, and which sets are for the youngest.
// Pure functions of names: nothing here touches the disk.
#pragma once

#include <QSize>
#include <QString>

#include <functional>

namespace book {

// Pages are drawn in a space of this many units. Those proportions waste the
// least canvas on the worst of 4:3, 16:10 and 16:9 screens (bench/page_survey
// prints the figures).
inline constexpr QSize kPageUnits{1200, 830};
// Every page the book ships has this size in pixels, the same proportions: no
// canvas of a screen up to 1920 x 1080 at twice the usual density, nor of a
// 3840 x 2160 screen, has to enlarge a page, which would make its lines uneven.
inline constexpr QSize kPageSize{3004, 2078};
// Every logo (the button that changes set) has this size.
inline constexpr QSize kLogoSize{57, 67};

// Page n of a set is "<n>.gif" in "dibujos/<set>"; the child's coloured copy
// of it is "<n>.bmp" beside it.
QString pageFileName(int n);
QString copyFileName(int n);
// The same below the book's folder: "dibujos/<set>/<n>.gif" and ".bmp".
QString pagePath(const QString& set, int n);
QString copyPath(const QString& set, int n);
QString setFolderPath(const QString& set);
// A set's logo as the book ships it: "logos/<set>.gif".
QString logoPath(const QString& set);
// A file of the logos folder by its name, "logos/<file>": a logo found there
// may be of another picture type than the book ships.
QString logoFilePath(const QString& logoFileName);

// The most pages a set can have (the page number is a 16-bit count).
inline constexpr int kMaxPages = 32766;
// N such that the pages 1 .. N all exist (`hasFile` is given their file
// names), 0 when page 1 is missing; at most kMaxPages.
int countPages(const std::function<bool(const QString&)>& hasFile);

// Why `name` cannot name a set, or an empty text when it can. A set's name
// becomes a folder under "dibujos", so it may not be empty, hold "/" or "\",
// begin with a dot (".", "..", hidden files) or hold a control character
// (NUL included).
QString setNameProblem(const QString& name);
// The set name a logo file stands for: the file name less its four-character
// extension; empty when that is no allowed set name.
QString setNameOfLogo(const QString& logoFileName);

// Sets for the youngest children carry "peque" in their name: they get the
// small palette and fills that stop at the outline.
bool isForYoungest(const QString& setName);

} // namespace book
