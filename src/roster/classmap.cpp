#include "classmap.h"

#include "fieldreader.h"
#include "installation.h"
#include "sjis.h"
#include "systemerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cmath>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(ClassMap)
};

constexpr int kValuesPerLine = 3;
const QString kFileName = QStringLiteral("生徒用名簿クラス.txt");

std::optional<int> rosterNumber(const QString &text)
{
    const std::optional<double> value = FieldReader::parseNumber(text);
    if (!value || *value != std::floor(*value) || *value < 1 || *value > kMaxPupil)
        return std::nullopt;
    return static_cast<int>(*value);
}

} // namespace

QString ClassMap::path(const Folders &folders)
{
    return folders.filesFolder + kFileName;
}

QString ClassMap::pathBeside(const QString &rosterPath)
{
    return QFileInfo(rosterPath).path() + u'/' + kFileName;
}

QString ClassMap::normalLabel(const QString &label)
{
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    return label.normalized(QString::NormalizationForm_KC).trimmed().replace(spaces, QStringLiteral(" "));
}

QString ClassMap::labelProblem(const QString &label)
{
    if (label.isEmpty())
        return Text::tr("the class has no name");
    if (label.size() > kLabelWidth)
        return Text::tr("the class \"%1\" is longer than %2 characters").arg(label).arg(kLabelWidth);
    for (const QChar c : label) {
        if (c == u'"' || c.category() == QChar::Other_Control)
            return Text::tr("the class \"%1\" holds a double quote or a control character").arg(label);
    }
    if (sjis::decode(sjis::encode(label)) != label)
        return Text::tr("the class \"%1\" holds characters that Shift-JIS cannot store").arg(label);
    return {};
}

ClassMap ClassMap::read(const QString &filePath)
{
    ClassMap map;
    map.m_filePath = filePath;
    QFile file(filePath);
    if (!QFileInfo(file).isFile())
        return map;
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        map.m_found = true;
        map.m_problems.emplace_back(filePath, 0, Text::tr("The file cannot be opened (%1).").arg(systemerror::describe(file, errno)));
        return map;
    }
    return parse(file.readAll(), filePath);
}

ClassMap ClassMap::parse(QByteArrayView bytes, const QString &filePath)
{
    ClassMap map;
    map.m_filePath = filePath;
    map.m_found = true;
    int number = 0;
    for (const QByteArray &line : bytes.toByteArray().split('\n')) {
        ++number;
        const QByteArray text = line.trimmed();
        if (text.isEmpty())
            continue;
        const auto report = [&](const QString &problem) {
            map.m_problems.emplace_back(filePath, number, problem + Text::tr(" This class is not used."));
        };
        QList<Field> values;
        try {
            FieldReader reader = FieldReader::fromBytes(text, filePath);
            while (std::optional<Field> value = reader.next())
                values.append(std::move(*value));
        } catch (const DataFileError &e) {
            report(e.problem());
            continue;
        }
        if (values.size() != kValuesPerLine) {
            report(Text::tr("There must be %1 values (class, first number, last number), but there are %2.")
                       .arg(kValuesPerLine)
                       .arg(values.size()));
            continue;
        }
        const QString label = normalLabel(values[0].text);
        const std::optional<int> first = rosterNumber(values[1].text);
        const std::optional<int> last = rosterNumber(values[2].text);
        if (const QString why = labelProblem(label); !why.isEmpty()) {
            report(Text::tr("%1.", "a reason made a sentence").arg(why));
        } else if (!first || !last) {
            report(Text::tr("The numbers \"%1\" and \"%2\" are not whole numbers from 1 to %3.")
                       .arg(values[1].text, values[2].text)
                       .arg(kMaxPupil));
        } else if (*first > *last) {
            report(Text::tr("The first number %1 is above the last %2.").arg(*first).arg(*last));
        } else if (map.find(label)) {
            report(Text::tr("The class \"%1\" is already on an earlier line.").arg(label));
        } else if (const Class *other = map.overlapping(*first, *last, label)) {
            report(Text::tr("The numbers %1 to %2 meet those of the class \"%3\" (%4 to %5).")
                       .arg(*first)
                       .arg(*last)
                       .arg(other->label)
                       .arg(other->first)
                       .arg(other->last));
        } else {
            map.m_classes.push_back(Class{label, *first, *last});
        }
    }
    return map;
}

const ClassMap::Class *ClassMap::find(const QString &label) const
{
    const QString normal = normalLabel(label);
    for (const Class &c : m_classes) {
        if (c.label == normal)
            return &c;
    }
    return nullptr;
}

const ClassMap::Class *ClassMap::classOf(int rosterNo) const
{
    for (const Class &c : m_classes) {
        if (c.holds(rosterNo))
            return &c;
    }
    return nullptr;
}

const ClassMap::Class *ClassMap::overlapping(int first, int last, const QString &label) const
{
    const QString normal = normalLabel(label);
    for (const Class &c : m_classes) {
        if (c.label != normal && first <= c.last && c.first <= last)
            return &c;
    }
    return nullptr;
}

void ClassMap::set(const Class &c)
{
    Class normal = c;
    normal.label = normalLabel(c.label);
    for (Class &known : m_classes) {
        if (known.label == normal.label) {
            known = normal;
            return;
        }
    }
    m_classes.push_back(normal);
}

QByteArray ClassMap::encode() const
{
    QString text;
    for (const Class &c : m_classes) {
        text += u'"' + c.label + QStringLiteral("\",%1,%2\r\n").arg(c.first).arg(c.last);
    }
    return sjis::encode(text);
}
