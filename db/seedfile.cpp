#include "db/seedfile.h"

#include "db/rowinserter.h"
#include "db/tables.h"

#include <QFile>
#include <QVariantList>

// The seed files are compiled into the static core library; its resources
// must be registered by hand before the first read.
static void registerSeedResources()
{
    Q_INIT_RESOURCE(seeds);
}

namespace db {

namespace {

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

}  // namespace

bool SeedFile::parse(const QByteArray &data, QString *error)
{
    m_columns.clear();
    m_rows.clear();
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    int lineNo = 0;
    for (QString line : lines) {
        ++lineNo;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        QStringList values = line.split(QLatin1Char('\t'));
        if (m_columns.isEmpty()) {
            for (QString &name : values)
                name = name.trimmed();
            m_columns = values;
            continue;
        }
        if (values.size() > m_columns.size())
            return fail(error, QStringLiteral("line %1 has %2 values for %3 columns")
                                   .arg(lineNo).arg(values.size()).arg(m_columns.size()));
        while (values.size() < m_columns.size())
            values << QString();
        m_rows << values;
    }
    if (m_columns.isEmpty())
        return fail(error, QStringLiteral("the seed file has no header line"));
    return true;
}

bool SeedFile::read(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    if (!parse(file.readAll(), error)) {
        if (error)
            *error = path + QStringLiteral(": ") + *error;
        return false;
    }
    return true;
}

bool SeedFile::insertInto(QSqlDatabase db, const QString &table, QString *error) const
{
    const TableDef *def = findTable(table);
    if (!def)
        return fail(error, QStringLiteral("unknown table %1").arg(table));
    RowInserter inserter(db, *def, m_columns);
    if (!inserter.isValid())
        return fail(error, inserter.errorText());
    for (const QStringList &row : m_rows) {
        QVariantList values;
        values.reserve(row.size());
        for (const QString &value : row)
            values << QVariant(value);
        if (!inserter.insert(values))
            return fail(error, QStringLiteral("%1: %2").arg(table, inserter.errorText()));
    }
    return true;
}

bool SeedFile::load(QSqlDatabase db, const QString &resource, const QString &table, QString *error)
{
    registerSeedResources();
    SeedFile file;
    return file.read(resource, error) && file.insertInto(db, table, error);
}

}  // namespace db
