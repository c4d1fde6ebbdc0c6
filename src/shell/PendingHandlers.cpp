// Handlers not built yet. Whoever builds one deletes its line here.
#include "board/Board.h"
#include "play/Painting.h"
#include "shell/Form1.h"
#include "solution/Form2.h"

namespace grizzet {

void Form1::Form_Load() {}
void Form1::Form_Unload() {}
void Form1::MMopen_Click() {}
void Form1::MMrecent_Click(int) {}
void Form1::MMenglish_Click() {}
void Form1::MMnederlands_Click() {}
void Form1::MMitaliano_Click() {}
void Form1::LoadPuzzle(const std::string&) {}
void Form1::HetVeld_MouseDown(const MouseArgs&) {}
void Form1::HetVeld_MouseMove(const MouseArgs&) {}
void Form1::Picture1_MouseDown(const MouseArgs&) {}
void Form1::Picture1_MouseMove(const MouseArgs&) {}
void Form1::ToggleRowClue(int, int) {}
void Form1::ToggleColumnClue(int, int) {}
void SetCell(Form1&, int, int, std::uint8_t) {}

}  // namespace grizzet
