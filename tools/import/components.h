// Connected parts of a line picture: runs of equal pixels joined row to row.
#pragma once

#include <QImage>
#include <algorithm>
#include <numeric>
#include <vector>

namespace importer {

enum class Connectivity { Four, Eight };

// Sets of the numbers 0..n-1, joined by union-find with path halving. The
// smaller root wins, so each set's root is its smallest member.
class DisjointSets {
public:
    explicit DisjointSets(std::size_t n) : parent_(n) { std::iota(parent_.begin(), parent_.end(), 0); }
    int find(int i)
    {
        while (parent_[std::size_t(i)] != i) {
            int& p = parent_[std::size_t(i)];
            p = parent_[std::size_t(p)];
            i = p;
        }
        return i;
    }
    void join(int a, int b)
    {
        a = find(a);
        b = find(b);
        if (a != b)
            parent_[std::size_t(std::max(a, b))] = std::min(a, b);
    }

private:
    std::vector<int> parent_;
};

// Labels of the pixels of one value in a Format_Grayscale8 picture.
struct Components {
    int width = 0;
    std::vector<int> labels; // one a pixel, row by row; -1 for pixels of other values
    std::vector<int> sizes;  // pixel count of each label

    int count() const { return static_cast<int>(sizes.size()); }
    int at(int x, int y) const { return labels[static_cast<std::size_t>(y) * width + x]; }
};

// Labels the parts of `picture` (Format_Grayscale8) made of pixels equal to
// `value`, joined through edges (Four) or edges and corners (Eight). Labels
// run 0..count-1 in the order of each part's first pixel, row by row.
Components labelComponents(const QImage& picture, uchar value, Connectivity connectivity);

// Sets every pixel of the parts whose `chosen` entry is true to `value`.
void paintParts(QImage& picture, const Components& parts, const std::vector<char>& chosen, uchar value);

// How many entries of `chosen` are true.
int countChosen(const std::vector<char>& chosen);

} // namespace importer
