// The three tool animations: looping GIFs at the sizes of the tool icons.
#pragma once

#include <QImage>

#include <vector>

namespace resources {

inline constexpr int kAnimationFrames = 8;
inline constexpr int kAnimationDelay = 12; // centiseconds a frame

std::vector<QImage> duckFrames();   // 90 x 91: the fill tool, a duck bobbing on water
std::vector<QImage> pencilFrames(); // 74 x 121: a pencil drawing a wavy line
std::vector<QImage> rulerFrames();  // 94 x 81: a straight line drawn along a ruler

} // namespace resources
