// Adding a batch of pages (and a logo) to a set as one step, even when the
// importer is killed half-way: the files are first written into a hidden
// staging folder in the writable folder, then renamed into place.
//
// A new set's pages are renamed into "dibujos" as one folder, then its logo
// into "logos": the logo makes the set visible, so it comes last. An existing
// set's pages are renamed in from the last to the first: the program stops
// counting pages at the first missing number, so none shows until the first
// new page lands, and then all do. A logo that replaces the set's comes last.
//
// The staging folder's plan is written once every file is staged. A run that
// finds a staging folder left by a killed run finishes it when it has its
// plan (each of its renames is whole, and none can have been undone) and
// removes it otherwise (nothing of it was visible yet).
#pragma once

#include "platform/owned_folder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace importer {

struct Batch {
    QString set;
    int first = 1;                 // the number of the first new page
    std::vector<QByteArray> pages; // GIF files, numbered from `first`
    QByteArray logo;               // logos/<set>.gif; empty: no logo is written
    bool logoReplaces = false;     // the logo replaces the set's own GIF logo
};

// Adds `batch` below `folder` (the writable folder). Pages never replace
// anything, nor does a logo unless `logoReplaces`. On a failure everything
// already moved is moved back and the staging folder removed. Returns an
// empty text on success, else why it failed (naming the file).
QString addBatch(const platform::OwnedFolder& folder, const Batch& batch);

// Finishes or removes the staging folders killed runs left in `folder`, as
// described above. Returns one line for each batch finished or given up.
QStringList finishLeftBatches(const platform::OwnedFolder& folder);

// The hidden names the importer uses in the writable folder.
inline constexpr const char* kStagingPrefix = ".tintaro-import-";
inline constexpr const char* kImportLockName = ".tintaro-import.lock";

} // namespace importer
