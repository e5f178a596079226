// A drawing set on disk, as the importer adds pages to it: its name, its
// pages dibujos/<set>/<n>.gif, and its logo logos/<set>.gif.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace importer {

// Why `name` cannot name a set (empty, "/" or "\", a leading ".", a control
// character); an empty text when it can.
QString setNameProblem(const QString& name);

class SetFolder {
public:
    SetFolder(const QString& programFolder, const QString& name);

    // Relative to the program folder, as messages show them.
    QString pagePath(int n) const { return QString("dibujos/%1/%2.gif").arg(name_, QString::number(n)); }
    QString logoPath() const { return "logos/" + name_ + ".gif"; }
    QString absolute(const QString& relative) const { return programFolder_ + "/" + relative; }

    // N such that 1.gif .. N.gif all exist (0 when 1.gif is missing).
    int pageCount() const;
    // The file of logos/ that names this set (any extension), empty when none.
    QString logoFile() const;
    // The first of n.gif and n.bmp, for n = first..last, that already exists
    // (a page or a stale coloured copy a new page would meet), or empty.
    QString firstTaken(int first, int last) const;

private:
    QString programFolder_;
    QString name_;
};

struct NewFile {
    QString path;       // absolute
    QByteArray bytes;
    bool mayReplace;    // false: the file must not exist yet
};

// Writes the files in order, each atomically (complete or not at all). A file
// that may not replace another never does, even one that appears meanwhile.
// On a failure removes the files this call created (and the folders it made,
// when empty again) and returns why; returns an empty text on success.
QString writeAll(const std::vector<NewFile>& files);

} // namespace importer
