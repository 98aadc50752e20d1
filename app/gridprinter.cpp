#include "app/gridprinter.h"

#include "app/grid/gridmodel.h"
#include "app/report/reportengine.h"

namespace {

constexpr double kMmPerPixel = 25.4 / 96.0;
constexpr double kRowHeight = 6.5;
constexpr double kTitleLine = 6;
constexpr double kTitleMain = 10;
constexpr double kPageHeader = 7;
constexpr double kPageFooter = 8;
const QColor kHeaderFill(0xdf, 0xe6, 0xee);

Qt::Alignment alignmentOf(int code)
{
    switch (code) {
    case 1:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case 2:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

struct Row {
    QStringList texts;
    QList<Qt::Alignment> alignments;
    bool bold = false;
};

// Places the grid onto pages: page header, title (first page), column
// titles, rows and the footer row; page footers last, once the count is known.
class PageFlow {
public:
    PageFlow(const GridPrinter &printer, const QPageLayout &page, const QList<double> &widths)
        : m_printer(printer), m_widths(widths), m_body(page.paintRect(QPageLayout::Millimeter))
    {
        m_doc.pageLayout = page;
        m_bottom = m_body.bottom() - kPageFooter;
    }

    void start(const Row &captions)
    {
        m_captions = captions;
        newPage(true);
    }

    void add(const Row &row, bool wrap)
    {
        const double height = rowHeight(row, wrap);
        if (m_y + height > m_bottom + 0.01 && m_y > m_bodyTop + 0.01)
            newPage(false);
        placeRow(row, height, wrap, false);
    }

    ReportDocument finish()
    {
        const int count = int(m_doc.pages.size());
        for (int p = 0; p < count; ++p) {
            const QRectF line(m_body.left(), m_bottom + 2, m_body.width(), kPageFooter - 2);
            place(p, text(8.5, Qt::AlignHCenter), line, QStringLiteral("第 %1 页，共 %2 页").arg(p + 1).arg(count));
            if (!m_printer.pageFooterRight.trimmed().isEmpty())
                place(p, text(8.5, Qt::AlignRight), line, m_printer.pageFooterRight);
        }
        return m_doc;
    }

private:
    static ReportItem text(double size, Qt::Alignment horizontal, bool bold = false)
    {
        ReportItem style;
        style.fontSize = size;
        style.bold = bold;
        style.alignment = horizontal | Qt::AlignVCenter;
        return style;
    }

    ReportItem cell(const Row &row, bool wrap, bool header) const
    {
        ReportItem style = text(9, Qt::AlignLeft, row.bold);
        style.frame = ReportItem::FrameAll;
        style.wordWrap = wrap;
        if (header && m_printer.colour)
            style.background = kHeaderFill;
        return style;
    }

    double rowHeight(const Row &row, bool wrap) const
    {
        double height = kRowHeight;
        if (!wrap)
            return height;
        const ReportItem style = cell(row, true, false);
        for (int i = 0; i < row.texts.size(); ++i) {
            const double inner = m_widths.at(i) - 2 * ReportDocument::kPadding;
            height = qMax(height, ReportEngine::textHeight(style, inner, row.texts.at(i)) + ReportDocument::kPadding);
        }
        return height;
    }

    void placeRow(const Row &row, double height, bool wrap, bool header)
    {
        double x = m_body.left();
        for (int i = 0; i < row.texts.size(); ++i) {
            ReportItem style = cell(row, wrap, header);
            style.alignment = row.alignments.at(i);
            place(int(m_doc.pages.size()) - 1, style, QRectF(x, m_y, m_widths.at(i), height), row.texts.at(i));
            x += m_widths.at(i);
        }
        m_y += height;
    }

    void place(int page, const ReportItem &style, const QRectF &rect, const QString &content)
    {
        ReportDocument::Placed placed;
        placed.style = style;
        placed.rect = rect;
        placed.text = content;
        m_doc.pages[page].append(placed);
    }

    void newPage(bool first)
    {
        m_doc.pages.append(ReportDocument::Page());
        const int page = int(m_doc.pages.size()) - 1;
        m_y = m_body.top();
        if (!m_printer.pageHeaderLeft.trimmed().isEmpty()) {
            place(page, text(9, Qt::AlignLeft), QRectF(m_body.left(), m_y, m_body.width(), kPageHeader - 1),
                  m_printer.pageHeaderLeft);
            m_y += kPageHeader;
        }
        if (first) {
            for (int i = 0; i < m_printer.title.size(); ++i) {
                const bool main = i == 1;
                const double height = main ? kTitleMain : kTitleLine;
                place(page, text(main ? 15 : 10, Qt::AlignHCenter, main),
                      QRectF(m_body.left(), m_y, m_body.width(), height), m_printer.title.at(i));
                m_y += height;
            }
        }
        if (!m_captions.texts.isEmpty())
            placeRow(m_captions, rowHeight(m_captions, true), true, true);
        m_bodyTop = m_y;
    }

    const GridPrinter &m_printer;
    QList<double> m_widths;
    QRectF m_body;
    double m_bottom = 0;
    double m_y = 0;
    double m_bodyTop = 0;
    Row m_captions;
    ReportDocument m_doc;
};

}  // namespace

GridPrinter &GridPrinter::shared()
{
    static GridPrinter printer;
    return printer;
}

double GridPrinter::naturalWidth() const
{
    double width = 0;
    for (const GridSnapshotColumn &column : m_grid.columns) {
        if (column.visible)
            width += qMax(1, column.width) * kMmPerPixel;
    }
    return width;
}

QPageLayout GridPrinter::defaultPageLayout() const
{
    const QMarginsF margins(10, 10, 10, 10);
    const QPageLayout portrait(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter);
    if (naturalWidth() > portrait.paintRect(QPageLayout::Millimeter).width())
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, margins, QPageLayout::Millimeter);
    return portrait;
}

ReportDocument GridPrinter::layout(const QPageLayout &page) const
{
    // Visible columns, scaled to the page width.
    QList<int> columns;
    QList<double> widths;
    for (int c = 0; c < m_grid.columns.size(); ++c) {
        if (!m_grid.columns.at(c).visible)
            continue;
        columns << c;
        widths << qMax(1, m_grid.columns.at(c).width) * kMmPerPixel;
    }
    const double natural = naturalWidth();
    const double available = page.paintRect(QPageLayout::Millimeter).width();
    if (fitToPageWidth && natural > 0) {
        for (double &w : widths)
            w *= available / natural;
    }

    Row captions;
    captions.bold = true;
    for (int c : columns) {
        captions.texts << m_grid.columns.at(c).caption;
        captions.alignments << (Qt::AlignHCenter | Qt::AlignVCenter);
    }
    PageFlow flow(*this, page, widths);
    flow.start(captions);

    const bool wrap = rowHeights == RowHeights::StretchToText;
    for (const QList<QVariant> &values : m_grid.rows) {
        Row row;
        for (int c : columns) {
            const GridSnapshotColumn &column = m_grid.columns.at(c);
            row.texts << GridModel::formatValue(values.value(c), column.displayFormat);
            row.alignments << alignmentOf(column.alignment);
        }
        flow.add(row, wrap);
    }

    // The grid's footer row: fixed texts and sums.
    Row footer;
    footer.bold = true;
    bool hasFooter = false;
    for (int c : columns) {
        const GridSnapshotColumn &column = m_grid.columns.at(c);
        QString text;
        if (column.footerType == 1) {
            text = column.footerText;
        } else if (column.footerType == 2) {
            double sum = 0;
            for (const QList<QVariant> &values : m_grid.rows)
                sum += values.value(c).toDouble();
            text = GridModel::formatValue(sum, column.displayFormat);
        }
        hasFooter = hasFooter || column.footerType == 1 || column.footerType == 2;
        footer.texts << text;
        footer.alignments << alignmentOf(column.alignment);
    }
    if (hasFooter)
        flow.add(footer, wrap);
    return flow.finish();
}
