#include "app/report/reporttemplatefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const char kFormatName[] = "velmora-report";
const int kFormatVersion = 1;

struct PaperName {
    QPageSize::PageSizeId id;
    const char *name;
};

const PaperName kPapers[] = {
    {QPageSize::A3, "A3"},         {QPageSize::A4, "A4"},   {QPageSize::A5, "A5"},
    {QPageSize::B5, "B5"},         {QPageSize::JisB5, "JIS-B5"},
    {QPageSize::Letter, "Letter"}, {QPageSize::Legal, "Legal"},
};

QString paperName(QPageSize::PageSizeId id)
{
    for (const PaperName &p : kPapers) {
        if (p.id == id)
            return QString::fromLatin1(p.name);
    }
    return QStringLiteral("A4");
}

QPageSize::PageSizeId paperId(const QString &name)
{
    for (const PaperName &p : kPapers) {
        if (name.compare(QLatin1String(p.name), Qt::CaseInsensitive) == 0)
            return p.id;
    }
    return QPageSize::A4;
}

QString alignmentText(Qt::Alignment a)
{
    QString h = QStringLiteral("left");
    if (a & Qt::AlignHCenter)
        h = QStringLiteral("center");
    else if (a & Qt::AlignRight)
        h = QStringLiteral("right");
    QString v = QStringLiteral("middle");
    if (a & Qt::AlignTop)
        v = QStringLiteral("top");
    else if (a & Qt::AlignBottom)
        v = QStringLiteral("bottom");
    return h + QLatin1Char(' ') + v;
}

Qt::Alignment alignmentFromText(const QString &text)
{
    Qt::Alignment h = Qt::AlignLeft;
    Qt::Alignment v = Qt::AlignVCenter;
    const QStringList words = text.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &w : words) {
        if (w == QLatin1String("center"))
            h = Qt::AlignHCenter;
        else if (w == QLatin1String("right"))
            h = Qt::AlignRight;
        else if (w == QLatin1String("left"))
            h = Qt::AlignLeft;
        else if (w == QLatin1String("top"))
            v = Qt::AlignTop;
        else if (w == QLatin1String("bottom"))
            v = Qt::AlignBottom;
        else if (w == QLatin1String("middle"))
            v = Qt::AlignVCenter;
    }
    return h | v;
}

QString frameText(int frame)
{
    if (frame == ReportItem::FrameAll)
        return QStringLiteral("all");
    QStringList sides;
    if (frame & ReportItem::FrameLeft)
        sides << QStringLiteral("left");
    if (frame & ReportItem::FrameTop)
        sides << QStringLiteral("top");
    if (frame & ReportItem::FrameRight)
        sides << QStringLiteral("right");
    if (frame & ReportItem::FrameBottom)
        sides << QStringLiteral("bottom");
    return sides.join(QLatin1Char(' '));
}

int frameFromText(const QString &text)
{
    int frame = ReportItem::NoFrame;
    const QStringList words = text.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &w : words) {
        if (w == QLatin1String("all"))
            frame |= ReportItem::FrameAll;
        else if (w == QLatin1String("left"))
            frame |= ReportItem::FrameLeft;
        else if (w == QLatin1String("top"))
            frame |= ReportItem::FrameTop;
        else if (w == QLatin1String("right"))
            frame |= ReportItem::FrameRight;
        else if (w == QLatin1String("bottom"))
            frame |= ReportItem::FrameBottom;
    }
    return frame;
}

QString kindText(ReportItem::Kind kind)
{
    switch (kind) {
    case ReportItem::Kind::Line:
        return QStringLiteral("line");
    case ReportItem::Kind::Rect:
        return QStringLiteral("rect");
    case ReportItem::Kind::Text:
        break;
    }
    return QStringLiteral("text");
}

ReportItem::Kind kindFromText(const QString &text)
{
    if (text.compare(QLatin1String("line"), Qt::CaseInsensitive) == 0)
        return ReportItem::Kind::Line;
    if (text.compare(QLatin1String("rect"), Qt::CaseInsensitive) == 0)
        return ReportItem::Kind::Rect;
    return ReportItem::Kind::Text;
}

