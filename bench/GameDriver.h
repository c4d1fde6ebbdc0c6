// Driving the real windows from a benchmark: mouse events on the surfaces,
// waiting for the repaints they cause, and the picture the timings load.
#pragma once

#include "model/PuzzleState.h"

#include <QEvent>
#include <QObject>
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
// Whether some wait for a repaint gave up after 5 s.
bool RepaintTimedOut();

using PaintCounts = std::vector<std::pair<const QWidget*, int>>;
PaintCounts Counts(std::initializer_list<const QWidget*> widgets);
// Runs the event loop until every widget has painted since its count was taken.
void UntilPainted(const PaintCounts& before);
// Lets every pending event and repaint happen, outside the timing.
void Settle();
// Times an action together with the repaint of the given widgets, in ms.
double TimeUntilPainted(const std::function<void()>& action, std::initializer_list<const QWidget*> widgets);

// A 50x50 picture in all eight colours with 50 clues on every even row;
// returns its path.
std::string WriteStripes(const QString& folder);

// Device pixels of a point given in points.
QPoint Pixel(double xPoints, double yPoints);
QPoint CellMiddle(const PuzzleState& state, int x, int y);
// The middle of a row's or a column's clue box, on the board.
QPoint RowClue(const PuzzleState& state, const Surface& field, int row, int clue);
QPoint ColumnClue(const PuzzleState& state, const Surface& field, int column, int clue);

void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons);
void Press(QWidget* widget, QPoint pos);
void Release(QWidget* widget, QPoint pos);
// A move with the left button held.
void Drag(QWidget* widget, QPoint pos);

// A fixed session (load, painting, ticks, error marks, the solution window,
// a reset, then every bundled puzzle) with the board, field and solution
// images written as PNG files after each step.
int DumpImages(const std::string& stripes, const std::string& programFolder, const QString& out);

}  // namespace grizzet::bench
