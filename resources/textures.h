// The texture pictures: 97 x 73 tiles that repeat seamlessly with that period.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace resources {

// The texture box is 1455 x 1095 twips outside, and the texture fill repeats
// what it shows with that period.
inline constexpr int kTextureWidth = 97;
inline constexpr int kTextureHeight = 73;

struct Texture {
    QString fileName; // the file in "texturas"; their order is the chooser's order
    QImage image;
};

std::vector<Texture> textures();

} // namespace resources
