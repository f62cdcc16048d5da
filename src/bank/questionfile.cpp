#include "questionfile.h"

#include "questionline.h"
#include "scramblekey.h"
#include "sjis.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(QuestionFile)
};

} // namespace

namespace questionfile {

namespace {

void add(QList<Problem> &problems, int line, Fault fault, const QString &text)
{
    problems.append(Problem{line, fault, text});
}

Problem tooManyLines(qsizetype lineCount)
{
    return Problem{questionline::kMaxLines + 1, Fault::TooManyLines,
                   Text::tr("the file has %1 lines; the program reads at most %2")
                       .arg(lineCount)
                       .arg(questionline::kMaxLines)};
}

Problem tooManyFields(int line, qsizetype count)
{
    return Problem{line, Fault::TooManyFields,
                   Text::tr("%1 fields before the end marker; at most %2 are allowed")
                       .arg(count)
                       .arg(questionline::kMaxFields)};
}

Problem noEndMarker(int line)
{
    return Problem{line, Fault::NoEndMarker,
                   Text::tr("no end marker \"%1\"").arg(questionline::kEndMarker)};
}

// The characters of text that code page 932 cannot hold, each once, in order of appearance.
QString unstorableCharacters(const QString &text)
{
    QString found;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString piece = text.mid(i, len);
        if (sjis::decode(sjis::encode(piece)) != piece && !found.contains(piece))
            found += piece;
        i += len;
    }
    return found;
}

QString lineList(const QList<int> &lines)
{
    QStringList numbers;
    for (int line : lines)
        numbers << QString::number(line);
    return numbers.join(QStringLiteral(", "));
}

} // namespace

Scrambled scramble(const QString &plainText)
{
    Scrambled result;
    QStringList lines = questionline::splitLines(plainText);
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    if (lines.isEmpty()) {
        add(result.problems, 0, Fault::Empty, Text::tr("there are no question lines"));
        return result;
    }
    if (lines.size() > questionline::kMaxLines)
        result.problems.append(tooManyLines(lines.size()));

    const ScrambleKey &key = ScrambleKey::program();
    QStringList stored;
    stored.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        const QString &plain = lines[i];
        if (plain.isEmpty()) {
            add(result.problems, line, Fault::EmptyLine, Text::tr("the line is empty"));
            continue;
        }
        if (sjis::decode(sjis::encode(plain)) != plain)
            add(result.problems, line, Fault::Unstorable,
                Text::tr("characters that Shift-JIS cannot store: %1").arg(unstorableCharacters(plain)));
        const std::optional<QStringList> fields = questionline::fieldsOf(plain);
        if (!fields)
            result.problems.append(noEndMarker(line));
        else if (fields->size() > questionline::kMaxFields)
            result.problems.append(tooManyFields(line, fields->size()));
        stored.append(*key.scramble(questionline::padded(plain, key.requiredLength())));
    }
    std::stable_sort(result.problems.begin(), result.problems.end(),
                     [](const Problem &a, const Problem &b) { return a.line < b.line; });
    if (!result.problems.isEmpty())
        return result;
    result.lineCount = static_cast<int>(stored.size());
    result.stored = sjis::encode(stored.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    return result;
}

Unscrambled unscramble(QByteArrayView storedBytes)
{
    Unscrambled result;
    const QStringList lines = questionline::splitLines(sjis::decode(storedBytes));
    if (lines.isEmpty()) {
        add(result.problems, 0, Fault::Empty, Text::tr("the file holds no lines"));
        return result;
    }
    const ScrambleKey &key = ScrambleKey::program();
    QString plain;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        if (lines[i].contains(QChar::ReplacementCharacter))
            add(result.problems, line, Fault::NotShiftJis, Text::tr("bytes that are not Shift-JIS text"));
        const std::optional<QString> unscrambled = key.unscramble(lines[i]);
        if (!unscrambled) {
            add(result.problems, line, Fault::TooShort,
                Text::tr("%1 characters; a stored line needs at least %2")
                    .arg(lines[i].size())
                    .arg(key.requiredLength()));
            continue;
        }
        plain += *unscrambled;
        plain += u'\n';
    }
    if (result.problems.isEmpty()) {
        result.plain = plain;
        result.lineCount = static_cast<int>(lines.size());
    }
    return result;
}

