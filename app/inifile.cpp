#include "app/inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString decodeBytes(const QByteArray &bytes, bool *legacy)
{
    *legacy = false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Older files were written in the Chinese Windows code page.
    QStringDecoder gbk("GBK");
    if (gbk.isValid()) {
        text = gbk.decode(bytes);
        if (!gbk.hasError()) {
            *legacy = true;
            return text;
        }
    }
    return QString::fromUtf8(bytes);
}

}  // namespace

bool IniFile::load(QString *error)
{
    m_lines.clear();
    m_crlf = false;
    m_bom = false;
    m_finalNewline = true;
    m_legacyEncoding = false;
    const QFileInfo info(m_path);
    if (!info.exists())
        return true;
    if (info.isDir())
        return fail(error, QStringLiteral("%1 is a folder").arg(m_path));
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(error, file.errorString());
    parse(bytes);
    return true;
}

void IniFile::parse(const QByteArray &bytes)
{
    m_lines.clear();
    QByteArray body = bytes;
    m_bom = body.startsWith("\xEF\xBB\xBF");
    if (m_bom)
        body.remove(0, 3);
    m_crlf = body.contains("\r\n");
    QString text = decodeBytes(body, &m_legacyEncoding);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_finalNewline = text.isEmpty() || text.endsWith(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.isEmpty() && body.isEmpty())
        return;

    const QStringList rows = text.split(QLatin1Char('\n'));
    for (const QString &row : rows) {
        Line line;
        line.text = row;
        const QString trimmed = row.trimmed();
        if (trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'))) {
            line.kind = Line::Other;
        } else if (trimmed.startsWith(QLatin1Char('[')) && trimmed.contains(QLatin1Char(']'))) {
            line.kind = Line::Section;
            line.name = trimmed.mid(1, trimmed.indexOf(QLatin1Char(']')) - 1).trimmed();
        } else if (const qsizetype eq = row.indexOf(QLatin1Char('=')); eq > 0) {
            line.kind = Line::Entry;
            line.name = row.left(eq).trimmed();
            line.value = row.mid(eq + 1).trimmed();
            if (line.name.isEmpty())
                line.kind = Line::Other;
        }
        m_lines.append(line);
    }
}

QByteArray IniFile::toUtf8() const
{
    const QString eol = m_crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        text += m_lines[i].text;
        if (m_finalNewline || i + 1 < m_lines.size())
            text += eol;
    }
    QByteArray bytes = text.toUtf8();
    if (m_bom)
        bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

bool IniFile::save(QString *error) const
{
    if (m_path.isEmpty())
        return fail(error, QStringLiteral("no file name"));
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QSaveFile file(m_path);
    // A folder we may not create files in still lets us rewrite the file itself.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    file.setPermissions(ownerOnly);
    file.write(toUtf8());
    if (!file.commit())
        return fail(error, file.errorString());
    if (!QFile::setPermissions(m_path, ownerOnly))
        return fail(error, QStringLiteral("cannot set the mode of %1").arg(m_path));
    return true;
}

int IniFile::findSection(const QString &section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Line::Section && sameName(m_lines[i].name, section))
            return i;
    }
    return -1;
}

int IniFile::sectionEnd(int sectionLine) const
{
    int i = sectionLine + 1;
    while (i < m_lines.size() && m_lines[i].kind != Line::Section)
        ++i;
    return i;
}

int IniFile::findEntry(int sectionLine, const QString &key) const
{
    if (sectionLine < 0)
        return -1;
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        if (m_lines[i].kind == Line::Entry && sameName(m_lines[i].name, key))
            return i;
    }
    return -1;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    return findEntry(findSection(section), key) >= 0;
}

QString IniFile::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    const int i = findEntry(findSection(section), key);
    return i < 0 ? defaultValue : m_lines[i].value;
}

int IniFile::intValue(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int v = value(section, key).toInt(&ok);
    return ok ? v : defaultValue;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString clean = QString(value).replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r')).trimmed();
    int sectionLine = findSection(section);
    if (sectionLine < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().text.trimmed().isEmpty())
            m_lines.append(Line());
        Line header;
        header.kind = Line::Section;
        header.name = section;
        header.text = QLatin1Char('[') + section + QLatin1Char(']');
        m_lines.append(header);
        sectionLine = int(m_lines.size()) - 1;
    }
    const int existing = findEntry(sectionLine, key);
    if (existing >= 0) {
        Line &line = m_lines[existing];
        line.value = clean;
        line.text = line.name + QLatin1Char('=') + clean;
        return;
    }
    // A new key goes after the last non-blank line of its section.
    int insertAt = sectionEnd(sectionLine);
    while (insertAt > sectionLine + 1 && m_lines[insertAt - 1].text.trimmed().isEmpty())
        --insertAt;
    Line entry;
    entry.kind = Line::Entry;
    entry.name = key;
    entry.value = clean;
    entry.text = key + QLatin1Char('=') + clean;
    m_lines.insert(insertAt, entry);
}

void IniFile::removeKey(const QString &section, const QString &key)
{
    const int i = findEntry(findSection(section), key);
    if (i >= 0)
        m_lines.removeAt(i);
}

bool IniFile::writeValue(const QString &section, const QString &key, const QString &value, QString *error)
{
    if (!load(error))
        return false;
    setValue(section, key, value);
    return save(error);
}

QStringList IniFile::sections() const
{
    QStringList names;
    for (const Line &line : m_lines) {
        if (line.kind == Line::Section)
            names.append(line.name);
    }
    return names;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList names;
    const int sectionLine = findSection(section);
    if (sectionLine < 0)
        return names;
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        if (m_lines[i].kind == Line::Entry)
            names.append(m_lines[i].name);
    }
    return names;
}
