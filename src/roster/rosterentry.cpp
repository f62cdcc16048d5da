#include "rosterentry.h"

#include "fieldreader.h"
#include "sjis.h"

#include <QStringList>

namespace {

constexpr int kListed = 0;
constexpr int kListedOnRequest = 2;

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

QString carried(const QString &text)
{
    return FieldReader::parseNumber(text) ? text.trimmed() : quoted(text);
}

} // namespace

bool RosterEntry::listed(bool showStatus2Pupils) const
{
    return listFlag == kListed || (listFlag == kListedOnRequest && showStatus2Pupils);
}

QString RosterEntry::padded(const QString &text)
{
    return text.leftJustified(kTextWidth, u' ');
}

QByteArray RosterEntry::encodeLine() const
{
    const QString text = QStringList{QString::number(rosterNo), QString::number(birthYear), carried(extra1),
                                     carried(extra2), quoted(padded(name)), QString::number(listFlag),
                                     quoted(padded(note1)), quoted(padded(note2))}
                             .join(u',');
    return sjis::encode(text) + "\r\n";
}
