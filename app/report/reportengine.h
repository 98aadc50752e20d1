#pragma once

#include "app/report/reportdata.h"
#include "app/report/reportdocument.h"
#include "app/report/reporttemplate.h"

// Lays a template out over the data of a window: title, page headers and
// footers, one master band per row of the first data set with the detail
// rows below it, the summary; bands that do not fit go to the next page.
class ReportEngine {
public:
    static ReportDocument run(const ReportTemplate &report, const ReportData &data);
    // The same on other paper: size, orientation and margins from layout.
    static ReportDocument run(const ReportTemplate &report, const ReportData &data, const QPageLayout &layout);

    // Height in mm that text needs in a text object of the given style and width.
    static double textHeight(const ReportItem &style, double width, const QString &text);
};
