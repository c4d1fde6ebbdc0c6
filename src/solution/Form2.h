// The solution window: the picture at the field's size, with dots on wrong
// and on unpainted cells as its two check boxes ask. Closing it only hides it
// unless its owner says it is closing.
#pragma once

#include "model/PuzzleState.h"
#include "platform/Surface.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace grizzet {

class Form2 : public QDialog {
    Q_OBJECT
public:
    // Shows the state's picture at the size of the field, in the chooser's
    // colours; asks ownerClosing whether a close is for good.
    Form2(QWidget& owner, const PuzzleState& state, const Surface& field, const Surface& chooser,
          std::function<bool()> ownerClosing);

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
    const std::function<bool()> ownerClosing_;
    bool placed_ = false;
};

}  // namespace grizzet
