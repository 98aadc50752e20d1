#include "app/gridexport.h"

#include "app/cellvalue.h"
#include "app/messages.h"
#include "app/numberformat.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include <xlsxwriter.h>

namespace {

DocumentOpener g_opener;
QString g_lastExport;

bool openWithDesktop(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// Booleans go into the sheet as the numbers 0 and 1.
bool isNumeric(const QVariant &value)
{
    return CellValue::isNumeric(value) || value.typeId() == QMetaType::Bool;
}

// A display format without digit signs is a date or time format
// ("yyyy-mm-dd", "hh:nn:ss").
bool isDateFormat(const QString &format)
{
    return !format.isEmpty() && !format.contains(QLatin1Char('0')) && !format.contains(QLatin1Char('#'));
}

// Our date notation writes minutes as "nn"; the spreadsheet reads "mm" in a time.
QString excelDateFormat(const QString &format)
{
    QString out = format;
    out.replace(QStringLiteral("nn"), QStringLiteral("mm"), Qt::CaseInsensitive);
    return out;
}

// A date, a time or a date with time from a value or its text, or an invalid one.
QDateTime dateTimeOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return QDateTime(value.toDate(), QTime(0, 0));
    case QMetaType::QDateTime:
        return value.toDateTime();
    case QMetaType::QTime:
        return QDateTime(QDate(1899, 12, 31), value.toTime());
    default:
        break;
    }
    const QString text = value.toString().trimmed();
    QDateTime parsed = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!parsed.isValid())
        parsed = QDateTime(QDate::fromString(text, QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    if (!parsed.date().isValid()) {
        const QTime time = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
        if (time.isValid())
            parsed = QDateTime(QDate(1899, 12, 31), time);
    }
    return parsed.date().isValid() ? parsed : QDateTime();
}

// Sheet names may not hold []:*?/\ nor exceed 31 characters.
QString sheetName(const QString &title)
{
    QString name = title.trimmed();
    name.replace(QRegularExpression(QStringLiteral("[\\[\\]:*?/\\\\]")), QStringLiteral("_"));
    while (name.startsWith(QLatin1Char('\'')))
        name.remove(0, 1);
    while (name.endsWith(QLatin1Char('\'')))
        name.chop(1);
    name = name.left(31);
    return name.isEmpty() ? QStringLiteral("Sheet1") : name;
}

QString fileStem(const QString &title)
{
    QString stem = title.trimmed();
    stem.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\s]")), QStringLiteral("_"));
    return stem.isEmpty() ? QStringLiteral("导出") : stem;
}

// Number formats are added to the workbook once each.
class Formats {
public:
    explicit Formats(lxw_workbook *workbook) : m_workbook(workbook) {}

    lxw_format *numeric(const QString &excel)
    {
        auto it = m_formats.find(excel);
        if (it != m_formats.end())
            return it.value();
        lxw_format *format = workbook_add_format(m_workbook);
        format_set_num_format(format, excel.toUtf8().constData());
        m_formats.insert(excel, format);
        return format;
    }
    lxw_format *text() { return numeric(QStringLiteral("@")); }

private:
    lxw_workbook *m_workbook;
    QHash<QString, lxw_format *> m_formats;
};

lxw_error writeCell(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, const QVariant &value,
                    const QString &displayFormat, Formats &formats)
{
    if (!value.isValid() || value.isNull())
        return LXW_NO_ERROR;
    const QString text = CellValue::text(value);
    if (CellValue::isEmptyDate(text))
        return LXW_NO_ERROR;
    const QString format = displayFormat.trimmed();

    if (isDateFormat(format)) {
        const QDateTime when = dateTimeOf(value);
        if (when.isValid()) {
            lxw_datetime dt{};
            dt.year = when.date().year();
            dt.month = when.date().month();
            dt.day = when.date().day();
            dt.hour = when.time().hour();
            dt.min = when.time().minute();
            dt.sec = when.time().second();
            if (when.date() == QDate(1899, 12, 31)) {
                dt.year = 0;   // a time of day without a date
                dt.month = 0;
                dt.day = 0;
            }
            return worksheet_write_datetime(sheet, row, col, &dt, formats.numeric(excelDateFormat(format)));
        }
    }
    const bool numberFormat = !format.isEmpty() && !isDateFormat(format);
    if (isNumeric(value)) {
        lxw_format *cellFormat = numberFormat ? formats.numeric(NumberFormat::toExcel(format)) : nullptr;
        return worksheet_write_number(sheet, row, col, value.toDouble(), cellFormat);
    }
    if (numberFormat) {
        bool ok = false;
        const double number = text.trimmed().toDouble(&ok);
        if (ok)
            return worksheet_write_number(sheet, row, col, number, formats.numeric(NumberFormat::toExcel(format)));
    }
    // Texts stay texts, also when they look like numbers ("001") or formulas ("=...").
    return worksheet_write_string(sheet, row, col, text.toUtf8().constData(),
                                  format.isEmpty() ? formats.text() : nullptr);
}