QList<Problem> check(QByteArrayView storedBytes)
{
    QList<Problem> problems;
    const QStringList lines = questionline::splitLines(sjis::decode(storedBytes));
    if (lines.isEmpty()) {
        add(problems, 0, Fault::Empty, Text::tr("the file holds no lines"));
        return problems;
    }

    const ScrambleKey &key = ScrambleKey::program();
    std::array<QList<int>, kGroupCount + 1> groupLines;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        if (line == questionline::kMaxLines + 1)
            problems.append(tooManyLines(lines.size()));
        const QString &stored = lines[i];
        if (stored.contains(QChar::ReplacementCharacter))
            add(problems, line, Fault::NotShiftJis, Text::tr("bytes that are not Shift-JIS text"));
        if (stored.isEmpty()) {
            add(problems, line, Fault::EmptyLine, Text::tr("the line is empty"));
            continue;
        }
        const std::optional<QString> plain = key.unscramble(stored);
        if (!plain) {
            add(problems, line, Fault::TooShort,
                Text::tr("the line has %1 characters; a stored line needs at least %2")
                    .arg(stored.size())
                    .arg(key.requiredLength()));
            continue;
        }
        const std::optional<QStringList> fields = questionline::fieldsOf(*plain);
        if (!fields) {
            problems.append(noEndMarker(line));
            continue;
        }
        if (fields->size() > questionline::kMaxFields)
            problems.append(tooManyFields(line, fields->size()));
        if (fields->size() < questionline::kQuestionFields)
            add(problems, line, Fault::FewFields,
                Text::tr("%1 fields; a question has %2 (serial, group, year, name, name line 2, "
                         "explanation, explanation line 2)")
                    .arg(fields->size())
                    .arg(questionline::kQuestionFields));
        if (fields->size() >= questionline::kGroupColumn) {
            const QString &text = fields->at(questionline::kGroupColumn - 1);
            const std::optional<int> group = questionline::groupOf(text);
            if (group && *group >= 1 && *group <= kGroupCount)
                groupLines[*group].append(line);
            else
                add(problems, line, Fault::GroupNotInRange,
                    Text::tr("the group (field 2) is \"%1\"; it must be a whole number from 1 to %2")
                        .arg(text)
                        .arg(kGroupCount));
        }
        if (fields->size() >= questionline::kYearColumn) {
            const QString &text = fields->at(questionline::kYearColumn - 1);
            const std::optional<std::int16_t> year = questionline::yearOf(text);
            if (!year)
                add(problems, line, Fault::YearNotWhole,
                    Text::tr("the year (field 3) is \"%1\"; it must be a whole number from %2 to %3")
                        .arg(text)
                        .arg(kFirstYear)
                        .arg(kLastYear));
            else if (*year < kFirstYear || *year > kLastYear)
                add(problems, line, Fault::YearOffTimeline,
                    Text::tr("the year %1 lies outside the timeline, %2 to %3")
                        .arg(*year)
                        .arg(kFirstYear)
                        .arg(kLastYear));
        }
    }

    for (int group = 1; group <= kGroupCount; ++group) {
        const QList<int> &rows = groupLines[group];
        if (rows.size() >= kMinimumGroupSize)
            continue;
        const QString where = rows.isEmpty() ? QString() : Text::tr(" (lines %1)").arg(lineList(rows));
        add(problems, 0, Fault::SmallGroup,
            Text::tr("group %1 has %2 questions%3; a test needs at least %4")
                .arg(group)
                .arg(rows.size())
                .arg(where)
                .arg(kMinimumGroupSize));
    }
    return problems;
}

} // namespace questionfile
