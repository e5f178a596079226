// Where the book is read from and where the program and the page importer
// write, in the two layouts Tintaro runs in.
//
// Portable: the executable's folder holds "logos". That folder is the book,
// the settings and the writable folder at once, and every path is that
// folder followed by the relative path ("/sonidos/sonido1.wav"), as always.
//
// Installed: the shipped book is read-only in <executable's folder>/
// ../share/tintaro. Everything written goes to the user's folder
// ($XDG_DATA_HOME/tintaro, or ~/.local/share/tintaro), which has the same
// layout and is read first: a parent's own sets and pages live there, beside
// the children's coloured copies. Settings come from the user's
// "configuracion" folder, else from the system's (/etc/tintaro).
//
// Relative paths begin with "/" and use "/" between folders. A relative path
// or a set name that could lead out of the folders gets an empty answer.
#pragma once

#include <QString>
#include <QStringList>

namespace catalogue {

// The set name of a logo file name: the name less its last four characters,
// or an empty text when no safe name can be formed (too short, or a name
// that would leave "dibujos": ".", "..", a "/" or a NUL character).
QString setNameOf(const QString& logoEntry);

class BookFolders {
public:
    // The layout seen from the executable's folder; in the installed layout
    // the user's folder follows the environment and the system settings the
    // install prefix.
    explicit BookFolders(const QString& executableFolder);
    // The same with the data home (the user's folder is dataHome +
    // "/tintaro"; an empty data home means there is no writable folder) and
    // the system settings folder given.
    BookFolders(const QString& executableFolder, const QString& dataHome, const QString& settingsFolder);

    bool isPortable() const { return portable_; }
    // The book as shipped (the program folder when portable).
    QString shippedFolder() const { return shipped_; }
    // The folder every write goes to (the program folder when portable).
    // It may not exist yet; empty when there is none (no home folder).
    QString writableFolder() const { return user_; }
    // The system settings folder of the installed layout.
    QString settingsFolder() const { return settings_; }

    // Where to read the resource `relative`: the user's file when the user's
    // folder holds a plain file of exactly that name, else the shipped one.
    QString readPath(const QString& relative) const;
    // Where to write `relative`: below the writable folder.
    QString writePath(const QString& relative) const;
    // The configuration file `name` ("borra.txt") that counts: the user's
    // "configuracion/<name>" when present, else the system's. The file
    // returned may be absent, which the caller reads as an absent setting.
    QString settingPath(const QString& name) const;

    // The plain files of a resource folder ("/logos", "/texturas") in both
    // folders, each name once, in the order a single folder lists them.
    QStringList listing(const QString& folder) const;
    // The set list: the logo files of both folders (listing("/logos")).
    QStringList setEntries() const { return listing(QStringLiteral("/logos")); }

    // Page n of `set` as drawn (n.gif), from the user's folder first.
    QString pagePath(const QString& set, int pageNumber) const;
    // The coloured copy of page n (n.bmp), read and written in the writable
    // folder only: the eraser must be able to remove every copy shown.
    QString copyPath(const QString& set, int pageNumber) const;
    // The largest N such that pages 1..N all exist, counted across both
    // folders (shipped 1..8, then a parent's 9, 10, ...); at most 32766.
    int pageCount(const QString& set) const;
    // The coloured copies the start-up clean-up deletes: for every set, the
    // copies in the writable folder of the pages up to the first missing
    // page. Nothing in the shipped folder is ever listed.
    QStringList copiesToClear() const;

private:
    QString shippedFile(const QString& relative) const;
    QString userFile(const QString& relative) const;

    bool portable_ = false;
    QString shipped_;
    QString user_;
    QString settings_;
};

} // namespace catalogue
