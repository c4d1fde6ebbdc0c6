// A game started in its own temporary program folder, with the message boxes
// recorded instead of shown.
#pragma once

#include "model/PuzzleState.h"
#include "platform/Dialogs.h"
#include "shell/Form1.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace grizzet::test {

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
// "recent.ini" as the game writes it: a length byte and the bytes of each path.
QByteArray RecentIniOf(const std::vector<QByteArray>& paths);
// The captions of the recent items that are shown, top to bottom.
QStringList RecentCaptions(Form1& form);
// A small black-and-white picture the reader accepts.
QByteArray SmallPbm();
// A colour picture with maximum sample value 255, which gets the colours message.
QByteArray SmallPpm();

class Game {
public:
    Game();
    ~Game();

    // The program folder, ending in "/".
    QString Folder() const { return dir_.path() + QLatin1Char('/'); }
    QString FileIn(const QString& name) const { return Folder() + name; }
    // Writes a small picture file into the program folder and gives its path.
    std::string Picture(const QString& name, const QByteArray& bytes = SmallPbm());

    // Starts the game; the folder may be given without its final "/".
    Form1& Start(const std::string& folder = {});
    void Close();
    Form1& form() { return *form_; }

    PuzzleState state;
    std::vector<MsgBoxCall> messages;

private:
    QTemporaryDir dir_;
    std::unique_ptr<Form1> form_;
};

}  // namespace grizzet::test
