// A drawing set on disk, as the importer finds it: its name, its pages
// dibujos/<set>/<n>.gif, and its logo logos/<set>.gif.
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
    QString folderPath() const { return "dibujos/" + name_; }
    QString pagePath(int n) const { return QString("dibujos/%1/%2.gif").arg(name_, QString::number(n)); }
    QString logoPath() const { return "logos/" + name_ + ".gif"; }
    QString absolute(const QString& relative) const { return programFolder_ + "/" + relative; }

    // N such that 1.gif .. N.gif all exist (0 when 1.gif is missing).
    int pageCount() const;
    // The file of logos/ that names this set (any extension), empty when none.
    QString logoFile() const;
    // The first of n.gif and n.bmp, for n = first..last, whose name is taken
    // (a page, a stale coloured copy a new page would meet, or a link), or empty.
    QString firstTaken(int first, int last) const;
    // The page of the set whose file holds exactly `gif`, or 0.
    int pageHolding(const QByteArray& gif) const;
    // Whether the set's folder is a link (to a set kept elsewhere).
    bool isLinked() const;
    const QString& name() const { return name_; }

private:
    QString programFolder_;
    QString name_;
};

} // namespace importer
