// Times what a player feels, in the real windows: start-up, loading a 50x50
// picture, painting, dragging, reset, error marking, a clue tick, opening the
// solution window, the solver, and the memory held with the picture open.
// Each figure runs from the event or call to the end of the repaint it causes.
// Usage: bench_game [RUNS [SERIES]]   RUNS scales every series (default 200);
//        SERIES runs that one only (load-50x50, paint-move, ..., solver), for a profiler
//        bench_game --dump DIR  writes the images of a fixed session as PNG
//        files instead, to show that a faster build still draws the same pixels.
// The screen is 1280x1024 at 96 dpi; with QT_SCALE_FACTOR=2 it has twice the
// device pixels each way, so the windows and the board keep their size.
#include "GameDriver.h"
#include "Report.h"
#include "SolverTiming.h"

#include "model/PuzzleState.h"
#include "platform/Dialogs.h"
#include "platform/Surface.h"
#include "shell/Form1.h"
#include "solution/Form2.h"
#include "support/Controls.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace grizzet;
using namespace grizzet::bench;

namespace {

// The main window with a 50x50 picture open, and what the series note.
struct Session {
    int runs;
    PuzzleState& state;
    Form1& form;
    std::string programFolder;
    std::string stripes;
    std::vector<MsgBoxCall>& boxes;
    test::Controls ui{form};
    Surface& board = *ui.Picture1;
    Surface& field = *ui.HetVeld;
    QRect moveArea, tickArea;  // what the last move and the last tick repainted
};

// The offscreen platform's one screen: 1280x1024 logical pixels at 96 dpi,
// whatever QT_SCALE_FACTOR asks. With the platform's own 800x800 screen, or
// this one not scaled up, a 2x window would be too small for the board, and
// the side panel would cover the field, whose covered cells never repaint.
void UseOffscreenScreen(const QTemporaryDir& folder)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return;
    const double asked = qgetenv("QT_SCALE_FACTOR").toDouble();  // 0 when unset or no number
    const double scale = asked > 0 ? asked : 1;
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    std::ofstream(config.toStdString())
        << R"({"windowFrameMargins": false, "screens": [{"name": "S1", "x": 0, "y": 0, "width": )"
        << std::lround(1280 * scale) << R"(, "height": )" << std::lround(1024 * scale)
        << R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
}

// A figure from a series of runs, each timing itself.
Figure Series(const char* key, const char* label, int runs, double targetMs, const std::function<double(int)>& run)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i)
        ms.push_back(run(i));
    return {key, label, StatsOf(ms), targetMs};
}

Figure Load(Session& s)
{
    return Series("load-50x50", "load and layout of the 50x50 picture", s.runs, 5, [&s](int) {
        Settle();
        return TimeUntilPainted([&s] { s.form.LoadPuzzle(s.stripes); }, {&s.board, &s.field});
    });
}

// The same with the program folder in memory, where saving the recent list waits for no disk.
Figure LoadOnTmpfs(Session& s)
{
    QTemporaryDir inMemory(QStringLiteral("/dev/shm/bench_game-XXXXXX"));
    if (!inMemory.isValid())
        return {"load-50x50-tmpfs", "  the same: no /dev/shm here", {}, 0};
    const std::string appFolder = s.state.AppFolder;
    s.state.AppFolder = inMemory.path().toStdString() + "/";
    Figure figure = Load(s);
    s.state.AppFolder = appFolder;
    return {"load-50x50-tmpfs", "  the same, program folder on tmpfs", figure.ms, 0};
}

// The part of every load that waits for the disk: the recent list saved.
Figure RecentSave(Session& s)
{
    return Series("recent-save", "  of which saving the recent list", s.runs, 0, [&s](int) {
        const auto start = Clock::now();
        s.form.AddRecent(s.stripes);
        return MsSince(start);
    });
}

// One painting move: from one cell to the next with the left button held.
Figure PaintMove(Session& s)
{
    Settle();
    Figure figure = Series("paint-move", "one painting mouse move", s.runs * 5, 0.1, [&s](int run) {
        const QPoint at = CellMiddle(s.state, run % MaxSide, (run / MaxSide) % MaxSide);
        return TimeUntilPainted([&] { Drag(&s.field, at); }, {&s.field});
    });
    s.moveArea = LastPaintedArea(&s.field);
    return figure;
}

