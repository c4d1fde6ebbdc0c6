// Driving the real windows from a benchmark (the controls through the tests'
// driver): mouse events on the surfaces (through the tests' own helpers),
// waiting for the repaints they cause, and the picture the timings load.
#pragma once

#include "model/PuzzleState.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class QApplication;
class QWidget;

namespace grizzet {
class Surface;
}

namespace grizzet::bench {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start);

// Counts the paint events of every widget of the application from here on.
void WatchPaints(QApplication& app);
int Paints(const QWidget* widget);
QRect LastPaintedArea(const QWidget* widget);

using PaintCounts = std::vector<std::pair<const QWidget*, int>>;
PaintCounts Counts(std::initializer_list<const QWidget*> widgets);
// Runs the event loop until every widget has painted since its count was
// taken. A repaint that does not come within 5 s would make every figure
// after it meaningless, so the bench stops there, naming the widget.
void UntilPainted(const PaintCounts& before);
// Lets every pending event and repaint happen, outside the timing.
void Settle();
// Times an action together with the repaint of the given widgets, in ms.
double TimeUntilPainted(const std::function<void()>& action, std::initializer_list<const QWidget*> widgets);

// A 50x50 picture in all eight colours with 50 clues on every even row;
// returns its path.
std::string WriteStripes(const QString& folder);

QPoint CellMiddle(const PuzzleState& state, int x, int y);
// The middle of a row's or a column's clue box, on the board.
QPoint RowClue(const PuzzleState& state, const Surface& field, int row, int clue);
QPoint ColumnClue(const PuzzleState& state, const Surface& field, int column, int clue);

void Press(QWidget* widget, QPoint pos);
void Release(QWidget* widget, QPoint pos);
// A move with the left button held.
void Drag(QWidget* widget, QPoint pos);

// A fixed session (load, painting, ticks, error marks, the solution window,
// a reset, then every bundled puzzle) with the board, field and solution
// images written as PNG files after each step.
int DumpImages(const std::string& stripes, const std::string& programFolder, const QString& out);

}  // namespace grizzet::bench
