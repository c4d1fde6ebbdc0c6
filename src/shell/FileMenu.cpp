// The File menu: Open, the five recent items with "recent.ini", and the main
// window's part in loading a picture.
#include "shell/Form1.h"

#include "model/FileSource.h"
#include "model/LoadPuzzle.h"
#include "model/PickText.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "play/Painting.h"
#include "solution/Form2.h"

#include <QAction>
#include <QFile>
#include <QPushButton>

#include <optional>

namespace grizzet {

// What a load does to the main window around the model's reading.
class Form1::LoadSteps final : public FileLoadSteps {
public:
    explicit LoadSteps(Form1& form) : form_(form) {}

    // Never waits on a FIFO put in the file's place after the lookup.
    std::unique_ptr<ByteSource> OpenFile(const std::string& path) override { return OpenForReading(path); }

    void BeginLoad() override
    {
        ShowBusyPointer();
        form_.Picture1->hide();
        form_.cmdClear->setEnabled(false);
        form_.cmdOplossing->setEnabled(false);
        if (form_.form2 != nullptr)
            form_.form2->hide();
    }

    void ShowMessage(const LoadMessage& message) override
    {
        MsgBox(&form_, message.critical ? MsgIcon::Critical : MsgIcon::Information,
               QString::fromStdString(message.title), QString::fromStdString(message.text));
    }

    void SetChooserSwatches(int swatches) override
    {
        form_.KiezerL->resize(form_.KiezerL->width(), swatches * form_.KiezerL->width());
    }

    void SetCaption(const std::string& caption) override
    {
        form_.setWindowTitle(TitleAsWritten(QFile::decodeName(QByteArray::fromStdString(caption))));
    }

    void AddRecent(const std::string& path) override { form_.AddRecent(path); }
    void LayoutBoard() override { form_.LayoutBoard(); }

    void EndLoad() override
    {
        ShowNormalPointer();
        form_.KiezerSet();
    }

private:
    Form1& form_;
};

namespace {

// Files are found by the bytes of their paths; letter case is Qt's.
const PathLookup SystemPaths{IsOrdinaryFile, [](char32_t c) { return QChar::toUpper(c); }};

std::string RecentIni(const std::string& appFolder) { return appFolder + "recent.ini"; }

constexpr const char* EnglishFilter =
    "All Known Bitmaps (*.pbm;*.ppm)|*.pbm;*.ppm|Black And White Bitmaps (*.pbm)|*.pbm|"
    "Color Bitmaps (*.ppm)|*.ppm|All Files (*.*)|*.*";
constexpr const char* DutchFilter =
    "Alle Bekende Bitmaps (*.pbm;*.ppm)|*.pbm;*.ppm|Zwartwitte Bitmaps (*.pbm)|*.pbm|"
    "Gekleurde Bitmaps (*.ppm)|*.ppm|Alle Bestanden (*.*)|*.*";
constexpr const char* ItalianFilter =
    "Tutti i files bitmaps riconosciuti (*.pbm;*.ppm)|*.pbm;*.ppm|Bitmaps in bianco e nero (*.pbm)|*.pbm|"
    "Bitmaps a colori (*.ppm)|*.ppm|Tutti i files (*.*)|*.*";

}  // namespace

void Form1::LayoutBoard()
{
    grizzet::LayoutBoard(state, Board(), FreeWidth(), FreeHeight());
    ResetField(state, Board(), Chooser());
    Picture1->show();
    cmdClear->setEnabled(true);
    cmdOplossing->setEnabled(true);
}

void Form1::LoadPuzzle(const std::string& path)
{
    LoadSteps steps(*this);
    grizzet::LoadPuzzle(state, path, steps);
}

void Form1::ReadRecent()
{
    if (const std::optional<std::string> bytes = ReadSmallFile(RecentIni(state.AppFolder), RecentFileMax))
        state.RecentFiles = RecentList::Read(*bytes);
}

void Form1::RefreshRecent()
{
    state.RecentFiles.Clean(SystemPaths);
    ShowRecent();
}

void Form1::AddRecent(const std::string& path)
{
    state.RecentFiles.Add(path, SystemPaths);
    ShowRecent();
}

void Form1::ShowRecent()
{
    for (int i = 0; i < RecentCount; ++i) {
        const std::string& entry = state.RecentFiles[i];
        // The file's name without its folder, cut before its last dot.
        const QString name = QFile::decodeName(QByteArray::fromStdString(PuzzleNameOf(entry)));
        MMrecent[i]->setText(QStringLiteral("&%1 %2").arg(QString::number(i + 1), name));
        MMrecent[i]->setVisible(!entry.empty());
    }
    MMlijn2->setVisible(MMrecent[0]->isVisible());
    // Where the folder cannot be written the list lives on in memory for
    // this run; a file that already holds the list is left as it is.
    UpdateFile(RecentIni(state.AppFolder), state.RecentFiles.Ini());
}

void Form1::MMrecent_Click(int index)
{
    LoadPuzzle(state.RecentFiles[index]);
}

void Form1::MMopen_Click()
{
    const QString filter =
        QtFilterOf(QString::fromStdString(PickText(state.Language, EnglishFilter, DutchFilter, ItalianFilter)));
    const QString initialFolder = QFile::decodeName(QByteArray::fromStdString(state.AppFolder + "Puzzles"));
    const QString chosen = ShowOpen(this, initialFolder, filter);
    // A cancel hands on an empty path, which only takes the load's closing steps.
    LoadPuzzle(QFile::encodeName(chosen).toStdString());
}

}  // namespace grizzet