// Only values that differ from a fresh item are written, so that shipped
// templates stay short and readable.
QJsonObject itemToJson(const ReportItem &item)
{
    const ReportItem d;
    QJsonObject o;
    if (!item.name.isEmpty())
        o.insert(QStringLiteral("name"), item.name);
    if (item.kind != d.kind)
        o.insert(QStringLiteral("kind"), kindText(item.kind));
    o.insert(QStringLiteral("x"), item.x);
    o.insert(QStringLiteral("y"), item.y);
    o.insert(QStringLiteral("width"), item.width);
    o.insert(QStringLiteral("height"), item.height);
    if (!item.text.isEmpty())
        o.insert(QStringLiteral("text"), item.text);
    if (item.fontFamily != d.fontFamily)
        o.insert(QStringLiteral("font"), item.fontFamily);
    if (item.fontSize != d.fontSize)
        o.insert(QStringLiteral("size"), item.fontSize);
    if (item.bold)
        o.insert(QStringLiteral("bold"), true);
    if (item.italic)
        o.insert(QStringLiteral("italic"), true);
    if (item.underline)
        o.insert(QStringLiteral("underline"), true);
    if (item.alignment != d.alignment)
        o.insert(QStringLiteral("align"), alignmentText(item.alignment));
    if (item.frame != d.frame)
        o.insert(QStringLiteral("frame"), frameText(item.frame));
    if (item.frameWidth != d.frameWidth)
        o.insert(QStringLiteral("frameWidth"), item.frameWidth);
    if (item.wordWrap != d.wordWrap)
        o.insert(QStringLiteral("wordWrap"), item.wordWrap);
    if (item.stretch)
        o.insert(QStringLiteral("stretch"), true);
    if (!item.displayFormat.isEmpty())
        o.insert(QStringLiteral("format"), item.displayFormat);
    if (item.textColor != d.textColor)
        o.insert(QStringLiteral("color"), item.textColor.name());
    if (item.background.isValid())
        o.insert(QStringLiteral("background"), item.background.name());
    return o;
}

ReportItem itemFromJson(const QJsonObject &o)
{
    ReportItem item;
    item.name = o.value(QStringLiteral("name")).toString();
    item.kind = kindFromText(o.value(QStringLiteral("kind")).toString());
    item.x = o.value(QStringLiteral("x")).toDouble(item.x);
    item.y = o.value(QStringLiteral("y")).toDouble(item.y);
    item.width = o.value(QStringLiteral("width")).toDouble(item.width);
    item.height = o.value(QStringLiteral("height")).toDouble(item.height);
    item.text = o.value(QStringLiteral("text")).toString();
    item.fontFamily = o.value(QStringLiteral("font")).toString(item.fontFamily);
    item.fontSize = o.value(QStringLiteral("size")).toDouble(item.fontSize);
    item.bold = o.value(QStringLiteral("bold")).toBool(false);
    item.italic = o.value(QStringLiteral("italic")).toBool(false);
    item.underline = o.value(QStringLiteral("underline")).toBool(false);
    if (o.contains(QStringLiteral("align")))
        item.alignment = alignmentFromText(o.value(QStringLiteral("align")).toString());
    item.frame = frameFromText(o.value(QStringLiteral("frame")).toString());
    item.frameWidth = o.value(QStringLiteral("frameWidth")).toDouble(item.frameWidth);
    item.wordWrap = o.value(QStringLiteral("wordWrap")).toBool(item.wordWrap);
    item.stretch = o.value(QStringLiteral("stretch")).toBool(false);
    item.displayFormat = o.value(QStringLiteral("format")).toString();
    if (o.contains(QStringLiteral("color")))
        item.textColor = QColor(o.value(QStringLiteral("color")).toString());
    if (o.contains(QStringLiteral("background")))
        item.background = QColor(o.value(QStringLiteral("background")).toString());
    return item;
}

}  // namespace

