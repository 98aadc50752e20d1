#include "app/report/reports.h"

#include "app/report/reportdesignerdialog.h"
#include "app/report/reportengine.h"
#include "app/report/reportpreviewdialog.h"
#include "app/report/reporttemplatefile.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString g_templateDir;

// The template of that name, or the empty layout when there is none (or the
// file cannot be read).
ReportTemplate loadTemplate(const QString &templateName)
{
    ReportTemplate report = ReportTemplate::empty();
    const QString path = ReportTemplateFile::find(reportTemplateDir(), templateName);
    if (path.isEmpty())
        return report;
    QString error;
    if (!ReportTemplateFile::load(path, &report, &error)) {
        qWarning("report template %s unreadable: %s", qPrintable(path), qPrintable(error));
        return ReportTemplate::empty();
    }
    return report;
}

}  // namespace

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

void PreviewReport(const QString &templateName, const ReportData &data, QWidget *parent)
{
    const ReportTemplate report = loadTemplate(templateName);
    ReportPreviewDialog dialog(
        [report, data](const QPageLayout &layout) {
            return ReportEngine::run(report, data, layout);
        },
        report.pageLayout(), ReportTemplateFile::baseName(templateName), parent);
    dialog.exec();
}

void DesignReport(const QString &templateName, const ReportData &data, QWidget *parent)
{
    ReportDesignerDialog dialog(templateName, data, parent);
    dialog.exec();
}

bool RenderReportToPdf(const QString &templateName, const ReportData &data, const QString &pdfPath)
{
    const ReportDocument document = ReportEngine::run(loadTemplate(templateName), data);
    return document.writePdf(pdfPath, ReportTemplateFile::baseName(templateName));
}
