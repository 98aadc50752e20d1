#include "app/report/reporttemplate.h"

#include <QRectF>

namespace {

struct TypeInfo {
    ReportBand::Type type;
    const char *name;
    const char *caption;
};

const TypeInfo kTypes[] = {
    {ReportBand::Type::ReportTitle, "reportTitle", "报表标题"},
    {ReportBand::Type::PageHeader, "pageHeader", "页眉"},
    {ReportBand::Type::ColumnHeader, "columnHeader", "栏头"},
    {ReportBand::Type::MasterData, "masterData", "主数据"},
    {ReportBand::Type::DetailHeader, "detailHeader", "明细头"},
    {ReportBand::Type::DetailData, "detailData", "明细数据"},
    {ReportBand::Type::DetailFooter, "detailFooter", "明细尾"},
    {ReportBand::Type::ReportSummary, "reportSummary", "报表合计"},
    {ReportBand::Type::PageFooter, "pageFooter", "页脚"},
};

}  // namespace

ReportTemplate::ReportTemplate() = default;

ReportTemplate ReportTemplate::empty()
{
    return ReportTemplate();
}

QPageLayout ReportTemplate::pageLayout() const
{
    return QPageLayout(QPageSize(pageSize), orientation, margins, QPageLayout::Millimeter);
}

void ReportTemplate::setPageLayout(const QPageLayout &layout)
{
    pageSize = layout.pageSize().id();
    if (pageSize == QPageSize::Custom)
        pageSize = QPageSize::A4;
    orientation = layout.orientation();
    margins = layout.margins(QPageLayout::Millimeter);
}

double ReportTemplate::contentWidth() const
{
    return pageLayout().paintRect(QPageLayout::Millimeter).width();
}

double ReportTemplate::contentHeight() const
{
    return pageLayout().paintRect(QPageLayout::Millimeter).height();
}

const ReportBand *ReportTemplate::band(ReportBand::Type type) const
{
    for (const ReportBand &b : bands) {
        if (b.type == type)
            return &b;
    }
    return nullptr;
}

QString ReportTemplate::typeName(ReportBand::Type type)
{
    for (const TypeInfo &info : kTypes) {
        if (info.type == type)
            return QString::fromLatin1(info.name);
    }
    return {};
}

QString ReportTemplate::typeCaption(ReportBand::Type type)
{
    for (const TypeInfo &info : kTypes) {
        if (info.type == type)
            return QString::fromUtf8(info.caption);
    }
    return {};
}

bool ReportTemplate::typeFromName(const QString &name, ReportBand::Type *type)
{
    for (const TypeInfo &info : kTypes) {
        if (name.compare(QLatin1String(info.name), Qt::CaseInsensitive) == 0) {
            *type = info.type;
            return true;
        }
    }
    return false;
}

QList<ReportBand::Type> ReportTemplate::allTypes()
{
    QList<ReportBand::Type> out;
    for (const TypeInfo &info : kTypes)
        out.append(info.type);
    return out;
}
