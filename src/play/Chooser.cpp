#include "play/Chooser.h"

#include "model/Rounding.h"
#include "platform/Files.h"
#include "platform/LineControl.h"

namespace grizzet {

void PaintChooser(Surface& chooser, const std::string& appFolder)
{
    chooser.Cls();
    const QImage picture = ReadPicture(appFolder + "hamworst.dat");
    if (!picture.isNull())
        chooser.DrawPicture(picture);

    const float s = chooser.ScaleWidth();
    for (int k = 1; k <= ColourCount; ++k)
        chooser.FillBox(0, k * s, s, (k + 1) * s, DisplayColour[k - 1]);
}

void ChooseSwatch(PuzzleState& state, const ChooserParts& parts, const MouseArgs& args)
{
    const Surface& chooser = parts.chooser;
    if (args.Y < 0 || args.Y >= chooser.ScaleHeight())
        return;
    if (args.Button != 1 && args.Button != 2)
        return;
    const bool left = args.Button == 1;
    LineControl& line = left ? parts.leftLine : parts.rightLine;
    QWidget& mouse = left ? parts.leftMouse : parts.rightMouse;

    const float s = chooser.ScaleWidth();
    const int n = Nearest(args.Y) / Nearest(s);

    // The side panel measures in twips; its children are placed in pixels.
    const double h = (n + 0.5) * s / chooser.PixelsPer(ScaleUnit::Twip) + chooser.Top(ScaleUnit::Twip);
    line.SetY1(static_cast<float>(h));
    line.SetY2(line.Y1());
    mouse.move(mouse.x(), TwipsToPixels(h - PixelsToTwips(mouse.height()) / 2));

    state.ButtonColour[args.Button - 1] = static_cast<std::uint8_t>(n);
}

void KiezerSet(PuzzleState& state, const ChooserParts& parts)
{
    const float s = parts.chooser.ScaleWidth();
    ChooseSwatch(state, parts, {1, 0, 1.5f * s});
    ChooseSwatch(state, parts, {2, 0, 2.5f * s});
}

}  // namespace grizzet
