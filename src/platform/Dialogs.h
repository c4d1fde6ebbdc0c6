// Modal message boxes, the Open dialog and the busy pointer. Tests replace the
// box and the dialog through their hooks to record and answer them.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace grizzet {

enum class MsgIcon { Critical, Information };

struct MsgBoxCall {
    MsgIcon icon;
    QString title;
    QString text;
};

// A modal box with one OK button; returns once it is closed.
void MsgBox(QWidget* parent, MsgIcon icon, const QString& title, const QString& text);
// When set, MsgBox calls this instead of showing a box.
extern std::function<void(const MsgBoxCall&)> MsgBoxHook;

struct OpenDialogCall {
    QString initialFolder;
    QString filter;   // "Description (*.a *.b);;..." in Qt's form
};

// The Open dialog; returns the chosen path, or an empty string when cancelled.
// A typed name that does not exist is returned too: the reader decides.
QString ShowOpen(QWidget* parent, const QString& initialFolder, const QString& filter);
// When set, ShowOpen returns what this answers instead of showing a dialog.
extern std::function<QString(const OpenDialogCall&)> OpenDialogHook;

// Turns a filter of "Description|*.a;*.b|..." pairs into Qt's form.
QString QtFilterOf(const QString& pairs);

// A window title shown exactly as written: Qt would take "[*]" for its
// placeholder of the modified mark.
QString TitleAsWritten(const QString& title);

// Qt's own texts (the Open dialog's, the message boxes' buttons) in the
// language with this code ("nl", "it"); English for any other, or where Qt's
// translations are not installed.
void UseQtTexts(const QString& languageCode);

void ShowBusyPointer();
void ShowNormalPointer();

}  // namespace grizzet
