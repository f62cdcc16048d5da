#pragma once

#include <QList>
#include <QString>

#include <optional>

// One value of a data file, with the line it came from so that errors can point at it.
struct Field
{
    QString text;
    int line = 0;
    bool quoted = false;
};

// Reads the program's plain data files: Shift-JIS text holding a stream of values separated
// by commas or line ends. A value that starts with a double quote runs to the closing quote and
// may hold commas; other values are trimmed. Numbers may be bare or quoted. Readers take as many
// values as their format asks for, however the values are spread over lines. Blank lines hold no
// values, and a comma at the very end of a line does not start an empty value.
//
// The whole file is read and closed by the constructor; nothing is ever written.
class FieldReader
{
public:
    // Throws DataFileError when the file cannot be read or a quoted value is not closed.
    explicit FieldReader(QString filePath);

    // Reads from text already in memory (bytes in Shift-JIS); filePath only names it in errors.
    static FieldReader fromBytes(const QByteArray &bytes, QString filePath);

    // The next n values. Throws DataFileError, naming `what`, when fewer than n are left.
    QList<Field> ReadFields(int n, const QString &what);

    // The next value, or nothing at the end of the file.
    std::optional<Field> next();

    bool atEnd() const { return m_pos >= m_fields.size(); }
    const QString &filePath() const { return m_filePath; }
    int lastLine() const { return m_lastLine; }

    // Numeric views of a value; they throw DataFileError naming the file, line and `what`.
    double number(const Field &f, const QString &what) const;
    int wholeNumber(const Field &f, const QString &what) const;

    // True when the text reads as a number (quoted or not), as the files' writers produce them.
    static std::optional<double> parseNumber(const QString &text);

private:
    FieldReader() = default;
    void tokenise(const QString &text);

    QString m_filePath;
    QList<Field> m_fields;
    qsizetype m_pos = 0;
    int m_lastLine = 0;
};