QString ReportTemplateFile::baseName(const QString &templateName)
{
    QString name = templateName.trimmed();
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        name.truncate(dot);
    return name;
}

QString ReportTemplateFile::find(const QString &dir, const QString &templateName)
{
    const QString wanted = baseName(templateName) + QLatin1Char('.') + suffix();
    const QDir folder(dir);
    const QStringList files = folder.entryList(QDir::Files);
    for (const QString &file : files) {
        if (file.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder.filePath(file);
    }
    return {};
}

QString ReportTemplateFile::pathForSave(const QString &dir, const QString &templateName)
{
    const QString existing = find(dir, templateName);
    if (!existing.isEmpty())
        return existing;
    return QDir(dir).filePath(baseName(templateName) + QLatin1Char('.') + suffix());
}

bool ReportTemplateFile::load(const QString &path, ReportTemplate *out, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return fromJson(file.readAll(), out, error);
}

bool ReportTemplateFile::save(const QString &path, const ReportTemplate &report, QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write(toJson(report));
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QByteArray ReportTemplateFile::toJson(const ReportTemplate &report)
{
    QJsonObject page;
    page.insert(QStringLiteral("size"), paperName(report.pageSize));
    page.insert(QStringLiteral("orientation"), report.orientation == QPageLayout::Landscape
                                                   ? QStringLiteral("landscape")
                                                   : QStringLiteral("portrait"));
    page.insert(QStringLiteral("margins"),
                QJsonArray{report.margins.left(), report.margins.top(), report.margins.right(),
                           report.margins.bottom()});
    QJsonArray bands;
    for (const ReportBand &band : report.bands) {
        QJsonObject b;
        b.insert(QStringLiteral("type"), ReportTemplate::typeName(band.type));
        b.insert(QStringLiteral("height"), band.height);
        QJsonArray items;
        for (const ReportItem &item : band.items)
            items.append(itemToJson(item));
        b.insert(QStringLiteral("items"), items);
        bands.append(b);
    }
    QJsonObject root;
    root.insert(QStringLiteral("format"), QLatin1String(kFormatName));
    root.insert(QStringLiteral("version"), kFormatVersion);
    root.insert(QStringLiteral("page"), page);
    root.insert(QStringLiteral("bands"), bands);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ReportTemplateFile::fromJson(const QByteArray &json, ReportTemplate *out, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull() || !doc.isObject()) {
        if (error)
            *error = parseError.errorString();
        return false;
    }
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(kFormatName)) {
        if (error)
            *error = QStringLiteral("not a report template");
        return false;
    }
    ReportTemplate report;
    const QJsonObject page = root.value(QStringLiteral("page")).toObject();
    report.pageSize = paperId(page.value(QStringLiteral("size")).toString());
    report.orientation = page.value(QStringLiteral("orientation")).toString() == QLatin1String("landscape")
                             ? QPageLayout::Landscape
                             : QPageLayout::Portrait;
    const QJsonArray margins = page.value(QStringLiteral("margins")).toArray();
    if (margins.size() == 4) {
        report.margins = QMarginsF(margins.at(0).toDouble(), margins.at(1).toDouble(),
                                   margins.at(2).toDouble(), margins.at(3).toDouble());
    }
    const QJsonArray bands = root.value(QStringLiteral("bands")).toArray();
    for (const QJsonValue &value : bands) {
        const QJsonObject b = value.toObject();
        ReportBand band;
        if (!ReportTemplate::typeFromName(b.value(QStringLiteral("type")).toString(), &band.type))
            continue;
        band.height = b.value(QStringLiteral("height")).toDouble(band.height);
        const QJsonArray items = b.value(QStringLiteral("items")).toArray();
        for (const QJsonValue &item : items)
            band.items.append(itemFromJson(item.toObject()));
        report.bands.append(band);
    }
    *out = report;
    return true;
}
