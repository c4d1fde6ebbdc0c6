// Give Solution: size the solution window to the field and show it, modeless.
#include "model/PickText.h"
#include "shell/Form1.h"
#include "solution/Form2.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <cmath>

namespace grizzet {

namespace {

// The window is placed in twips; its controls sit on whole pixels.
double Twips(int pixels) { return pixels / PixelsPerUnit(ScaleUnit::Twip); }
int Pixels(double twips) { return static_cast<int>(std::nearbyint(twips * PixelsPerUnit(ScaleUnit::Twip))); }

}  // namespace

void Form1::cmdOplossing_Click()
{
    if (!form2)
        form2 = new Form2(*this, state);
    form2->Open();
}

void Form2::Open()
{
    // The title is picked anew each time, so a language switch shows here.
    setWindowTitle(QFile::decodeName(QByteArray::fromStdString(state_.PuzzleName)) + QStringLiteral(" - ") +
                   QString::fromStdString(PickText(state_.Language, "the solution", "de oplossing", "la soluzione")));

    const Surface& field = *owner_.HetVeld;
    Picture1->Resize(field.Width(ScaleUnit::Point) + 2, field.Height(ScaleUnit::Point) + 2, ScaleUnit::Point);

    // Below the picture the same margin as above it, then the two legend rows.
    const double pictureLeft = Picture1->Left(ScaleUnit::Twip);
    const double pictureTop = Picture1->Top(ScaleUnit::Twip);
    const double pictureWidth = Picture1->Width(ScaleUnit::Twip);
    const double pictureHeight = Picture1->Height(ScaleUnit::Twip);
    const double image1Top = 2 * pictureTop + pictureHeight;
    const double image2Top = image1Top + Twips(Image1->height()) + pictureTop;
    Image1->move(Image1->x(), Pixels(image1Top));
    Image2->move(Image2->x(), Pixels(image2Top));
    chkFouten->move(chkFouten->x(), Pixels(image1Top));
    chkOntbreken->move(chkOntbreken->x(), Pixels(image2Top));
    FitCheckBoxes();
    // Flush with the picture's right edge; a narrow picture lets it overlap the boxes.
    cmdOK->move(Pixels(pictureLeft + pictureWidth - Twips(cmdOK->width())), Pixels(image1Top));

    // Sized by its inner area: the frame and the title bar are the system's.
    setFixedSize(Pixels(2 * pictureLeft + pictureWidth),
                 Pixels(image2Top + Twips(Image2->height()) + pictureTop));
    if (!placed_) {
        // Centred once; later showings keep wherever the player put it.
        QRect frame = frameGeometry();
        frame.moveCenter(owner_.screen()->availableGeometry().center());
        move(frame.topLeft());
        placed_ = true;
    }

    TekenOplossingHokjes();

    show();
    raise();
    activateWindow();
}

}  // namespace grizzet
