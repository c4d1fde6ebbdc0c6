#include "model/Fitting.h"

#include "model/Rounding.h"

namespace grizzet {

int ClueFontSize(const std::function<float(int points)>& widthOfTen, int across, int down, float maxWidth,
                 float maxHeight)
{
    int size = SmallestClueFont;
    for (int s = SmallestClueFont + 1; s <= LargestClueFont; ++s) {
        // Single precision, strict, as the board has always been measured.
        const float w = widthOfTen(s);
        const bool fits = static_cast<float>(across) * w < maxWidth && static_cast<float>(down) * w + 3.0f < maxHeight;
        if (!fits)
            break;
        size = s;
    }
    return size;
}

int CellSizeFor(float widthOfTen, int across, int down, float maxWidth, float maxHeight)
{
    int c = Nearest(widthOfTen);
    while (c > SmallestCellSize) {
        if (static_cast<float>(across * c) <= maxWidth && static_cast<float>(down * c) <= maxHeight)
            break;
        --c;
    }
    return c;
}

}  // namespace grizzet
