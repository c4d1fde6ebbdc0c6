// A game started in its own temporary program folder, with its message boxes
// recorded, and the checks that say it is still playable.
#pragma once

#include "model/PuzzleState.h"
#include "platform/Dialogs.h"
#include "shell/Form1.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace grizzet::robust {

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
// A 3 by 2 black-and-white picture the reader accepts.
QByteArray SmallPbm();
// "recent.ini" as the game writes it: a length byte and the bytes of each path.
QByteArray RecentIniOf(const std::vector<QByteArray>& paths);
// Seeded, so every run sees the same bytes.
QByteArray RandomBytes(quint32 seed, int size);
// What lies at the path, without following a link: "file", "folder", "fifo",
// "link", "other" or "none".
QString KindOf(const QString& path);
// Every name in the folder, hidden ones included.
QStringList NamesIn(const QString& folder);

class Game {
public:
    Game();
    ~Game();

    QString Folder() const { return dir_.path() + QLatin1Char('/'); }
    QString FileIn(const QString& name) const { return Folder() + name; }
    std::string Local(const QString& name) const;
    // Writes a picture file into the program folder and gives its path.
    std::string Picture(const QString& name, const QByteArray& bytes = SmallPbm());

    // Builds the main window on the folder (running its start-up) and shows it.
    Form1& Start();
    void Close();
    Form1& form() { return *form_; }

    // A left press and release in the middle of cell (x, y) of the field.
    void PressCell(int x, int y);
    // True when the board is shown with its commands on, and a press on
    // cell (x, y) paints it black in the player's grid and on the screen.
    bool Playable(int x = 0, int y = 0);

    PuzzleState state;
    std::vector<MsgBoxCall> messages;

private:
    QTemporaryDir dir_;
    std::unique_ptr<Form1> form_;
};

}  // namespace grizzet::robust
