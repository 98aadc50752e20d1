#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <QVariant>
#include <QVariantMap>

class ReportDataSet;

// Where a text object is printed: the rows its fields show, the rows a sum
// runs over, the page, and the variables of the report.
struct ReportContext {
    const ReportDataSet *master = nullptr;
    const ReportDataSet *detail = nullptr;
    int masterRow = 0;
    int detailRow = 0;
    // Detail rows of the current master row; sums of detail fields inside the
    // detail bands run over these. Empty outside a master row.
    QList<int> detailGroup;
    bool inDetailGroup = false;
    int line = 0;                  // number of the row within its data band
    int page = 1;
    QString totalPages;            // text printed for [TotalPages]
    QVariantMap variables;         // keys in lower case
    QDate today = QDate::currentDate();
    QTime now = QTime::currentTime();
};

// Expands the bracketed expressions of a text object (see ReportTemplate).
class ReportExpander {
public:
    static QString expand(const QString &text, const ReportContext &context,
                          const QString &displayFormat = QString());
    // A value as printed: numbers in the display format, dates as yyyy-MM-dd,
    // the empty-date marker 1900-08-14 as nothing.
    static QString formatValue(const QVariant &value, const QString &displayFormat);
    // The lower-cased copy of variables that ReportContext wants.
    static QVariantMap foldVariables(const QVariantMap &variables);

private:
    static QString evaluate(const QString &expression, const ReportContext &context,
                            const QString &displayFormat);
};
