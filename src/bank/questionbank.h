#pragma once

#include "question.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// The table of all questions, read from the scrambled question file beside the program. Row r
// (1 to rowCount()) is line r of the file; column j (1 to 100) is its j-th field. Row 0 and
// column 0 are not used. The table is read whole and the file closed at once; loading never
// writes anything. Each load builds a new table, so a caller that keeps one replaces it.
class QuestionBank
{
public:
    static constexpr int kMaxRows = 1000;
    static constexpr int kMaxColumns = 100;

    QuestionBank() = default;

    // Callers name the question file as `appFolder + "Morvidかな0.csv"`; the file actually read
    // has the extension replaced by "vv.ccc" ("Morvidかな0vv.ccc"). Only a dot in the file name
    // itself counts as the start of an extension, never one in a folder name.
    static QString storedFileName(const QString &callerFileName);

    // Reads storedFileName(callerFileName). Throws DataFileError, naming the file and line, when
    // the file is missing or empty, has more than 1000 lines, or a line is too short to unscramble,
    // lacks the end marker or has more than 100 fields. Bytes that are not Shift-JIS become U+FFFD.
    static QuestionBank load(const QString &callerFileName);

    // The same from the file's bytes; filePath only names the file in errors.
    static QuestionBank fromBytes(QByteArrayView bytes, const QString &filePath);

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // The number of fields of the last line (0 for an empty table).
    int columnCount() const { return m_columnCount; }
    // The text at (row, column); empty outside the rows read and the fields of that row.
    QString cell(int row, int column) const;
    const QString &filePath() const { return m_filePath; }

    // The rows whose column 2 is the number groupNo, in file order. A row whose column 2 is not a
    // whole number belongs to no group and is never selected. Throws DataFileError naming the line
    // when a selected row's year (column 3) is not a whole number from -32768 to 32767.
    QList<Question> selectGroup(int groupNo) const;

private:
    QString m_filePath;
    QList<QStringList> m_rows;
    int m_columnCount = 0;
};

// The questions of one run: loads appFolder + "Morvidかな0.csv" and selects the group the level
// asks ((runLevel - 1) div 2 + 1). A group without rows gives an empty list. appFolder ends with
// a separator. Throws DataFileError as QuestionBank::load and selectGroup do.
QList<Question> loadLevelQuestions(const QString &appFolder, int runLevel);
