#include "rosterfile.h"

#include "installation.h"
#include "fieldreader.h"
#include "systemerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cmath>
#include <limits>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(RosterFile)
};

constexpr int kValuesPerLine = 8;
constexpr int kNumberAt = 0;
constexpr int kBirthYearAt = 1;
constexpr int kExtra1At = 2;
constexpr int kExtra2At = 3;
constexpr int kNameAt = 4;
constexpr int kListFlagAt = 5;
constexpr int kNote1At = 6;
constexpr int kNote2At = 7;

QString skipped()
{
    return Text::tr(" This line's pupil is not used.");
}

std::optional<int> wholeNumber(const QString &text, int low, int high)
{
    const std::optional<double> value = FieldReader::parseNumber(text);
    if (!value || *value != std::floor(*value) || *value < low || *value > high)
        return std::nullopt;
    return static_cast<int>(*value);
}

// Splits at CR LF, LF or lone CR; a last line without a line end counts as a line. Neither CR
// nor LF occurs inside a Shift-JIS double-byte character, so splitting the bytes is safe.
std::vector<QByteArray> splitLines(QByteArrayView bytes)
{
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.emplace_back(bytes.sliced(start, i - start).toByteArray());
        if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.emplace_back(bytes.sliced(start).toByteArray());
    return lines;
}

} // namespace

QString RosterFile::path(const Folders &folders)
{
    return folders.filesFolder + QStringLiteral("生徒用名簿.txt");
}

QString RosterFile::backupPath(const Folders &folders)
{
    return folders.filesFolder + QStringLiteral("生徒用名簿temp.txt");
}

RosterFile RosterFile::read(const QString &filePath)
{
    RosterFile roster;
    roster.m_filePath = filePath;
    QFile file(filePath);
    if (!QFileInfo(file).isFile())
        return roster;
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        roster.m_found = true;
        roster.m_problems.emplace_back(
            filePath, 0, Text::tr("The file cannot be opened (%1).").arg(systemerror::describe(file, errno)));
        return roster;
    }
    roster = parse(file.readAll(), filePath);
    return roster;
}

RosterFile RosterFile::parse(QByteArrayView bytes, const QString &filePath)
{
    RosterFile roster;
    roster.m_filePath = filePath;
    roster.m_found = true;
    int number = 0;
    for (QByteArray &bytesOfLine : splitLines(bytes)) {
        ++number;
        if (bytesOfLine.trimmed().isEmpty()) {
            // Not a pupil, but kept so that a rewrite gives the file back line for line.
            roster.m_lines.push_back(Line{number, std::move(bytesOfLine), std::nullopt, false});
            continue;
        }
        auto report = [&](const QString &problem) {
            roster.m_problems.emplace_back(filePath, number, problem + skipped());
        };
        QList<Field> values;
        try {
            FieldReader reader = FieldReader::fromBytes(bytesOfLine, filePath);
            while (std::optional<Field> value = reader.next())
                values.append(std::move(*value));
        } catch (const DataFileError &e) {
            roster.m_lines.push_back(Line{number, std::move(bytesOfLine), std::nullopt, false});
            report(e.problem());
            continue;
        }
        Line line{number, std::move(bytesOfLine), std::nullopt, false};
        const auto text = [&](int at) { return values.at(at).text; };
        constexpr int kInt16Low = std::numeric_limits<std::int16_t>::min();
        constexpr int kInt16High = std::numeric_limits<std::int16_t>::max();
        if (values.size() != kValuesPerLine) {
            report(Text::tr("There must be %1 values, but there are %2.").arg(kValuesPerLine).arg(values.size()));
        } else if (const auto no = wholeNumber(text(kNumberAt), 1, kMaxPupil); !no) {
            report(Text::tr("The number \"%1\" is not a whole number from 1 to %2.").arg(text(kNumberAt)).arg(kMaxPupil));
        } else if (const auto year = wholeNumber(text(kBirthYearAt), kInt16Low, kInt16High); !year) {
            report(Text::tr("The birth year \"%1\" is not a whole number.").arg(text(kBirthYearAt)));
        } else if (const auto flag = wholeNumber(text(kListFlagAt), kInt16Low, kInt16High); !flag) {
            report(Text::tr("The list flag \"%1\" is not a whole number.").arg(text(kListFlagAt)));
        } else {
            line.entry = RosterEntry{number,
                                     static_cast<std::int16_t>(*no),
                                     static_cast<std::int16_t>(*year),
                                     text(kExtra1At),
                                     text(kExtra2At),
                                     text(kNameAt),
                                     static_cast<std::int16_t>(*flag),
                                     text(kNote1At),
                                     text(kNote2At)};
        }
        roster.m_lines.push_back(std::move(line));
    }
    return roster;
}

std::optional<std::size_t> RosterFile::entryLine(int index) const
{
    if (index < 0)
        return std::nullopt;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].entry && index-- == 0)
            return i;
    }
    return std::nullopt;
}

const RosterEntry *RosterFile::entry(int index) const
{
    const std::optional<std::size_t> at = entryLine(index);
    return at ? &*m_lines[*at].entry : nullptr;
}

bool RosterFile::replaceEntry(int index, const RosterEntry &entry)
{
    const std::optional<std::size_t> at = entryLine(index);
    if (!at)
        return false;
    m_lines[*at].entry = entry;
    m_lines[*at].edited = true;
    return true;
}

void RosterFile::appendEntry(const RosterEntry &entry)
{
    const int number = m_lines.empty() ? 1 : m_lines.back().number + 1;
    RosterEntry added = entry;
    added.line = number;
    m_lines.push_back(Line{number, QByteArray(), added, true});
}

QByteArray RosterFile::encode() const
{
    QByteArray out;
    for (const Line &line : m_lines) {
        if (line.edited && line.entry)
            out += line.entry->encodeLine();
        else
            out += line.bytes + "\r\n";
    }
    return out;
}
