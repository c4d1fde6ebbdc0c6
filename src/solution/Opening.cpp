// Give Solution: size the solution window to the field and show it, modeless.
#include "model/PickText.h"
#include "platform/Artwork.h"
#include "platform/Dialogs.h"
#include "solution/Form2.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace grizzet {

void Form2::Open()
{
    // The title is picked anew each time, so a language switch shows here.
    setWindowTitle(TitleAsWritten(
        QFile::decodeName(QByteArray::fromStdString(state_.PuzzleName)) + QStringLiteral(" - ") +
        QString::fromStdString(PickText(state_.Language, "the solution", "de oplossing", "la soluzione"))));

    const Surface& field = field_;
    Picture1->Resize(field.Width(ScaleUnit::Point) + 2, field.Height(ScaleUnit::Point) + 2, ScaleUnit::Point);

    // Below the picture the same margin as above it, then the two legend rows.
    const double pictureLeft = Picture1->Left(ScaleUnit::Twip);
    const double pictureTop = Picture1->Top(ScaleUnit::Twip);
    const double pictureWidth = Picture1->Width(ScaleUnit::Twip);
    const double pictureHeight = Picture1->Height(ScaleUnit::Twip);
    const double image1Top = 2 * pictureTop + pictureHeight;
    const double image2Top = image1Top + PixelsToTwips(Image1->height()) + pictureTop;
    Image1->move(Image1->x(), TwipsToPixels(image1Top));
    Image2->move(Image2->x(), TwipsToPixels(image2Top));
    chkFouten->move(chkFouten->x(), TwipsToPixels(image1Top));
    chkOntbreken->move(chkOntbreken->x(), TwipsToPixels(image2Top));
    FitCheckBoxes();
    // Flush with the picture's right edge; a narrow picture lets it overlap the boxes.
    cmdOK->move(TwipsToPixels(pictureLeft + pictureWidth - PixelsToTwips(cmdOK->width())), TwipsToPixels(image1Top));

    // Sized by its inner area: the frame and the title bar are the system's.
    setFixedSize(TwipsToPixels(2 * pictureLeft + pictureWidth),
                 TwipsToPixels(image2Top + PixelsToTwips(Image2->height()) + pictureTop));
    if (!placed_) {
        // Centred once; later showings keep wherever the player put it.
        QRect frame = frameGeometry();
        frame.moveCenter(parentWidget()->screen()->availableGeometry().center());
        move(frame.topLeft());
        placed_ = true;
    }

    // The legends, like the picture, at the pixels of the screen it opens on.
    Image1->setPixmap(ArtworkAt(QStringLiteral(":/legend_error.png"), devicePixelRatioF()));
    Image2->setPixmap(ArtworkAt(QStringLiteral(":/legend_missing.png"), devicePixelRatioF()));
    TekenOplossingHokjes();

    show();
    raise();
    activateWindow();
}

}  // namespace grizzet
