#include "app/report/reports.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString g_templateDir;
}

QString reportTemplateDir()
{
    if (!g_templateDir.isEmpty())
        return g_templateDir;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Qr"));
}

void setReportTemplateDir(const QString &dir)
{
    g_templateDir = dir;
}

void PreviewReport(const QString &, const ReportData &, QWidget *)
{
}

void DesignReport(const QString &, const ReportData &, QWidget *)
{
}

bool RenderReportToPdf(const QString &, const ReportData &, const QString &)
{
    return false;
}
