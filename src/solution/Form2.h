// The solution window: the picture at the field's size, with dots on wrong
// and on unpainted cells as its two check boxes ask. Closing it only hides it
// until its owner's Tag says "CLOSE".
#pragma once

#include "model/PuzzleState.h"
#include "platform/Surface.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace grizzet {

class Form2 : public QDialog {
    Q_OBJECT
public:
    // Shows the state's picture at the size of the field, in the chooser's colours.
    Form2(QWidget& owner, const PuzzleState& state, const Surface& field, const Surface& chooser,
          const QString& ownerTag);

    Surface* Picture1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QCheckBox* chkFouten = nullptr;
    QCheckBox* chkOntbreken = nullptr;
    QPushButton* cmdOK = nullptr;

    // The six opening steps, on a click of Give Solution.
    void Open();
    void TekenOplossingHokjes();

    void chkFouten_Click();
    void chkOntbreken_Click();
    void cmdOK_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape presses cmdOK, as Enter does through the default button.
    void reject() override;
    // A caption changed by a language switch refits its check box.
    bool event(QEvent* event) override;

private:
    void FitCheckBoxes();
    const PuzzleState& state_;
    const Surface& field_;
    const Surface& chooser_;
    const QString& ownerTag_;
    bool placed_ = false;
};

}  // namespace grizzet
