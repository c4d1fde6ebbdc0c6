// The main window: side panel with the chooser and the commands, the board
// with the field, the File and Language menus. Each event handler hands its
// event to the subsystem it belongs to (board/, play/, solution/, shell/).
#pragma once

#include "board/Board.h"
#include "model/PuzzleState.h"
#include "platform/LineControl.h"
#include "platform/Surface.h"
#include "play/Chooser.h"

#include <QMainWindow>

#include <array>
#include <string>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace grizzet {

class Form2;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window as designed, then runs Form_Load. The program folder
    // is the executable's own unless a test names another.
    explicit Form1(PuzzleState& state, const std::string& programFolder = {});
    ~Form1() override;

    // Whether the window is unloading: the solution window then really closes.
    bool Closing() const { return Tag == FormTag::Closing; }

    // Start-up and shutdown (shell/).
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void Form_Resize();

    // File menu and languages (shell/).
    void MMopen_Click();
    void MMrecent_Click(int index);
    void MMenglish_Click();
    void MMnederlands_Click();
    void MMitaliano_Click();
    void LoadPuzzle(const std::string& path);
    // Cleans the recent list, shows it in the File menu and saves it.
    void RefreshRecent();
    // Puts the path on top of the recent list.
    void AddRecent(const std::string& path);
    // Fits the board to the free area, empties the field, then shows the
    // board and enables Reset and Solution.
    void LayoutBoard();

    // The colour chooser (play/).
    void KiezerL_MouseDown(const MouseArgs& args);
    void KiezerL_MouseMove(const MouseArgs& args);
    void KiezerSet();

    // The field and the board (play/, board/).
    void HetVeld_MouseDown(const MouseArgs& args);
    void HetVeld_MouseMove(const MouseArgs& args);
    void Picture1_MouseDown(const MouseArgs& args);
    void Picture1_MouseMove(const MouseArgs& args);

    // The side panel's commands (board/, solution/).
    void cmdClear_Click();
    void cmdErrors_Click();
    void cmdOplossing_Click();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The window's flag for the solution window: in use until it unloads.
    enum class FormTag { InUse, Closing };
    class LoadSteps;  // what a load does to the window

    // What the subsystems work on.
    BoardSurfaces Board();
    ChooserParts Chooser();
    // The solution window, created hidden the first time it is asked for.
    Form2& SolutionWindow();
    // The free area for the board: the noted one, or the present one when
    // no window manager ever maximised the window.
    float FreeWidth() const;
    float FreeHeight() const;

    void SwitchLanguage(std::uint8_t language);
    // The mouse pictures and the pointers of the field and the board, at the
    // pixels of the window's present screen.
    void ShowArtwork();
    // Reads "recent.ini" into the emptied recent list.
    void ReadRecent();
    // The list in the File menu and in "recent.ini".
    void ShowRecent();

    PuzzleState& state;

    // The controls, by their design names.
    QWidget* SizerBottom = nullptr;
    QFrame* Sizer = nullptr;
    QPushButton* cmdErrors = nullptr;
    QPushButton* cmdOplossing = nullptr;
    Surface* KiezerL = nullptr;
    QPushButton* cmdClear = nullptr;
    QLabel* Positie = nullptr;
    QLabel* MuisR = nullptr;
    QLabel* MuisL = nullptr;
    LineControl* LijnL = nullptr;
    LineControl* LijnR = nullptr;
    Surface* Picture1 = nullptr;
    Surface* HetVeld = nullptr;
    QWidget* Image1 = nullptr;   // measuring stick, never shown

    QMenu* MMbestand = nullptr;
    QAction* MMopen = nullptr;
    QAction* MMlijn1 = nullptr;
    std::array<QAction*, RecentCount> MMrecent{};
    QAction* MMlijn2 = nullptr;
    QAction* MMclose = nullptr;
    QMenu* MMtaal = nullptr;
    QAction* MMenglish = nullptr;
    QAction* MMnederlands = nullptr;
    QAction* MMitaliano = nullptr;

    Form2* form2 = nullptr;      // the solution window, created hidden at start-up
    FormTag Tag = FormTag::InUse;

    void BuildControls();
    void BuildMenus();
    void NameControls();
    void NoteFreeArea();
    QWidget* panelInside_ = nullptr;  // the side panel's area inside its frame
    std::string programFolder_;
    bool unloaded_ = false;
};

}  // namespace grizzet
