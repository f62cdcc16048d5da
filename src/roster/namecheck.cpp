#include "namecheck.h"

#include "sjis.h"

namespace namecheck {

namespace {

bool storable(const QString &text)
{
    return sjis::decode(sjis::encode(text)) == text;
}

bool plainYear(const QString &typed)
{
    const QString text = typed.normalized(QString::NormalizationForm_KC).trimmed();
    if (text.isEmpty())
        return true;
    if (text.size() > 4)
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString box(int row, const QString &name)
{
    return QStringLiteral("%1番目の「%2」").arg(row).arg(name);
}

} // namespace

std::optional<BoxProblem> firstProblem(const std::vector<namechange::Boxes> &boxes)
{
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        const QString name = boxes[i].name.trimmed();
        const QString nameBox = box(row, QStringLiteral("名前"));
        if (name.isEmpty())
            return BoxProblem{row, false, nameBox + QStringLiteral("が空です。名前を入れてください。")};
        if (name.size() > kMaxNameLength)
            return BoxProblem{row, false,
                              nameBox + QStringLiteral("は%1文字あります。名前は%2文字までです。")
                                            .arg(name.size())
                                            .arg(kMaxNameLength)};
        if (!storable(namechange::storedName(name)))
            return BoxProblem{row, false,
                              nameBox + QStringLiteral("「%1」には名簿ファイルに書けない文字があります。").arg(name)};
        if (!plainYear(boxes[i].birthYear))
            return BoxProblem{row, true,
                              box(row, QStringLiteral("生まれた年"))
                                  + QStringLiteral("「%1」は年として読めません。西暦の年を4けたまでの数字で入れてください"
                                                   "（例：2014）。")
                                        .arg(boxes[i].birthYear.trimmed())};
    }
    return std::nullopt;
}

} // namespace namecheck
