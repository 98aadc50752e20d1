#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A small profile file (Config.ini) reader and writer. Section and key names
// are found without regard to letter case, because the setup tool writes
// "DBConn"/"dataBase" where the client asks for "DBconn"/"Database". Changing
// a value rewrites only that line: other sections, keys, comments and their
// order stay as they were. The file is read as UTF-8, or as GBK when it is an
// older file that is not valid UTF-8; it is always written as UTF-8 and kept
// readable by its owner only, since it holds the database password.
class IniFile {
public:
    IniFile() = default;
    explicit IniFile(const QString &path) : m_path(path) {}

    const QString &path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }

    // Reads the file. A missing file is no error: it reads as empty. Returns
    // false with the reason when the file exists but cannot be read.
    bool load(QString *error = nullptr);
    // Writes the file (atomically) and sets its mode to 0600.
    bool save(QString *error = nullptr) const;

    // Reads the contents from bytes, as load() does from the file.
    void parse(const QByteArray &bytes);
    // The contents as they would be written.
    QByteArray toUtf8() const;
    // True when the last load or parse fell back to GBK.
    bool wasLegacyEncoding() const { return m_legacyEncoding; }

    bool contains(const QString &section, const QString &key) const;
    QString value(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    int intValue(const QString &section, const QString &key, int defaultValue = 0) const;
    // Changes or adds the key in memory; save() writes it.
    void setValue(const QString &section, const QString &key, const QString &value);
    void removeKey(const QString &section, const QString &key);

    // Re-reads the file, sets one key and writes the file again, so that what
    // another program wrote in the meantime is kept.
    bool writeValue(const QString &section, const QString &key, const QString &value, QString *error = nullptr);

    QStringList sections() const;
    QStringList keys(const QString &section) const;

private:
    struct Line {
        enum Kind { Other, Section, Entry };
        Kind kind = Other;
        QString text;   // the line as read; rebuilt when an entry changes
        QString name;   // section name or key, as spelled in the file
        QString value;  // entry value, trimmed
    };

    int findSection(const QString &section) const;
    int findEntry(int sectionLine, const QString &key) const;
    int sectionEnd(int sectionLine) const;

    QString m_path;
    QList<Line> m_lines;
    bool m_crlf = false;
    bool m_bom = false;
    bool m_finalNewline = true;
    bool m_legacyEncoding = false;
};
