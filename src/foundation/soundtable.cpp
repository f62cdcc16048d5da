#include "soundtable.h"

#include "datafileerror.h"
#include "fieldreader.h"

#include <QCoreApplication>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(SoundTable)
};

const std::array<const char16_t *, SoundTable::kKinds> kKindNames = {
    u"正解音1",     u"正解音2",     u"間違い音1",   u"間違い音2", u"最高音1",
    u"最高音2",     u"自己最高音1", u"自己最高音2", u"自己最高音3", u"不合格音1",
};
const QString kEmpty;
} // namespace

SoundTable::SoundTable()
{
    for (int kind = 1; kind <= kKinds; ++kind)
        m_cells[kind][0] = QString::fromUtf16(kKindNames[static_cast<std::size_t>(kind - 1)]);
}

int SoundTable::fileCount(int kind) const
{
    const auto n = FieldReader::parseNumber(cell(kind, kCountColumn));
    if (!n || *n < 0)
        return 0;
    return *n > kMaxFiles ? kMaxFiles : static_cast<int>(*n);
}

const QString &SoundTable::fileName(int kind, int index) const
{
    if (index < 1 || index > kMaxFiles)
        return kEmpty;
    return cell(kind, index);
}

SoundTable SoundTable::read(const QString &filePath)
{
    SoundTable table;
    FieldReader reader(filePath);
    while (auto value = reader.next()) {
        for (int kind = 1; kind <= kKinds; ++kind) {
            if (value->text != table.name(kind))
                continue;
            int column = 0;
            while (column < kMaxFiles) {
                const auto item = reader.next();
                if (!item)
                    throw DataFileError(filePath, value->line,
                                        Text::tr("The file ends before the list of \"%1\" is closed by \"*\".")
                                            .arg(value->text));
                if (item->text == u"*") {
                    table.m_cells[kind][kCountColumn] = QString::number(column);
                    break;
                }
                table.m_cells[kind][++column] = item->text;
            }
            // After twenty names the group ends without a count, as the format allows.
        }
    }
    return table;
}
