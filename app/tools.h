#pragma once

#include <QString>
#include <QStringList>

// The small tools of the main window's "辅助" menu: the calculator and text
// editor found on this system, the help file and the maker's web site.
class DesktopTools {
public:
    static const QString kHelpFile;   // "help.CHM"
    static const QString kWebSite;

    // The programs looked for, in order of preference.
    static QStringList calculatorCandidates();
    static QStringList textEditorCandidates();
    // The full path of the first candidate found on the search path, or empty.
    static QString findProgram(const QStringList &candidates);

    // Start the program; when none is installed the user is told so.
    static bool startCalculator();
    static bool startTextEditor();

    // The help file beside the program: help.CHM in any letter case, else the
    // HTML help (help.html or help/index.html); empty when there is none.
    static QString findHelpFile(const QString &programFolder);
    // Opens the help with the desktop's handler for its file type.
    static bool openHelp(const QString &programFolder);
    static bool openWebSite();

private:
    static bool start(const QStringList &candidates, const QString &missingMessage);
};
