#pragma once

#include "app/report/reportdata.h"

#include <QString>

class QWidget;

// The report functions the windows call ("打印" and "设置").
//
// templateName is the template's base name as the windows give it
// ("frFYinfoGL"); a leading path such as "\Qr\" and an extension such as
// ".fr3" are ignored. The file is looked up without regard to letter case in
// the template folder (<program folder>/Qr unless setReportTemplateDir()
// changed it). A missing template starts from an empty layout, silently.

// Lays the report out and shows it in the preview window, from which the
// user prints, sets up the page, zooms, pages and exports to PDF. Modal.
void PreviewReport(const QString &templateName, const ReportData &data, QWidget *parent);

// Opens the report designer on the template, modally; the user edits the
// layout, sees the result with the data given and saves it.
void DesignReport(const QString &templateName, const ReportData &data, QWidget *parent);

// Renders the report into a PDF file without any window (tests, batch use).
bool RenderReportToPdf(const QString &templateName, const ReportData &data, const QString &pdfPath);

// The folder the templates are read from and saved to.
QString reportTemplateDir();
// Changes that folder; an empty path brings back <program folder>/Qr.
void setReportTemplateDir(const QString &dir);
