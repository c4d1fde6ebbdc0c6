// The reader's messages. A number in a text brings its own leading space.
#include "model/LoadMessages.h"

#include "model/PickText.h"

namespace grizzet {
namespace {

std::string Spaced(int number)
{
    return " " + std::to_string(number);
}

}  // namespace

LoadMessage InvalidFileMessage(std::uint8_t language, const std::string& path)
{
    return {LoadCase::InvalidFile, true, path,
            PickText(language, "This is not a valid PBM- or PPM-file.",
                     "Dit is geen geldig PBM- of PPM-bestand.", "File PBM o PPM non valido.")};
}

LoadMessage TooWideMessage(std::uint8_t language, int width)
{
    const std::string number = Spaced(width);
    return {LoadCase::TooWide, true,
            PickText(language, "Bitmap too wide", "Bitmap te breed", "Bitmap troppo larga"),
            PickText(language,
                     "The bitmap's width cannot be more than 50 pixels. This bitmap's width is"
                         + number + " pixels.",
                     "De bitmap mag niet breder zijn dan 50 pixels. Deze bitmap is" + number
                         + " pixels breed.",
                     "La larghezza della bitmap non può superare I 50 pixel. La larghezza di "
                     "questa bitmap è di"
                         + number + " pixels.")};
}

LoadMessage TooHighMessage(std::uint8_t language, int height)
{
    const std::string number = Spaced(height);
    return {LoadCase::TooHigh, true,
            PickText(language, "Bitmap too high", "Bitmap te hoog", "Bitmap troppo alta"),
            PickText(language,
                     "The bitmap's height cannot be more than 50 pixels. This bitmap's height is"
                         + number + " pixels.",
                     "De bitmap mag niet hoger zijn dan 50 pixels. Deze bitmap is" + number
                         + " pixels hoog.",
                     "L’altezza della bitmap non può superare I 50 pixel. L’altezza di questa "
                     "bitmap è di"
                         + number + " pixels.")};
}

LoadMessage ColoursMessage(std::uint8_t language)
{
    return {LoadCase::Colours, false,
            PickText(language, "Bitmap too many colors", "Bitmap te veel kleuren",
                     "Bitmap con troppi colori"),
            PickText(language,
                     "This bitmap contains more than 8 colors. The colors will be compressed. "
                     "If you save the bitmap, only 8 colors will be saved.",
                     "Deze bitmap bevat meer dan 8 kleuren. De kleuren zullen worden "
                     "gecompresseerd. Als u de bitmap bewaart, zullen slechts 8 kleuren "
                     "worden bewaard.",
                     "Questa bitmap contiene più di 8 colori. I colori saranno compressi. "
                     "Durante il salvataggio della bitmap solo 8 colori saranno salvati.")};
}

LoadMessage OpenErrorMessage(std::uint8_t language, const std::string& path)
{
    return {LoadCase::OpenError, true, path,
            PickText(language, "An error has occured while opening this file.",
                     "Er is een fout opgetreden bij het openen van dit bestand.",
                     "Errore all'apertura del file.")};
}

}  // namespace grizzet
