// Program folders broken the ways a half-copied or damaged installation is:
// a resource missing, emptied, cut short, replaced by another kind of file,
// by a picture of 1 x 1 or 20000 x 20000 pixels, or by a folder.
#pragma once

#include "tests/support/test_folder.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace robustness {

enum class Fault { Missing, Empty, Truncated, OtherFormat, Tiny, Huge, Folder };

QString faultName(Fault fault);

// The faults that make sense for a resource: folders can only be missing or
// be a file; only pictures can be 1 x 1 or 20000 x 20000.
QList<Fault> faultsFor(const QString& resource);

// Every resource of the program folder that a fault is tried on, relative to it.
QStringList resources();

// Breaks `resource` of `folder` with `fault`.
void breakResource(const testsupport::TestFolder& folder, const QString& resource, Fault fault);

// A 20000 x 20000 picture (a JPEG of a few hundred bytes), made once.
const QByteArray& hugePicture();

// Shrinks every page of the book in `folder` to half its size, two colours
// kept. These tests change pages thousands of times, and the pages' size is
// not what they test.
void halvePages(const testsupport::TestFolder& folder);

} // namespace robustness
