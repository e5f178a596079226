// Synthetic colouring pages for the benchmarks: open pages, pages of many areas, mazes.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

namespace bench {

enum class SceneKind {
    Big,     // nearly the whole page is one area
    Largest, // the largest area of a page of about 200 areas
    Medium,  // an area of about 2 % of that page
    Maze,    // the corridors of a maze of one-pixel corridors and walls
};

struct Scene {
    QImage page;  // black outlines on white, Format_RGB32
    QPoint seed;  // a white pixel of the area to fill
    int area = 0; // pixels in that area
    int areas = 0; // white areas on the page
};

QString sceneName(SceneKind kind);

// Built on first use and kept; the same kind and size always give the same page.
const Scene& scene(SceneKind kind, QSize size);

} // namespace bench
