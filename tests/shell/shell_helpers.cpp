#include "shell/shell_helpers.h"

#include <QAction>
#include <QFile>
#include <QTest>

namespace grizzet::test {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray RecentIniOf(const std::vector<QByteArray>& paths)
{
    QByteArray bytes;
    for (const QByteArray& path : paths) {
        bytes += static_cast<char>(path.size());
        bytes += path;
    }
    return bytes;
}

QStringList RecentCaptions(Form1& form)
{
    QStringList captions;
    for (QAction* item : form.MMrecent)
        if (item->isVisible())
            captions << item->text();
    return captions;
}

QByteArray SmallPbm() { return QByteArray("P1\n3 2\n1 0 1\n0 1 0\n"); }

QByteArray SmallPpm() { return QByteArray("P3\n2 1\n255\n255 0 0  0 0 255\n"); }

Game::Game()
{
    MsgBoxHook = [this](const MsgBoxCall& call) { messages.push_back(call); };
}

Game::~Game()
{
    form_.reset();
    MsgBoxHook = nullptr;
    OpenDialogHook = nullptr;
}

std::string Game::Picture(const QString& name, const QByteArray& bytes)
{
    WriteBytes(FileIn(name), bytes);
    return QFile::encodeName(FileIn(name)).toStdString();
}

Form1& Game::Start(const std::string& folder)
{
    form_ = std::make_unique<Form1>(state, folder.empty() ? QFile::encodeName(Folder()).toStdString() : folder);
    return *form_;
}

void Game::Close() { form_->close(); }

}  // namespace grizzet::test
