#include "questionbank.h"

#include "catalogue.h"
#include "datafileerror.h"
#include "questionline.h"
#include "scramblekey.h"
#include "sjis.h"
#include "systemerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(QuestionBank)
};

} // namespace

QString QuestionBank::storedFileName(const QString &callerFileName)
{
    const qsizetype nameStart = std::max(callerFileName.lastIndexOf(u'/'), callerFileName.lastIndexOf(u'\\')) + 1;
    const qsizetype dot = callerFileName.lastIndexOf(u'.');
    const QString base = dot >= nameStart ? callerFileName.first(dot) : callerFileName;
    return base + QStringLiteral("vv.ccc");
}

QuestionBank QuestionBank::load(const QString &callerFileName)
{
    const QString path = storedFileName(callerFileName);
    QFile file(path);
    if (!QFileInfo(file).isFile())
        throw DataFileError::missing(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw DataFileError(path, 0, Text::tr("The file cannot be opened (%1).").arg(systemerror::describe(file, errno)));
    const QByteArray bytes = file.readAll();
    file.close();
    return fromBytes(bytes, path);
}

QuestionBank QuestionBank::fromBytes(QByteArrayView bytes, const QString &filePath)
{
    QuestionBank bank;
    bank.m_filePath = filePath;
    const QStringList lines = questionline::splitLines(sjis::decode(bytes));
    if (lines.isEmpty())
        throw DataFileError(filePath, 0, Text::tr("There is not one question line."));
    if (lines.size() > kMaxRows)
        throw DataFileError(filePath, kMaxRows + 1,
                            Text::tr("There are too many lines: at most %1 questions.").arg(kMaxRows));

    const ScrambleKey &key = ScrambleKey::program();
    bank.m_rows.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        const std::optional<QString> plain = key.unscramble(lines[i]);
        if (!plain)
            throw DataFileError(filePath, line,
                                Text::tr("The line is too short (only %1 characters; it needs %2 or more).")
                                    .arg(lines[i].size())
                                    .arg(key.requiredLength()));
        std::optional<QStringList> fields = questionline::fieldsOf(*plain);
        if (!fields)
            throw DataFileError(filePath, line,
                                Text::tr("The end marker \"%1\" is missing.").arg(questionline::kEndMarker));
        if (fields->size() > kMaxColumns)
            throw DataFileError(filePath, line,
                                Text::tr("There are too many fields (%1; at most %2).")
                                    .arg(fields->size())
                                    .arg(kMaxColumns));
        bank.m_rows.append(std::move(*fields));
    }
    bank.m_columnCount = static_cast<int>(bank.m_rows.constLast().size());
    return bank;
}

QString QuestionBank::cell(int row, int column) const
{
    if (row < 1 || row > m_rows.size() || column < 1)
        return {};
    const QStringList &fields = m_rows[row - 1];
    return column <= fields.size() ? fields[column - 1] : QString();
}

QList<Question> QuestionBank::selectGroup(int groupNo) const
{
    QList<Question> questions;
    for (int row = 1; row <= rowCount(); ++row) {
        if (questionline::groupOf(cell(row, questionline::kGroupColumn)) != groupNo)
            continue;
        const QString yearText = cell(row, questionline::kYearColumn);
        const std::optional<std::int16_t> year = questionline::yearOf(yearText);
        if (!year)
            throw DataFileError(m_filePath, row,
                                Text::tr("The year (the third field) is not a whole number from -32768 to 32767 (\"%1\").")
                                    .arg(yearText));
        Question q;
        q.group = groupNo;
        q.year = *year;
        q.name = cell(row, 4);
        q.nameSub = cell(row, 5);
        q.explain = cell(row, 6);
        q.explainSub = cell(row, 7);
        q.line = row;
        questions.append(std::move(q));
    }
    return questions;
}

QList<Question> loadLevelQuestions(const QString &appFolder, int runLevel)
{
    const QuestionBank bank = QuestionBank::load(appFolder + QStringLiteral("Morvidかな0.csv"));
    return bank.selectGroup(catalogue::questionGroup(runLevel));
}
