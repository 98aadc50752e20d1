#include "app/report/reportdocument.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

constexpr double kMmPerInch = 25.4;

int textFlags(const ReportItem &item)
{
    int flags = int(item.alignment);
    if (item.wordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

}  // namespace

QFont ReportDocument::fontOf(const ReportItem &item)
{
    QFont font(item.fontFamily);
    font.setPointSizeF(item.fontSize > 0 ? item.fontSize : 10);
    font.setBold(item.bold);
    font.setItalic(item.italic);
    font.setUnderline(item.underline);
    return font;
}

void ReportDocument::paintPage(QPainter *painter, int index) const
{
    if (index < 0 || index >= pages.size())
        return;
    const double sx = painter->device()->logicalDpiX() / kMmPerInch;
    const double sy = painter->device()->logicalDpiY() / kMmPerInch;
    auto toDevice = [sx, sy](const QRectF &mm) {
        return QRectF(mm.x() * sx, mm.y() * sy, mm.width() * sx, mm.height() * sy);
    };

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    for (const Placed &placed : pages.at(index)) {
        const ReportItem &style = placed.style;
        const QRectF r = toDevice(placed.rect);
        QPen pen(style.textColor);
        pen.setWidthF(qMax(1.0, style.frameWidth * sx));
        pen.setCapStyle(Qt::SquareCap);

        switch (style.kind) {
        case ReportItem::Kind::Line:
            painter->setPen(pen);
            painter->drawLine(r.topLeft(), r.bottomRight());
            continue;
        case ReportItem::Kind::Rect:
            painter->setPen(pen);
            painter->setBrush(style.background.isValid() ? QBrush(style.background) : Qt::NoBrush);
            painter->drawRect(r);
            painter->setBrush(Qt::NoBrush);
            continue;
        case ReportItem::Kind::Text:
            break;
        }

        if (style.background.isValid())
            painter->fillRect(r, style.background);
        if (!placed.text.isEmpty()) {
            painter->save();
            painter->setClipRect(r.adjusted(-0.5 * sx, -0.5 * sy, 0.5 * sx, 0.5 * sy));
            painter->setFont(fontOf(style));
            painter->setPen(style.textColor);
            const QRectF inner = r.adjusted(kPadding * sx, kPadding * sy * 0.5, -kPadding * sx,
                                            -kPadding * sy * 0.5);
            painter->drawText(inner, textFlags(style), placed.text);
            painter->restore();
        }
        if (style.frame != ReportItem::NoFrame) {
            QPen framePen(Qt::black);
            framePen.setWidthF(qMax(1.0, style.frameWidth * sx));
            framePen.setCapStyle(Qt::SquareCap);
            painter->setPen(framePen);
            if (style.frame & ReportItem::FrameLeft)
                painter->drawLine(r.topLeft(), r.bottomLeft());
            if (style.frame & ReportItem::FrameTop)
                painter->drawLine(r.topLeft(), r.topRight());
            if (style.frame & ReportItem::FrameRight)
                painter->drawLine(r.topRight(), r.bottomRight());
            if (style.frame & ReportItem::FrameBottom)
                painter->drawLine(r.bottomLeft(), r.bottomRight());
        }
    }
    painter->restore();
}

void ReportDocument::print(QPrinter *printer) const
{
    printer->setFullPage(true);
    QPainter painter(printer);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            printer->newPage();
        paintPage(&painter, i);
    }
}

bool ReportDocument::writePdf(const QString &path, const QString &title, QString *error) const
{
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) {
            if (error)
                *error = probe.errorString();
            return false;
        }
    }
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("Velmora"));
    writer.setTitle(title);
    writer.setResolution(600);
    QPageLayout full = pageLayout;
    full.setMinimumMargins(QMarginsF());
    full.setMargins(QMarginsF());
    writer.setPageLayout(full);
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    const int count = qMax(1, int(pages.size()));
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            writer.newPage();
        paintPage(&painter, i);
    }
    return painter.end();
}

QString ReportDocument::pageText(int index) const
{
    QStringList lines;
    if (index < 0 || index >= pages.size())
        return {};
    for (const Placed &placed : pages.at(index)) {
        if (placed.style.kind == ReportItem::Kind::Text && !placed.text.isEmpty())
            lines << placed.text;
    }
    return lines.join(QLatin1Char('\n'));
}
