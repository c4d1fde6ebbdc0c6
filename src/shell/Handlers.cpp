// The main window's event handlers, by their design names: each hands its
// event to the subsystem it belongs to.
#include "shell/Form1.h"

#include "play/ClueTicks.h"
#include "play/Painting.h"
#include "solution/Form2.h"

namespace grizzet {

void Form1::KiezerL_MouseDown(const MouseArgs& args) { ChooseSwatch(state, Chooser(), args); }
void Form1::KiezerL_MouseMove(const MouseArgs& args) { KiezerL_MouseDown(args); }
void Form1::KiezerSet() { grizzet::KiezerSet(state, Chooser()); }

void Form1::HetVeld_MouseDown(const MouseArgs& args) { HetVeld_MouseMove(args); }
void Form1::HetVeld_MouseMove(const MouseArgs& args) { PaintField(state, Board(), *Positie, args); }
void Form1::Picture1_MouseDown(const MouseArgs& args) { TickClueAt(state, Board(), args); }
void Form1::Picture1_MouseMove(const MouseArgs& args) { PointAtClue(state, Board(), args); }

void Form1::cmdClear_Click() { ResetField(state, Board(), Chooser()); }
void Form1::cmdErrors_Click() { ShowErrors(state, *HetVeld); }
void Form1::cmdOplossing_Click() { SolutionWindow().Open(); }

}  // namespace grizzet
