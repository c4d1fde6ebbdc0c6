// A game started in its own temporary program folder, with its message boxes
// recorded, and the checks that say it is still playable.
#pragma once

#include "shell/shell_helpers.h"

#include <QStringList>

namespace grizzet::robust {

using test::ReadBytes;
using test::RecentCaptions;
using test::RecentIniOf;
using test::SmallPbm;
using test::WriteBytes;

// Seeded, so every run sees the same bytes.
QByteArray RandomBytes(quint32 seed, int size);
// What lies at the path, without following a link: "file", "folder", "fifo",
// "link", "other" or "none".
QString KindOf(const QString& path);
// Every name in the folder, hidden ones included.
QStringList NamesIn(const QString& folder);

// The shell's game, shown, with the checks that say it is still playable.
class Game : public test::Game {
public:
    std::string Local(const QString& name) const;
    // Builds the main window on the folder (running its start-up) and shows it.
    Form1& Start();

    // A left press and release in the middle of cell (x, y) of the field.
    void PressCell(int x, int y);
    // True when the board is shown with its commands on, and a press on
    // cell (x, y) paints it black in the player's grid and on the screen.
    bool Playable(int x = 0, int y = 0);
};

}  // namespace grizzet::robust
