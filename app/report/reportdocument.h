#pragma once

#include "app/report/reporttemplate.h"

#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>

class QPainter;
class QPrinter;

// A prepared report: its pages with every object placed and every text
// expanded, ready to be painted onto a preview, a printer or a PDF file.
// Positions are millimetres from the paper's top left corner.
class ReportDocument {
public:
    struct Placed {
        ReportItem style;      // kind, font, frame, colours, alignment
        QRectF rect;           // mm on the paper
        QString text;          // expanded text of a text object
    };
    using Page = QList<Placed>;

    QPageLayout pageLayout;
    QList<Page> pages;

    int pageCount() const { return int(pages.size()); }
    // Paints one page; the painter's device decides the resolution. The
    // painter's origin must be the paper's corner (QPrinter::setFullPage).
    void paintPage(QPainter *painter, int index) const;
    // Paints every page onto an open printer, one page after the other.
    void print(QPrinter *printer) const;
    bool writePdf(const QString &path, const QString &title = QString(),
                  QString *error = nullptr) const;
    // The texts of one page in placing order, one per line (tests and search).
    QString pageText(int index) const;

    static QFont fontOf(const ReportItem &item);
    // Inner padding of a text object, mm.
    static constexpr double kPadding = 1.0;
};
