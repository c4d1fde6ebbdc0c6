#include "robust/robust_helpers.h"

#include "model/PuzzleState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

#include <sys/stat.h>

namespace grizzet::robust {

QByteArray RandomBytes(quint32 seed, int size)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes;
}

QString KindOf(const QString& path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("none");
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("link");
    if (S_ISREG(info.st_mode))
        return QStringLiteral("file");
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("folder");
    if (S_ISFIFO(info.st_mode))
        return QStringLiteral("fifo");
    return QStringLiteral("other");
}

QStringList NamesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

std::string Game::Local(const QString& name) const { return QFile::encodeName(FileIn(name)).toStdString(); }

Form1& Game::Start()
{
    Form1& started = test::Game::Start();
    started.show();
    return started;
}

void Game::PressCell(int x, int y)
{
    const double pixels = state.CellSize * PixelsPerUnit(ScaleUnit::Point);
    const QPoint middle(static_cast<int>(std::floor((x + 0.5) * pixels)),
                        static_cast<int>(std::floor((y + 0.5) * pixels)));
    QTest::mousePress(form().HetVeld, Qt::LeftButton, {}, middle);
    QTest::mouseRelease(form().HetVeld, Qt::LeftButton, {}, middle);
}

bool Game::Playable(int x, int y)
{
    if (!form().Picture1->isVisible() || !form().cmdClear->isEnabled() || !form().cmdOplossing->isEnabled()
        || state.CellSize <= 0 || x >= state.PuzzleWidth || y >= state.PuzzleHeight)
        return false;
    state.PlayerGrid(x, y) = 0;
    PressCell(x, y);
    const float c = state.CellSize;
    const QRgb middle = form().HetVeld->Point((x + 0.5f) * c, (y + 0.5f) * c) & 0xFFFFFF;
    return state.PlayerGrid(x, y) == state.ButtonColour[0] && state.ButtonColour[0] == 1 && middle == 0;
}

}  // namespace grizzet::robust
