#include "play/Chooser.h"

#include "board/Rounding.h"
#include "shell/Form1.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>

namespace grizzet {

namespace {

// The side panel measures in twips; its children are placed in pixels.
double TwipsPerPixel() { return 1.0 / PixelsPerUnit(ScaleUnit::Twip); }

QImage ChooserPicture(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile())
        return {};
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    return reader.read();  // null when the file does not decode: treated as absent
}

}  // namespace

void PaintChooser(Form1& form)
{
    Surface& chooser = *form.KiezerL;
    chooser.Cls();
    const QImage picture = ChooserPicture(form.state.AppFolder + "hamworst.dat");
    if (!picture.isNull())
        chooser.DrawPicture(picture);

    const float s = chooser.ScaleWidth();
    for (int k = 1; k <= ColourCount; ++k)
        chooser.FillBox(0, k * s, s, (k + 1) * s, DisplayColour[k - 1]);
}

void Form1::KiezerL_MouseDown(const MouseArgs& args)
{
    if (args.Y < 0 || args.Y >= KiezerL->ScaleHeight())
        return;
    if (args.Button != 1 && args.Button != 2)
        return;
    const bool left = args.Button == 1;
    LineControl& line = left ? *LijnL : *LijnR;
    QLabel& mouse = left ? *MuisL : *MuisR;

    const float s = KiezerL->ScaleWidth();
    const int n = Nearest(args.Y) / Nearest(s);

    const double h = (n + 0.5) * s * TwipsPerPixel() + KiezerL->Top(ScaleUnit::Twip);
    line.SetY1(static_cast<float>(h));
    line.SetY2(line.Y1());

    const double pictureHeight = mouse.height() * TwipsPerPixel();
    mouse.move(mouse.x(), Nearest((h - pictureHeight / 2) * PixelsPerUnit(ScaleUnit::Twip)));

    state.ButtonColour[args.Button - 1] = static_cast<std::uint8_t>(n);
}

void Form1::KiezerL_MouseMove(const MouseArgs& args) { KiezerL_MouseDown(args); }

void Form1::KiezerSet()
{
    const float s = KiezerL->ScaleWidth();
    KiezerL_MouseDown({1, 0, 0, 1.5f * s});
    KiezerL_MouseDown({2, 0, 0, 2.5f * s});
}

}  // namespace grizzet
