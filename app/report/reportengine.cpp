#include "app/report/reportengine.h"

#include "app/report/reportdataset.h"
#include "app/report/reportexpander.h"

#include <QFontMetricsF>
#include <QImage>

namespace {

constexpr double kMeasureDpi = 1200;
constexpr double kMmPerInch = 25.4;
constexpr double kTolerance = 0.05;
// Stands for the page count until the last page is known.
const QString kTotalPagesToken = QStringLiteral("\uE000\uE001\uE000");

class Layout {
public:
    Layout(const ReportTemplate &report, const ReportData &data)
        : m_report(report), m_data(data), m_master(data.master), m_detail(data.detail)
    {
        m_doc.pageLayout = report.pageLayout();
        const QRectF paper = m_doc.pageLayout.fullRect(QPageLayout::Millimeter);
        m_left = report.margins.left();
        m_top = report.margins.top();
        m_bottom = paper.height() - report.margins.bottom();
        if (const ReportBand *footer = report.band(ReportBand::Type::PageFooter))
            m_bottom -= footer->height;
        m_context.master = &m_master;
        m_context.detail = &m_detail;
        m_context.variables = ReportExpander::foldVariables(data.variables);
        m_context.totalPages = kTotalPagesToken;
        for (auto it = data.objectTexts.cbegin(); it != data.objectTexts.cend(); ++it)
            m_objectTexts.insert(it.key().toLower(), it.value());
    }

    ReportDocument run()
    {
        startPage();
        resetToCurrentRows();
        place(ReportBand::Type::ReportTitle);
        placePageHeaders();
        printData();
        resetToCurrentRows();
        place(ReportBand::Type::ReportSummary);
        endPage();
        const QString total = QString::number(m_doc.pages.size());
        for (ReportDocument::Page &page : m_doc.pages) {
            for (ReportDocument::Placed &placed : page)
                placed.text.replace(kTotalPagesToken, total);
        }
        return m_doc;
    }

private:
    void resetToCurrentRows()
    {
        m_context.masterRow = m_data.masterCurrentRow;
        m_context.detailRow = 0;
        m_context.inDetailGroup = false;
        m_context.detailGroup.clear();
        m_context.line = 0;
    }

    QList<int> detailRowsFor(int masterRow)
    {
        if (m_data.masterRowChanged) {
            m_data.masterRowChanged(masterRow);
            m_detail.refresh();
        }
        QList<int> rows;
        const bool linked = !m_data.masterKeyField.isEmpty() && !m_data.detailKeyField.isEmpty();
        const QVariant key = linked ? m_master.value(masterRow, m_data.masterKeyField) : QVariant();
        const int column = linked ? m_detail.fieldIndex(m_data.detailKeyField) : -1;
        for (int r = 0; r < m_detail.rowCount(); ++r) {
            if (!linked || m_detail.value(r, column).toString().trimmed() == key.toString().trimmed())
                rows.append(r);
        }
        return rows;
    }

    void printDetailGroup(const QList<int> &rows)
    {
        m_context.inDetailGroup = true;
        m_context.detailGroup = rows;
        m_context.detailRow = rows.isEmpty() ? 0 : rows.first();
        m_context.line = 0;
        place(ReportBand::Type::DetailHeader);
        for (int i = 0; i < rows.size(); ++i) {
            m_context.detailRow = rows.at(i);
            m_context.line = i + 1;
            place(ReportBand::Type::DetailData);
        }
        if (!rows.isEmpty())
            m_context.detailRow = rows.last();
        place(ReportBand::Type::DetailFooter);
        m_context.inDetailGroup = false;
        m_context.detailGroup.clear();
    }

    void printData()
    {
        const bool hasMasterBand = m_report.band(ReportBand::Type::MasterData) != nullptr;
        const bool hasDetailBand = m_report.band(ReportBand::Type::DetailData) != nullptr;
        if (hasMasterBand && !m_master.isNull()) {
            for (int r = 0; r < m_master.rowCount(); ++r) {
                m_context.masterRow = r;
                m_context.line = r + 1;
                place(ReportBand::Type::MasterData);
                if (hasDetailBand && !m_detail.isNull()) {
                    m_context.masterRow = r;
                    printDetailGroup(detailRowsFor(r));
                }
            }
        } else if (hasDetailBand && !m_detail.isNull()) {
            QList<int> rows;
            for (int r = 0; r < m_detail.rowCount(); ++r)
                rows.append(r);
            printDetailGroup(rows);
        }
    }

    void startPage()
    {
        m_doc.pages.append(ReportDocument::Page());
        m_y = m_top;
        m_context.page = int(m_doc.pages.size());
        m_pageHasData = false;
    }

