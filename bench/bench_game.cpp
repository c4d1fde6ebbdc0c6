// Times what a player feels, in the real windows: start-up, loading a 50x50
// picture, painting, dragging, reset, error marking, a clue tick, opening the
// solution window, the solver, and the memory held with the picture open.
// Each figure runs from the event or call to the end of the repaint it causes.
// Usage: bench_game [RUNS [SERIES]]   RUNS scales every series (default 200);
//        SERIES runs that one only (load-50x50, paint-move, ..., solver), for a profiler
//        bench_game --dump DIR  writes the images of a fixed session as PNG
//        files instead, to show that a faster build still draws the same pixels.
#include "GameDriver.h"
#include "SolverTiming.h"
#include "Stats.h"

#include "model/PuzzleState.h"
#include "platform/Dialogs.h"
#include "shell/Form1.h"
#include "solution/Form2.h"
#include "support/Controls.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using namespace grizzet;
using namespace grizzet::bench;

namespace {

long StatusKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.compare(0, key.size(), key) == 0)
            return std::atol(line.c_str() + key.size());
    return -1;
}

std::string FirstLine(const char* path, const std::string& prefix = {})
{
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line))
        if (prefix.empty() || line.compare(0, prefix.size(), prefix) == 0)
            return prefix.empty() ? line : line.substr(line.find(':') + 2);
    return "unknown";
}

struct Figure {
    std::string key;
    std::string label;
    Stats ms;
    double targetMs = 0;  // 0: no target
};

