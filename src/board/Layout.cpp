// The board: clue font and cell size fitted to the free area, the clues in
// their colours, the grid lines of the clue bands, and the field placed over
// the cell area.
#include "board/Board.h"

#include "model/Fitting.h"
#include "platform/Surface.h"

#include <array>
#include <vector>

namespace grizzet {

namespace {

const QString WidthSample = QStringLiteral("10 ");

// How clues are written: each colour number's clue colour, read from the
// chooser once (yellow and cyan darkened to stay legible on the white
// board), and the text of each length.
struct ClueInk {
    std::array<QRgb, ColourCount> colours{};
    std::array<QString, MaxSide + 1> numbers;
};

ClueInk ClueInkOf(const Surface& chooser)
{
    ClueInk ink;
    for (int colour = 0; colour < ColourCount; ++colour) {
        const QRgb read = SwatchColour(chooser, colour + 1) & 0xFFFFFF;
        ink.colours[colour] = read == 0xFFFF00 ? qRgb(192, 192, 0) : read == 0x00FFFF ? qRgb(0, 192, 192) : read;
    }
    for (int length = 0; length <= MaxSide; ++length)
        ink.numbers[length] = QString::number(length);
    return ink;
}

// Clues of a line: up to the first empty slot after the first; an empty
// line still shows its single "0".
int ShownClues(const ClueTable& lengths, int line)
{
    if (lengths(line, 0) == 0)
        return 1;
    int n = 1;
    while (n < ClueSlots && lengths(line, n) != 0)
        ++n;
    return n;
}

void DrawClue(Surface& board, const ClueInk& ink, int length, int colour, float right, float top)
{
    const QString& text = ink.numbers[length];
    board.SetCurrentX(right - board.TextWidth(text));
    board.SetCurrentY(top);
    board.SetForeColor(ink.colours[colour]);
    board.Print(text);
}

// Each clue right-aligned one point inside its box, the last one next to the
// field; row clues one point below the box's top, column clues on it.
void DrawRowClues(Surface& board, const ClueInk& ink, const PuzzleState& state, const ClueFrame& frame)
{
    for (int r = 0; r < state.PuzzleHeight; ++r) {
        const int n = ShownClues(state.RowClueLength, r);
        for (int j = n - 1; j >= 0; --j) {
            const BoardBox box = ClueBox(frame, ClueHit::Area::Row, r, n - 1 - j);
            DrawClue(board, ink, state.RowClueLength(r, j), state.RowClueColour(r, j), box.right - 1, box.top + 1);
        }
    }
}

void DrawColumnClues(Surface& board, const ClueInk& ink, const PuzzleState& state, const ClueFrame& frame)
{
    for (int q = 0; q < state.PuzzleWidth; ++q) {
        const int n = ShownClues(state.ColClueLength, q);
        for (int j = n - 1; j >= 0; --j) {
            const BoardBox box = ClueBox(frame, ClueHit::Area::Column, q, n - 1 - j);
            DrawClue(board, ink, state.ColClueLength(q, j), state.ColClueColour(q, j), box.right - 1, box.top);
        }
    }
}

// The first, every fifth and the last line are one point heavy.
bool IsHeavyLine(int i, int last) { return i % 5 == 0 || i == last; }

void DrawGridLines(Surface& board, const PuzzleState& state, int c, float bandWidth, float fieldTop)
{
    const int w = state.PuzzleWidth, h = state.PuzzleHeight;
    std::vector<Surface::Corners> lines;
    const float xe = bandWidth + static_cast<float>(w * c) + 1;
    for (int i = 0; i <= h; ++i) {
        const float y = fieldTop + static_cast<float>(i * c);
        lines.push_back({0, y, xe, IsHeavyLine(i, h) ? y + 1 : y});
    }
    const float ye = fieldTop + static_cast<float>(h * c) + 1;
    for (int i = 0; i <= w; ++i) {
        const float x = bandWidth + static_cast<float>(i * c);
        lines.push_back({x, 0, IsHeavyLine(i, w) ? x + 1 : x, ye});
    }
    board.FillBoxes(lines, GridGrey);
}

}  // namespace

void LayoutBoard(PuzzleState& state, const BoardSurfaces& surfaces, float freeWidth, float freeHeight)
{
    Surface& board = surfaces.board;

    // A new board is drawn at the pixels of the screen it is on now.
    board.FollowScreen();
    board.SetScaleUnit(ScaleUnit::Point);
    state.BoardMaxWidth = freeWidth;
    state.BoardMaxHeight = freeHeight;
    board.SetForeColor(qRgb(0, 0, 0));
    board.SetFontName(QStringLiteral("Arial"));

    const int across = state.MaxRowClues + state.PuzzleWidth;
    const int down = state.MaxColClues + state.PuzzleHeight;
    const auto widthOfTen = [&board](int points) {
        board.SetFontSize(static_cast<float>(points));
        return board.TextWidth(WidthSample);
    };
    const int fontSize = ClueFontSize(widthOfTen, across, down, state.BoardMaxWidth, state.BoardMaxHeight);
    const int c = CellSizeFor(widthOfTen(fontSize), across, down, state.BoardMaxWidth, state.BoardMaxHeight);

    // The board covers at least the whole free area, white where nothing is drawn.
    float boardWidth = static_cast<float>(across * c + 2);
    float boardHeight = static_cast<float>(down * c);
    if (boardWidth < state.BoardMaxWidth)
        boardWidth = state.BoardMaxWidth;
    if (boardHeight < state.BoardMaxHeight)
        boardHeight = state.BoardMaxHeight;
    board.Resize(boardWidth, boardHeight, ScaleUnit::Point);

    board.SetBackColor(qRgb(255, 255, 255));
    board.Cls();
    board.SetCurrentY(0);
    board.SetFontSize(static_cast<float>(fontSize));

    const float bandWidth = static_cast<float>(state.MaxRowClues * c);
    const float fieldTop = static_cast<float>(state.MaxColClues * c);
    const float fieldWidth = static_cast<float>(state.PuzzleWidth * c + 1);
    const float fieldHeight = static_cast<float>(state.PuzzleHeight * c + 1);
    const ClueFrame frame{bandWidth, fieldTop, fieldWidth, fieldHeight, static_cast<float>(c)};
    const ClueInk ink = ClueInkOf(surfaces.chooser);
    DrawRowClues(board, ink, state, frame);
    DrawColumnClues(board, ink, state, frame);

    Surface& field = surfaces.field;
    field.Move(bandWidth, fieldTop, ScaleUnit::Point);
    field.Resize(fieldWidth, fieldHeight, ScaleUnit::Point);
    // The field sits on whole logical pixels, which on a finer screen can be
    // a device pixel off the board's points: there the board's lines run on
    // from the field's own, without a step where they meet and with outer
    // edges as heavy as the inner ones. At 100 % the board keeps its lines.
    const auto inPoints = [&board](float pixels) {
        return static_cast<float>(pixels / board.PixelsPer(ScaleUnit::Point));
    };
    if (board.PixelRatio() == 1.0)
        DrawGridLines(board, state, c, bandWidth, fieldTop);
    else
        DrawGridLines(board, state, c, inPoints(field.Left(ScaleUnit::Pixel)), inPoints(field.Top(ScaleUnit::Pixel)));
    state.CellSize = static_cast<std::int16_t>(c);
}

}  // namespace grizzet
