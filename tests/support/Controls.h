// The main window's controls, found by their design names as any tool finds
// them: the window keeps them to itself. Tests and the benchmarks use this one
// driver.
#pragma once

#include "board/Board.h"
#include "platform/LineControl.h"
#include "platform/Surface.h"
#include "solution/Form2.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>

namespace grizzet::test {

// The control of that name and kind in the window's area or its menus; the
// solution window, which uses two of the same names, lies in neither.
template <typename Control>
Control* Named(const QMainWindow& window, const char* name)
{
    for (const QObject* part : {static_cast<QObject*>(window.centralWidget()), static_cast<QObject*>(window.menuBar())})
        if (auto* found = part->findChild<Control*>(QLatin1String(name)))
            return found;
    qFatal("The window has no control named %s", name);
}

struct Controls {
    explicit Controls(const QMainWindow& window) : window_(window) {}

    // The solution window, while it exists.
    Form2* Solution() const { return window_.findChild<Form2*>(QStringLiteral("Form2")); }
    BoardSurfaces Board() const { return {*Picture1, *HetVeld, *KiezerL}; }

private:
    template <typename Control>
    Control* Find(const char* name) const { return Named<Control>(window_, name); }
    const QMainWindow& window_;

public:
    QFrame* const Sizer = Find<QFrame>("Sizer");
    QPushButton* const cmdClear = Find<QPushButton>("cmdClear");
    QPushButton* const cmdErrors = Find<QPushButton>("cmdErrors");
    QPushButton* const cmdOplossing = Find<QPushButton>("cmdOplossing");
    Surface* const KiezerL = Find<Surface>("KiezerL");
    QLabel* const Positie = Find<QLabel>("Positie");
    QLabel* const MuisL = Find<QLabel>("MuisL");
    QLabel* const MuisR = Find<QLabel>("MuisR");
    LineControl* const LijnL = Find<LineControl>("LijnL");
    Surface* const Picture1 = Find<Surface>("Picture1");
    Surface* const HetVeld = Find<Surface>("HetVeld");
    QMenu* const MMbestand = Find<QMenu>("MMbestand");
    QAction* const MMopen = Find<QAction>("MMopen");
    // The five instances of one menu item, in their order.
    const QList<QAction*> MMrecent = window_.menuBar()->findChildren<QAction*>(QRegularExpression("^MMrecent[0-4]$"));
    QAction* const MMlijn2 = Find<QAction>("MMlijn2");
    QAction* const MMclose = Find<QAction>("MMclose");
    QMenu* const MMtaal = Find<QMenu>("MMtaal");
    QAction* const MMnederlands = Find<QAction>("MMnederlands");
    QAction* const MMitaliano = Find<QAction>("MMitaliano");
};

}  // namespace grizzet::test
