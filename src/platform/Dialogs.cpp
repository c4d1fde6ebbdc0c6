#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

namespace grizzet {

std::function<void(const MsgBoxCall&)> MsgBoxHook;
std::function<QString(const OpenDialogCall&)> OpenDialogHook;

void MsgBox(QWidget* parent, MsgIcon icon, const QString& title, const QString& text)
{
    if (MsgBoxHook) {
        MsgBoxHook({icon, title, text});
        return;
    }
    QMessageBox box(icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    TitleAsWritten(title), text, QMessageBox::Ok, parent);
    // The box must answer even while a load shows the busy pointer.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
}

QString QtFilterOf(const QString& pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'));
        // "*.*" means every file; here it would ask for a dot in the name.
        patterns.replaceInStrings(QRegularExpression(QStringLiteral("^\\*\\.\\*$")), QStringLiteral("*"));
        // Qt reads the patterns from the last parentheses of a filter, so a
        // description that already names them is stripped of its own.
        const int open = description.lastIndexOf(QLatin1Char('('));
        if (open > 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return filters.join(QStringLiteral(";;"));
}

namespace {

// Qt's file dialog keeps its history, last folder and view in the user's Qt
// settings. The game keeps nothing between runs but its two files beside it,
// so those settings go to a folder that lasts only as long as the program.
void KeepDialogSettingsForThisRun()
{
    static QTemporaryDir scratch;
    static bool moved = false;
    if (moved || !scratch.isValid())
        return;
    moved = true;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, scratch.path());
}

}  // namespace

QString ShowOpen(QWidget* parent, const QString& initialFolder, const QString& filter)
{
    if (OpenDialogHook)
        return OpenDialogHook({initialFolder, filter});
    KeepDialogSettingsForThisRun();
    QFileDialog dialog(parent, QString(), initialFolder, filter);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString TitleAsWritten(const QString& title)
{
    // Qt shows "[*][*]" as one literal "[*]".
    QString escaped = title;
    return escaped.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

void UseQtTexts(const QString& languageCode)
{
    static QPointer<QTranslator> translator;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    if (languageCode != QStringLiteral("nl") && languageCode != QStringLiteral("it"))
        return;
    translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(languageCode), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

void ShowBusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void ShowNormalPointer()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

}  // namespace grizzet
