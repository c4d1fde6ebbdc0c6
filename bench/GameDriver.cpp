#include "GameDriver.h"

#include "board/Board.h"
#include "platform/Surface.h"
#include "support/Game.h"
#include "support/Pixels.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QPaintEvent>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace grizzet::bench {

double MsSince(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

namespace {

// Counts paint events per widget, for the whole application, and keeps the
// area of each widget's last one.
class PaintWatch final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints_[watched];
            areas_[watched] = static_cast<QPaintEvent*>(event)->rect();
        }
        return false;
    }
    int Paints(const QObject* widget) const { return paints_.value(widget); }
    QRect LastArea(const QObject* widget) const { return areas_.value(widget); }

private:
    QHash<const QObject*, int> paints_;
    QHash<const QObject*, QRect> areas_;
};

PaintWatch* watch = nullptr;

}  // namespace

void WatchPaints(QApplication& app)
{
    watch = new PaintWatch;
    watch->setParent(&app);
    app.installEventFilter(watch);
}

int Paints(const QWidget* widget) { return watch->Paints(widget); }
QRect LastPaintedArea(const QWidget* widget) { return watch->LastArea(widget); }

void UntilPainted(const PaintCounts& before)
{
    QElapsedTimer limit;
    limit.start();
    for (;;) {
        const auto waiting = std::find_if(before.begin(), before.end(), [](const auto& widgetCount) {
            return watch->Paints(widgetCount.first) <= widgetCount.second;
        });
        if (waiting == before.end())
            return;
        if (limit.elapsed() > 5000) {
            std::fprintf(stderr, "no repaint of %s within 5 s: is it covered, or off the screen?\n",
                         qPrintable(waiting->first->objectName()));
            std::exit(1);
        }
        QCoreApplication::processEvents();
    }
}

PaintCounts Counts(std::initializer_list<const QWidget*> widgets)
{
    PaintCounts counts;
    for (const QWidget* widget : widgets)
        counts.emplace_back(widget, watch->Paints(widget));
    return counts;
}

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

double TimeUntilPainted(const std::function<void()>& action, std::initializer_list<const QWidget*> widgets)
{
    const auto counts = Counts(widgets);
    const auto start = Clock::now();
    action();
    UntilPainted(counts);
    return MsSince(start);
}

// A picture in all eight colours: even rows of touching colours (50 clues
// each), odd rows mostly background, so the columns get many clues too.
std::string WriteStripes(const QString& folder)
{
    constexpr std::uint8_t Coloured[] = {Black, Red, Blue, Yellow, Green, Magenta, Cyan};
    std::string bytes = "P6\n50 50\n1\n";  // a greater maximum would ask for a message
    for (int y = 0; y < MaxSide; ++y) {
        for (int x = 0; x < MaxSide; ++x) {
            std::uint8_t colour = White;
            if (y % 2 == 0)
                colour = Coloured[(x + y / 2) % 7];
            else if (x % 4 == 0)
                colour = Coloured[(x + y) % 7];
            const std::uint32_t rgb = DisplayColour[colour];
            for (const int shift : {16, 8, 0})
                bytes += static_cast<char>((rgb >> shift) & 1);
        }
    }
    const std::string path = QDir(folder).filePath(QStringLiteral("stripes.ppm")).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

QPoint CellMiddle(const PuzzleState& state, int x, int y)
{
    return test::PixelOf((x + 0.5) * state.CellSize, (y + 0.5) * state.CellSize);
}

namespace {

// The middle of a clue's box, counted from the farthest from the field.
QPoint ClueMiddle(const PuzzleState& s, const Surface& field, ClueHit::Area area, int line, int away)
{
    const BoardBox box = ClueBox(ClueFrameOf(field, ScaleUnit::Point, s.CellSize), area, line, away);
    return test::PixelOf((box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0);
}

}  // namespace

QPoint RowClue(const PuzzleState& s, const Surface& field, int row, int clue)
{
    return ClueMiddle(s, field, ClueHit::Area::Row, row, s.RowClueCount[row] - 1 - clue);
}

QPoint ColumnClue(const PuzzleState& s, const Surface& field, int column, int clue)
{
    return ClueMiddle(s, field, ClueHit::Area::Column, column, s.ColClueCount[column] - 1 - clue);
}

void Press(QWidget* widget, QPoint pos) { test::SendMouse(widget, QEvent::MouseButtonPress, pos, Qt::LeftButton); }
void Release(QWidget* widget, QPoint pos) { test::SendMouse(widget, QEvent::MouseButtonRelease, pos, Qt::NoButton); }
void Drag(QWidget* widget, QPoint pos) { test::SendMouse(widget, QEvent::MouseMove, pos, Qt::LeftButton); }

}  // namespace grizzet::bench
