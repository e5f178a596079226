// Helpers for the catalogue tests: sets of flat-coloured pages, painting the
// canvas as the tools do, and reading what the canvas and the folders hold.
#pragma once

#include "tests/support/test_folder.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

class Form1;

namespace booktest {

// A page of one flat colour: the colour tells which page the canvas shows.
QImage flatPage(QColor colour, QSize size = {120, 90});

// A set: logo "logos/<logoName>" in `logoColour` and pages 1.gif.. in the
// given colours, in the folder named by the logo less its last 4 characters.
void addSet(const testsupport::TestFolder& folder, const QString& logoName, QColor logoColour,
            const QList<QColor>& pages);

// Keeps the coloured copies from one run to the next (borra.txt NO).
void keepCopies(const testsupport::TestFolder& folder);

// Paints a block of `colour` onto the canvas the way a tool does: a snapshot
// first, then the change, and the page marked modified.
void paint(Form1& form, QColor colour);

// The colour at the centre of the canvas's persistent image.
QRgb canvasCentre(const Form1& form);

// A coloured copy read back from disk (a null image when absent).
QImage readCopy(const testsupport::TestFolder& folder, const QString& relative);

} // namespace booktest