// A drag along a row: the press on its first cell, then a move into each next cell.
Figure Drag50(Session& s)
{
    return Series("drag-50", "a drag over 50 cells of a row", s.runs, 5, [&s](int run) {
        const int y = run % MaxSide;
        Settle();
        const auto start = Clock::now();
        for (int x = 0; x < MaxSide; ++x) {
            const auto counts = Counts({&s.field});
            (x == 0 ? Press : Drag)(&s.field, CellMiddle(s.state, x, y));
            UntilPainted(counts);
        }
        const double ms = MsSince(start);
        Release(&s.field, CellMiddle(s.state, MaxSide - 1, y));
        return ms;
    });
}

// One clue tick: a press on a row clue's box.
Figure ClueTick(Session& s)
{
    Figure figure = Series("clue-tick", "one clue tick", s.runs * 5, 1, [&s](int run) {
        const int row = (run / 50) % 25 * 2;  // even rows hold 50 clues
        const QPoint at = RowClue(s.state, s.field, row, run % s.state.RowClueCount[row]);
        Settle();
        const double ms = TimeUntilPainted([&] { Press(&s.board, at); }, {&s.board});
        Release(&s.board, at);
        return ms;
    });
    s.tickArea = LastPaintedArea(&s.board);
    return figure;
}

// Reset with ten row clues and ten column clues ticked.
Figure Reset(Session& s)
{
    QPushButton& clear = *s.ui.cmdClear;
    return Series("reset", "reset with 20 clues ticked", s.runs, 10, [&](int) {
        for (int i = 0; i < 10; ++i) {
            Press(&s.board, RowClue(s.state, s.field, 2 * i, i));
            Press(&s.board, ColumnClue(s.state, s.field, 4 * i, 0));
        }
        Settle();
        return TimeUntilPainted([&clear] { clear.click(); }, {&s.board, &s.field});
    });
}

// Every cell painted wrongly, for the error marks and the solution window.
void PaintAllWrong(PuzzleState& state)
{
    for (int x = 0; x < MaxSide; ++x)
        for (int y = 0; y < MaxSide; ++y)
            state.PlayerGrid(x, y) = static_cast<std::uint8_t>((state.Solution(x, y) + 1) % ColourCount + 1);
}

Figure Errors(Session& s)
{
    PaintAllWrong(s.state);
    QPushButton& errors = *s.ui.cmdErrors;
    Figure figure = Series("errors", "show errors, every cell wrong", s.runs, 10, [&](int) {
        Settle();
        return TimeUntilPainted([&errors] { errors.click(); }, {&s.field});
    });
    if (!s.boxes.empty())
        std::fprintf(stderr, "show errors found no error\n");
    return figure;
}

// The solution window's first opening, then later ones, which only show it.
std::vector<Figure> SolutionOpen(Session& s)
{
    PaintAllWrong(s.state);
    QPushButton& open = *s.ui.cmdOplossing;
    Form2& solution = *s.ui.Solution();
    Surface& picture = *solution.Picture1;
    Settle();
    const double first = TimeUntilPainted([&open] { open.click(); }, {&picture});
    Figure later = Series("solution-open", "opening the solution window", s.runs, 10, [&](int) {
        solution.hide();
        Settle();
        return TimeUntilPainted([&open] { open.click(); }, {&picture});
    });
    solution.hide();
    Settle();
    return {{"solution-first", "solution window, first opening", StatsOf({first}), 0}, later};
}

// Start-up again, in new windows on the same program folder (which now has a recent file).
Figure StartupWindow(Session& s)
{
    return Series("startup-window", "start-up of a new main window", std::max(5, s.runs / 10), 0, [&s](int) {
        PuzzleState fresh;
        const auto start = Clock::now();
        auto window = std::make_unique<Form1>(fresh, s.programFolder);
        const auto counts = Counts({test::Controls(*window).KiezerL});
        window->showMaximized();
        UntilPainted(counts);
        const double ms = MsSince(start);
        window.reset();
        Settle();
        return ms;
    });
}

std::vector<Figure> Solver(Session& s)
{
    std::vector<Figure> figures;
    for (const SolverTiming& t : TimeSolverCases(GRIZZET_PUZZLE_DIR, s.runs))
        figures.push_back({"solver " + t.name, "solver: " + t.name + " (" + t.verdict + ")", t.ms, 0});
    return figures;
}

