#pragma once

#include <QString>

#include <stdexcept>

// A data file that cannot be used as it stands: missing, cut short or holding a value of the
// wrong kind. The text names the file (and the line where one is known) in words a teacher
// can act on; it is what the program shows before it stops.
class DataFileError : public std::runtime_error
{
public:
    DataFileError(QString filePath, int line, QString problem);

    const QString &filePath() const { return m_filePath; }
    int line() const { return m_line; }           // 0 when the fault is not on one line
    const QString &problem() const { return m_problem; }

    // "<file> の <line> 行目: <problem>" or "<file>: <problem>".
    QString text() const;

    static DataFileError missing(const QString &filePath);

private:
    QString m_filePath;
    int m_line = 0;
    QString m_problem;
};
