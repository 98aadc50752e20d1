#include "app/tools.h"

#include "app/messages.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

const QString DesktopTools::kHelpFile = QStringLiteral("help.CHM");
const QString DesktopTools::kWebSite = QStringLiteral("https://www.korrin-soft.example/");

QStringList DesktopTools::calculatorCandidates()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"), QStringLiteral("mate-calc"), QStringLiteral("xcalc")};
}

QStringList DesktopTools::textEditorCandidates()
{
    return {QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kate"),
            QStringLiteral("kwrite"), QStringLiteral("mousepad"), QStringLiteral("xed"),
            QStringLiteral("pluma"), QStringLiteral("leafpad")};
}

QString DesktopTools::findProgram(const QStringList &candidates)
{
    for (const QString &name : candidates) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

bool DesktopTools::start(const QStringList &candidates, const QString &missingMessage)
{
    const QString program = findProgram(candidates);
    if (program.isEmpty() || !QProcess::startDetached(program, {})) {
        ShowMess(missingMessage, MessWarning);
        return false;
    }
    return true;
}

bool DesktopTools::startCalculator()
{
    return start(calculatorCandidates(), QStringLiteral("没有找到计算器程序，请先安装一个计算器。"));
}

bool DesktopTools::startTextEditor()
{
    return start(textEditorCandidates(), QStringLiteral("没有找到文本编辑程序，请先安装一个文本编辑器。"));
}

QString DesktopTools::findHelpFile(const QString &programFolder)
{
    const QDir folder(programFolder);
    const QStringList chm = folder.entryList({kHelpFile}, QDir::Files | QDir::CaseSensitive);
    if (!chm.isEmpty())
        return folder.filePath(chm.first());
    // Names are compared without regard to letter case, as the program always did.
    const QStringList all = folder.entryList(QDir::Files);
    for (const QString &name : all) {
        if (name.compare(kHelpFile, Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    }
    for (const QString &name : {QStringLiteral("help.html"), QStringLiteral("help/index.html")}) {
        if (QFileInfo::exists(folder.filePath(name)))
            return folder.filePath(name);
    }
    return QString();
}

bool DesktopTools::openHelp(const QString &programFolder)
{
    const QString file = findHelpFile(programFolder);
    if (!file.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        return true;
    ShowMess(QStringLiteral("无法打开帮助文件 ") + kHelpFile + QStringLiteral("。"), MessWarning);
    return false;
}

bool DesktopTools::openWebSite()
{
    return QDesktopServices::openUrl(QUrl(kWebSite));
}