// Every series after the first load, in order; a series may give several figures.
std::vector<Figure> RunSeries(Session& s, const std::string& only)
{
    const auto one = [](Figure (*series)(Session&)) {
        return [series](Session& s) { return std::vector<Figure>{series(s)}; };
    };
    const std::pair<const char*, std::function<std::vector<Figure>(Session&)>> series[] = {
        {"load-50x50", one(Load)},        {"load-50x50-tmpfs", one(LoadOnTmpfs)},
        {"recent-save", one(RecentSave)}, {"paint-move", one(PaintMove)},
        {"drag-50", one(Drag50)},         {"clue-tick", one(ClueTick)},
        {"reset", one(Reset)},            {"errors", one(Errors)},
        {"solution-open", SolutionOpen},  {"startup-window", one(StartupWindow)},
        {"solver", Solver}};
    std::vector<Figure> figures;
    for (const auto& [key, run] : series)
        if (only.empty() || only == key)
            for (Figure& figure : run(s))
                figures.push_back(std::move(figure));
    return figures;
}

}  // namespace

int main(int argc, char* argv[])
{
    const auto mainStart = Clock::now();
    // A program folder of its own with the artwork, so nothing of the build's changes.
    QTemporaryDir folder;
    UseOffscreenScreen(folder);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    // The offscreen platform complains about window features it lacks.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    });
    const std::string loadBefore = LoadAverage();

    QApplication app(argc, argv);
    WatchPaints(app);
    for (const char* name : {"mouse1.dat", "mouse2.dat", "hamworst.dat"})
        QFile::copy(QStringLiteral(GRIZZET_APP_DIR "/") + QLatin1String(name), folder.filePath(QLatin1String(name)));
    const std::string programFolder = folder.path().toStdString() + "/";
    const std::string stripes = WriteStripes(folder.path());
    std::vector<MsgBoxCall> boxes;
    MsgBoxHook = [&boxes](const MsgBoxCall& call) { boxes.push_back(call); };
    if (argc > 2 && std::strcmp(argv[1], "--dump") == 0)
        return DumpImages(stripes, programFolder, QString::fromLocal8Bit(argv[2]));

    // Start-up, once from the start of main: the window shown maximised and the chooser painted.
    PuzzleState state;
    auto form = std::make_unique<Form1>(state, programFolder);
    const auto counts = Counts({test::Controls(*form).KiezerL});
    form->showMaximized();
    UntilPainted(counts);
    std::vector<Figure> figures{{"startup-from-main", "start-up from main, first window", 
                                StatsOf({MsSince(mainStart)})}};
    Settle();

    // The first load, then the memory with the picture open.
    Session session{runs, state, *form, programFolder, stripes, boxes};
    const double firstLoad = TimeUntilPainted([&] { form->LoadPuzzle(stripes); }, {&session.board, &session.field});
    figures.push_back({"load-first", "first load of the 50x50 picture", StatsOf({firstLoad})});
    Settle();
    const long hwmKb = StatusKb("VmHWM");
    const long rssKb = StatusKb("VmRSS");
    if (state.PuzzleWidth != 50 || state.PuzzleHeight != 50 || !boxes.empty()) {
        std::fprintf(stderr, "the 50x50 picture did not load: %dx%d, %zu messages\n", state.PuzzleWidth,
                     state.PuzzleHeight, boxes.size());
        return 1;
    }
    for (Figure& figure : RunSeries(session, argc > 2 ? argv[2] : ""))
        figures.push_back(std::move(figure));
    std::printf("Vindro Grizzet, what a player feels (%s at %gx, %s)\n", qPrintable(QGuiApplication::platformName()),
                qApp->devicePixelRatio(), Machine(loadBefore).c_str());
    std::printf("50x50 picture: %d and %d clues at most a row and a column, cell %d pt, free area %.0fx%.0f pt\n",
                state.MaxRowClues, state.MaxColClues, state.CellSize, state.MaxSizerLeft, state.MaxSizerBottomTop);
    PrintFigures(figures);
    std::printf("%-44s %.1f MB (now %.1f MB)\n", "peak resident memory, 50x50 picture open", hwmKb / 1024.0,
                rssKb / 1024.0);
    if (!session.moveArea.isNull() || !session.tickArea.isNull())
        std::printf("repainted: %dx%d px of the field by a move, %dx%d px of the board by a tick (board %dx%d px)\n",
                    session.moveArea.width(), session.moveArea.height(), session.tickArea.width(),
                    session.tickArea.height(), session.board.width(), session.board.height());
    PrintJson(runs, qApp->devicePixelRatio(), figures, hwmKb, rssKb);
    MsgBoxHook = nullptr;
    form.reset();
    return 0;
}
