// The solution window's controls, as designed; created once, hidden. Every
// way of dismissing it only hides it, so its check boxes and its position
// carry over to the next showing.
#include "solution/Form2.h"

#include "board/Board.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace grizzet {

Form2::Form2(QWidget& owner, const PuzzleState& state, const Surface& field, const Surface& chooser,
             std::function<bool()> ownerClosing)
    : QDialog(&owner), state_(state), field_(field), chooser_(chooser), ownerClosing_(std::move(ownerClosing))
{
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);

    Picture1 = new Surface(this);
    Picture1->move(TwipsToPixels(120), TwipsToPixels(120));
    Picture1->SetScaleUnit(ScaleUnit::Point);
    Picture1->SetBackColor(GridGrey);
    Picture1->Cls();

    // The legends' pictures come at each opening, at the screen's scale.
    Image1 = new QLabel(this);
    Image1->setGeometry(TwipsToPixels(120), 0, 16, 18);
    Image2 = new QLabel(this);
    Image2->setGeometry(TwipsToPixels(120), 0, 17, 18);

    chkFouten = new QCheckBox(this);
    chkFouten->move(TwipsToPixels(480), 0);
    chkFouten->setChecked(true);
    chkOntbreken = new QCheckBox(this);
    chkOntbreken->move(TwipsToPixels(480), 0);
    chkOntbreken->setChecked(true);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->resize(TwipsToPixels(1095), TwipsToPixels(375));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);

    setObjectName(QStringLiteral("Form2"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image2->setObjectName(QStringLiteral("Image2"));
    chkFouten->setObjectName(QStringLiteral("chkFouten"));
    chkOntbreken->setObjectName(QStringLiteral("chkOntbreken"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));

    connect(chkFouten, &QCheckBox::clicked, this, [this] { chkFouten_Click(); });
    connect(chkOntbreken, &QCheckBox::clicked, this, [this] { chkOntbreken_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void Form2::chkFouten_Click() { TekenOplossingHokjes(); }

void Form2::chkOntbreken_Click() { TekenOplossingHokjes(); }

void Form2::cmdOK_Click() { hide(); }

void Form2::reject() { cmdOK->click(); }

void Form2::closeEvent(QCloseEvent* event)
{
    // Only the main window's unload really closes the window.
    if (ownerClosing_()) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
}

bool Form2::event(QEvent* event)
{
    // A check box whose caption changed asks its parent to lay it out again.
    if (event->type() == QEvent::LayoutRequest)
        FitCheckBoxes();
    return QDialog::event(event);
}

void Form2::FitCheckBoxes()
{
    chkFouten->adjustSize();
    chkOntbreken->adjustSize();
}

}  // namespace grizzet