    void placePageHeaders()
    {
        const ReportContext saved = m_context;
        resetToCurrentRows();
        m_context.page = saved.page;
        place(ReportBand::Type::PageHeader);
        place(ReportBand::Type::ColumnHeader);
        m_context = saved;
        m_pageHasData = false;
    }

    void endPage()
    {
        const ReportBand *footer = m_report.band(ReportBand::Type::PageFooter);
        if (!footer)
            return;
        const ReportContext saved = m_context;
        resetToCurrentRows();
        m_context.page = saved.page;
        m_y = m_bottom;
        placeAt(*footer, m_bottom);
        m_context = saved;
    }

    void newPage()
    {
        endPage();
        startPage();
        placePageHeaders();
    }

    QString textOf(const ReportItem &item) const
    {
        if (!item.name.isEmpty()) {
            const auto it = m_objectTexts.constFind(item.name.toLower());
            if (it != m_objectTexts.cend())
                return it.value();
        }
        return ReportExpander::expand(item.text, m_context, item.displayFormat);
    }

    // Expands the band's objects and lets stretching objects grow; returns the
    // placed objects relative to the band and the band's height.
    double prepare(const ReportBand &band, QList<ReportDocument::Placed> *out) const
    {
        double grow = 0;
        QList<double> needed;
        for (const ReportItem &item : band.items) {
            ReportDocument::Placed placed;
            placed.style = item;
            placed.rect = QRectF(item.x, item.y, item.width, item.height);
            if (item.kind == ReportItem::Kind::Text)
                placed.text = textOf(item);
            double height = item.height;
            if (item.stretch && item.kind == ReportItem::Kind::Text && !placed.text.isEmpty()) {
                const double inner = item.width - 2 * ReportDocument::kPadding;
                height = qMax(height, ReportEngine::textHeight(item, inner, placed.text)
                                          + ReportDocument::kPadding);
                grow = qMax(grow, item.y + height - band.height);
            }
            needed.append(height);
            out->append(placed);
        }
        if (grow <= kTolerance)
            grow = 0;
        for (int i = 0; i < out->size(); ++i) {
            ReportDocument::Placed &placed = (*out)[i];
            const ReportItem &item = placed.style;
            const bool reachesBottom = item.y + item.height >= band.height - kTolerance;
            if (item.kind == ReportItem::Kind::Line && item.height <= kTolerance) {
                if (reachesBottom)
                    placed.rect.translate(0, grow);
            } else if (reachesBottom) {
                placed.rect.setHeight(item.height + grow);
            } else {
                placed.rect.setHeight(needed.at(i));
            }
        }
        return band.height + grow;
    }

    void placeAt(const ReportBand &band, double y)
    {
        QList<ReportDocument::Placed> items;
        const double height = prepare(band, &items);
        for (ReportDocument::Placed &placed : items) {
            placed.rect.translate(m_left, y);
            m_doc.pages.last().append(placed);
        }
        m_y = y + height;
    }

    void place(ReportBand::Type type)
    {
        const ReportBand *band = m_report.band(type);
        if (!band)
            return;
        QList<ReportDocument::Placed> probe;
        const double height = prepare(*band, &probe);
        const bool isData = type != ReportBand::Type::PageHeader && type != ReportBand::Type::ColumnHeader;
        if (isData && m_y + height > m_bottom + kTolerance && m_pageHasData)
            newPage();
        placeAt(*band, m_y);
        if (isData)
            m_pageHasData = true;
    }

    const ReportTemplate &m_report;
    const ReportData &m_data;
    ReportDataSet m_master;
    ReportDataSet m_detail;
    ReportContext m_context;
    QHash<QString, QString> m_objectTexts;
    ReportDocument m_doc;
    double m_left = 0;
    double m_top = 0;
    double m_bottom = 0;
    double m_y = 0;
    bool m_pageHasData = false;
};

}  // namespace

ReportDocument ReportEngine::run(const ReportTemplate &report, const ReportData &data)
{
    Layout layout(report, data);
    return layout.run();
}

ReportDocument ReportEngine::run(const ReportTemplate &report, const ReportData &data,
                                 const QPageLayout &layout)
{
    ReportTemplate laidOut = report;
    laidOut.setPageLayout(layout);
    return run(laidOut, data);
}

double ReportEngine::textHeight(const ReportItem &style, double width, const QString &text)
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(kMeasureDpi / kMmPerInch * 1000);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    const double scale = kMeasureDpi / kMmPerInch;
    const QFontMetricsF metrics(ReportDocument::fontOf(style), &device);
    int flags = int(style.alignment);
    if (style.wordWrap)
        flags |= Qt::TextWordWrap;
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, qMax(1.0, width) * scale, 1e7), flags, text);
    return bounds.height() / scale;
}
