// A drawing set on disk, as the importer finds it: its name, its pages
// dibujos/<set>/<n>.gif, and its logo logos/<set>.gif. In the installed
// layout a set is read from the shipped book and the user's folder together
// (the user's pages numbered after the shipped ones); it is written in the
// user's folder only.
#pragma once

#include "book/book_rules.h"
#include "platform/book_folders.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace importer {

class SetFolder {
public:
    SetFolder(const platform::BookFolders& book, const QString& name);

    // Relative to the book's folders, as messages show them.
    QString folderPath() const { return book::setFolderPath(name_); }
    QString pagePath(int n) const { return book::pagePath(name_, n); }
    QString logoPath() const { return book::logoPath(name_); }
    // Where the file `relative` is read (the user's folder first).
    QString readPath(const QString& relative) const { return book_.readPath("/" + relative); }

    // N such that 1.gif .. N.gif all exist (0 when 1.gif is missing).
    int pageCount() const;
    // The file of logos/ that names this set (any extension), empty when none.
    QString logoFile() const;
    // The first of n.gif and n.bmp, for n = first..last, whose name is taken
    // in either folder (a page, a stale coloured copy a new page would meet,
    // or a link), or empty.
    QString firstTaken(int first, int last) const;
    // The page of the set whose file holds exactly `gif`, or 0.
    int pageHolding(const QByteArray& gif) const;
    // Whether the set's folder in the writable folder is a link (to a set kept elsewhere).
    bool isLinked() const;
    const QString& name() const { return name_; }

private:
    platform::BookFolders book_;
    QString name_;
};

} // namespace importer