bool writeCsv(const GridSnapshot &grid, const QString &path, QString *error)
{
    auto quote = [](const QString &s) {
        QString q = s;
        q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return QLatin1Char('"') + q + QLatin1Char('"');
    };
    QStringList lines;
    QStringList header;
    for (const GridSnapshotColumn &column : grid.columns)
        header << quote(column.caption);
    lines << header.join(QLatin1Char(','));
    for (const QList<QVariant> &row : grid.rows) {
        QStringList cells;
        for (int c = 0; c < grid.columns.size(); ++c) {
            const QString text = CellValue::text(row.value(c));
            cells << quote(CellValue::isEmptyDate(text) ? QString() : text);
        }
        lines << cells.join(QLatin1Char(','));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write("\xEF\xBB\xBF");
    file.write(lines.join(QStringLiteral("\r\n")).toUtf8());
    file.write("\r\n");
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString exportFolder()
{
    const QString dir = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                            .filePath(QStringLiteral("velmora-export"));
    QDir().mkpath(dir);
    return dir;
}

QString freePath(const QString &dir, const QString &stem, const QString &suffix)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString path = QDir(dir).filePath(QStringLiteral("%1_%2.%3").arg(stem, stamp, suffix));
    for (int n = 2; QFile::exists(path); ++n)
        path = QDir(dir).filePath(QStringLiteral("%1_%2_%3.%4").arg(stem, stamp).arg(n).arg(suffix));
    return path;
}

}  // namespace

bool WriteGridXlsx(const GridSnapshot &grid, const QString &title, const QString &path, QString *error)
{
    lxw_workbook *workbook = workbook_new(QFile::encodeName(path).constData());
    if (!workbook) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(path);
        return false;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, sheetName(title).toUtf8().constData());
    Formats formats(workbook);
    lxw_format *header = workbook_add_format(workbook);
    format_set_bold(header);
    format_set_align(header, LXW_ALIGN_CENTER);

    lxw_error result = sheet ? LXW_NO_ERROR : LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE;
    for (int c = 0; sheet && c < grid.columns.size() && result == LXW_NO_ERROR; ++c) {
        const GridSnapshotColumn &column = grid.columns.at(c);
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), qBound(6.0, column.width / 7.0, 80.0), nullptr);
        result = worksheet_write_string(sheet, 0, lxw_col_t(c), column.caption.toUtf8().constData(), header);
    }
    for (int r = 0; sheet && r < grid.rows.size() && result == LXW_NO_ERROR; ++r) {
        const QList<QVariant> &row = grid.rows.at(r);
        for (int c = 0; c < grid.columns.size() && result == LXW_NO_ERROR; ++c)
            result = writeCell(sheet, lxw_row_t(r + 1), lxw_col_t(c), row.value(c),
                               grid.columns.at(c).displayFormat, formats);
    }
    const lxw_error closed = workbook_close(workbook);
    if (result == LXW_NO_ERROR)
        result = closed;
    if (result != LXW_NO_ERROR) {
        if (error)
            *error = QString::fromUtf8(lxw_strerror(result));
        return false;
    }
    return true;
}

bool ExportToExcel(const GridSnapshot &grid, const QString &title, bool visible)
{
    const QString folder = exportFolder();
    const QString stem = fileStem(title);
    QString path = freePath(folder, stem, QStringLiteral("xlsx"));
    QString error;
    if (!WriteGridXlsx(grid, title, path, &error)) {
        QFile::remove(path);
        // A plain CSV file still carries the data where the workbook failed.
        path = freePath(folder, stem, QStringLiteral("csv"));
        QString csvError;
        if (!writeCsv(grid, path, &csvError)) {
            ShowErrorBox(QStringLiteral("错误"), QStringLiteral("导出文件无法写入：%1").arg(error));
            return false;
        }
    }
    g_lastExport = path;
    if (!visible)
        return true;
    const bool opened = g_opener ? g_opener(path) : openWithDesktop(path);
    if (!opened) {
        ShowErrorBox(QStringLiteral("错误"), QStringLiteral("系统中的MS Excel软件没有安装或安装不正确！"));
        return false;
    }
    return true;
}

DocumentOpener setDocumentOpener(DocumentOpener opener)
{
    DocumentOpener previous = g_opener;
    g_opener = std::move(opener);
    return previous;
}

QString lastExportPath()
{
    return g_lastExport;
}