void PrintFigures(const std::vector<Figure>& figures)
{
    std::printf("%-44s %5s %11s %11s %11s %10s  %s\n", "measure", "runs", "median ms", "min ms", "max ms",
                "target ms", "holds");
    for (const Figure& f : figures) {
        std::printf("%-44s %5d %11.3f %11.3f %11.3f ", f.label.c_str(), f.ms.runs, f.ms.median, f.ms.min, f.ms.max);
        if (f.targetMs > 0)
            std::printf("%10.3f  %s\n", f.targetMs, f.ms.median < f.targetMs ? "yes" : "NO");
        else
            std::printf("%10s  %s\n", "-", "-");
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    const auto mainStart = Clock::now();
    // One 1280x1024 screen at 96 dpi, as the tests have, unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" GRIZZET_OFFSCREEN_CONFIG);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    // A second argument names the one series to run, for a profiler.
    const std::string only = argc > 2 ? argv[2] : "";
    const auto wanted = [&only](const char* key) { return only.empty() || only == key; };
    // The offscreen platform complains about window features it lacks.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    });
    const std::string loadBefore = FirstLine("/proc/loadavg");

    QApplication app(argc, argv);
    WatchPaints(app);

    // A program folder of its own with the artwork, so nothing of the build's changes.
    QTemporaryDir folder;
    for (const char* name : {"mouse1.dat", "mouse2.dat", "hamworst.dat"})
        QFile::copy(QStringLiteral(GRIZZET_APP_DIR "/") + QLatin1String(name), folder.filePath(QLatin1String(name)));
    const std::string programFolder = folder.path().toStdString() + "/";
    const std::string stripes = WriteStripes(folder.path());
    std::vector<MsgBoxCall> boxes;
    MsgBoxHook = [&boxes](const MsgBoxCall& call) { boxes.push_back(call); };

    if (argc > 2 && std::strcmp(argv[1], "--dump") == 0)
        return DumpImages(stripes, programFolder, QString::fromLocal8Bit(argv[2]));

    std::vector<Figure> figures;
    std::vector<double> ms;
    QRect moveArea, tickArea;  // what the last move and the last tick repainted

    // Start-up, once from the start of main: the window shown maximised and the chooser painted.
    PuzzleState state;
    auto form = std::make_unique<Form1>(state, programFolder);
    const test::Controls ui(*form);
    {
        const auto counts = Counts({ui.KiezerL});
        form->showMaximized();
        UntilPainted(counts);
    }
    const double firstStart = MsSince(mainStart);
    figures.push_back({"startup-from-main", "start-up from main, first window", StatsOf({firstStart}), 0});
    Settle();

    // The first load, then the memory with the picture open.
    figures.push_back({"load-first", "first load of the 50x50 picture",
                       StatsOf({TimeUntilPainted([&] { form->LoadPuzzle(stripes); },
                                                 {ui.Picture1, ui.HetVeld})}),
                       0});
    Settle();
    const long hwmKb = StatusKb("VmHWM");
    const long rssKb = StatusKb("VmRSS");
    if (state.PuzzleWidth != 50 || state.PuzzleHeight != 50 || !boxes.empty()) {
        std::fprintf(stderr, "the 50x50 picture did not load: %dx%d, %zu messages\n", state.PuzzleWidth,
                     state.PuzzleHeight, boxes.size());
        for (const MsgBoxCall& box : boxes)
            std::fprintf(stderr, "  %s\n", qPrintable(box.text));
        return 1;
    }

    if (wanted("load-50x50")) {
        ms.clear();
        for (int run = 0; run < runs; ++run) {
            Settle();
            ms.push_back(TimeUntilPainted([&] { form->LoadPuzzle(stripes); }, {ui.Picture1, ui.HetVeld}));
        }
        figures.push_back({"load-50x50", "load and layout of the 50x50 picture", StatsOf(ms), 5});
    }

    // The same with the program folder in memory, where saving the recent list waits for no disk.
    QTemporaryDir inMemory(QStringLiteral("/dev/shm/bench_game-XXXXXX"));
    if (wanted("load-50x50-tmpfs") && inMemory.isValid()) {
        const std::string appFolder = state.AppFolder;
        state.AppFolder = inMemory.path().toStdString() + "/";
        ms.clear();
        for (int run = 0; run < runs; ++run) {
            Settle();
            ms.push_back(TimeUntilPainted([&] { form->LoadPuzzle(stripes); }, {ui.Picture1, ui.HetVeld}));
        }
        figures.push_back({"load-50x50-tmpfs", "  the same, program folder on tmpfs", StatsOf(ms), 0});
        state.AppFolder = appFolder;
    }

    // The part of every load that waits for the disk: the recent list saved.
    if (wanted("recent-save")) {
        ms.clear();
        for (int run = 0; run < runs; ++run) {
            const auto start = Clock::now();
            form->AddRecent(stripes);
            ms.push_back(MsSince(start));
        }
        figures.push_back({"recent-save", "  of which saving the recent list", StatsOf(ms), 0});
    }

    // One painting move: from one cell to the next with the left button held.
    if (wanted("paint-move")) {
        Settle();
        ms.clear();
        for (int run = 0; run < runs * 5; ++run) {
            const QPoint at = CellMiddle(state, run % MaxSide, (run / MaxSide) % MaxSide);
            ms.push_back(TimeUntilPainted([&] { Drag(ui.HetVeld, at); }, {ui.HetVeld}));
        }
        figures.push_back({"paint-move", "one painting mouse move", StatsOf(ms), 0.1});
        moveArea = LastPaintedArea(ui.HetVeld);
    }

    // A drag along a row: the press on its first cell, then a move into each next cell.
    if (wanted("drag-50")) {
        ms.clear();
        for (int run = 0; run < runs; ++run) {
            const int y = run % MaxSide;
            Settle();
            const auto start = Clock::now();
            for (int x = 0; x < MaxSide; ++x) {
                const auto counts = Counts({ui.HetVeld});
                if (x == 0)
                    Press(ui.HetVeld, CellMiddle(state, x, y));
                else
                    Drag(ui.HetVeld, CellMiddle(state, x, y));
                UntilPainted(counts);
            }
            ms.push_back(MsSince(start));
            Release(ui.HetVeld, CellMiddle(state, MaxSide - 1, y));
        }
        figures.push_back({"drag-50", "a drag over 50 cells of a row", StatsOf(ms), 5});
    }

    // One clue tick: a press on a row clue's box.
    if (wanted("clue-tick")) {
        ms.clear();
        for (int run = 0; run < runs * 5; ++run) {
            const int row = (run / 50) % 25 * 2;  // even rows hold 50 clues
            const QPoint at = RowClue(state, *ui.HetVeld, row, run % state.RowClueCount[row]);
            Settle();
            ms.push_back(TimeUntilPainted([&] { Press(ui.Picture1, at); }, {ui.Picture1}));
            Release(ui.Picture1, at);
        }
        figures.push_back({"clue-tick", "one clue tick", StatsOf(ms), 1});
        tickArea = LastPaintedArea(ui.Picture1);
    }

    // Reset with ten row clues and ten column clues ticked.
    if (wanted("reset")) {
        ms.clear();
        for (int run = 0; run < runs; ++run) {
            for (int i = 0; i < 10; ++i) {
                Press(ui.Picture1, RowClue(state, *ui.HetVeld, 2 * i, i));
                Press(ui.Picture1, ColumnClue(state, *ui.HetVeld, 4 * i, 0));
            }
            Settle();
            ms.push_back(TimeUntilPainted([&] { form->cmdClear_Click(); }, {ui.Picture1, ui.HetVeld}));
        }
        figures.push_back({"reset", "reset with 20 clues ticked", StatsOf(ms), 10});
    }

    // Show errors with every cell painted wrongly.
    for (int x = 0; x < MaxSide; ++x)
        for (int y = 0; y < MaxSide; ++y)
            state.PlayerGrid(x, y) = static_cast<std::uint8_t>((state.Solution(x, y) + 1) % ColourCount + 1);
    if (wanted("errors")) {
        ms.clear();
        for (int run = 0; run < runs; ++run) {
            Settle();
            ms.push_back(TimeUntilPainted([&] { form->cmdErrors_Click(); }, {ui.HetVeld}));
        }
        figures.push_back({"errors", "show errors, every cell wrong", StatsOf(ms), 10});
        if (!boxes.empty())
            std::fprintf(stderr, "show errors found no error\n");
    }

    // The solution window: its first opening creates it; later ones only show it.
    if (wanted("solution-open")) {
        Settle();
        const auto start = Clock::now();
        form->cmdOplossing_Click();
        UntilPainted(Counts({ui.Solution()->Picture1}));
        figures.push_back({"solution-first", "solution window, first opening", StatsOf({MsSince(start)}), 0});
        ms.clear();
        for (int run = 0; run < runs; ++run) {
            ui.Solution()->hide();
            Settle();
            ms.push_back(TimeUntilPainted([&] { form->cmdOplossing_Click(); }, {ui.Solution()->Picture1}));
        }
        figures.push_back({"solution-open", "opening the solution window", StatsOf(ms), 10});
        ui.Solution()->hide();
        Settle();
    }

    // Start-up again, in new windows on the same program folder (which now has a recent file).
    if (wanted("startup-window")) {
        ms.clear();
        for (int run = 0; run < std::max(5, runs / 10); ++run) {
            PuzzleState fresh;
            const auto start = Clock::now();
            auto window = std::make_unique<Form1>(fresh, programFolder);
            const auto counts = Counts({test::Named<Surface>(*window, "KiezerL")});
            window->showMaximized();
            UntilPainted(counts);
            ms.push_back(MsSince(start));
            window.reset();
            Settle();
        }
        figures.push_back({"startup-window", "start-up of a new main window", StatsOf(ms), 0});
    }

    if (wanted("solver")) {
        for (const SolverTiming& t : TimeSolverCases(GRIZZET_PUZZLE_DIR, runs))
            figures.push_back({"solver " + t.name, "solver: " + t.name + " (" + t.verdict + ")", t.ms, 0});
    }

    const std::string cpu = FirstLine("/proc/cpuinfo", "model name");
    const std::string loadAfter = FirstLine("/proc/loadavg");
    std::printf("Vindro Grizzet, what a player feels (%s, %s, %d cores; load average before %s, after %s)\n",
                QGuiApplication::platformName().toUtf8().constData(), cpu.c_str(), QThread::idealThreadCount(),
                loadBefore.substr(0, loadBefore.find(' ')).c_str(), loadAfter.substr(0, loadAfter.find(' ')).c_str());
    std::printf("50x50 picture: %d and %d clues at most a row and a column, cell %d pt, free area %.0fx%.0f pt\n",
                state.MaxRowClues, state.MaxColClues, state.CellSize, state.MaxSizerLeft, state.MaxSizerBottomTop);
    PrintFigures(figures);
    std::printf("%-44s %.1f MB (now %.1f MB)\n", "peak resident memory, 50x50 picture open", hwmKb / 1024.0,
                rssKb / 1024.0);
    if (!moveArea.isNull() || !tickArea.isNull())
        std::printf("repainted: %dx%d px of the field by a move, %dx%d px of the board by a tick (board %dx%d px)\n",
                    moveArea.width(), moveArea.height(), tickArea.width(), tickArea.height(), ui.Picture1->width(),
                    ui.Picture1->height());
    if (RepaintTimedOut())
        std::printf("warning: a repaint did not come within 5 s; its figure is too high\n");

    std::printf("{\"bench\":\"game\",\"runs\":%d,\"cpu\":\"%s\",\"cores\":%d,\"figures\":[", runs, cpu.c_str(),
                QThread::idealThreadCount());
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const Figure& f = figures[i];
        std::printf("%s{\"name\":\"%s\",\"runs\":%d,\"medianMs\":%.4f,\"minMs\":%.4f,\"maxMs\":%.4f", i ? "," : "",
                    f.key.c_str(), f.ms.runs, f.ms.median, f.ms.min, f.ms.max);
        if (f.targetMs > 0)
            std::printf(",\"targetMs\":%g,\"holds\":%s", f.targetMs, f.ms.median < f.targetMs ? "true" : "false");
        std::printf("}");
    }
    std::printf("],\"peakRssMb\":%.1f,\"rssMb\":%.1f}\n", hwmKb / 1024.0, rssKb / 1024.0);

    MsgBoxHook = nullptr;
    form.reset();
    return RepaintTimedOut() ? 1 : 0;
}
