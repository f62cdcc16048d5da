#include "namechoice.h"

#include "installation.h"

namespace {
constexpr qsizetype kClickCaptionLength = 10;
} // namespace

bool NameChoice::confirmable() const
{
    return !caption.isEmpty() && caption != prompt() && pupilNo >= 1 && pupilNo <= kMaxPupil;
}

QString NameChoice::clickCaption(const QString &lineText)
{
    return lineText.trimmed().left(kClickCaptionLength).trimmed();
}

QString NameChoice::doubleClickCaption(const QString &lineText)
{
    const QString trimmed = lineText.trimmed();
    return trimmed.left(trimmed.indexOf(u'/')).trimmed();
}

StartKeyAction startScreenKey(QChar key, bool listHasFocus, bool confirmShown, bool leaveShown)
{
    if (key == u'1' && confirmShown)
        return StartKeyAction::Confirm;
    if (key == u'0' && leaveShown)
        return StartKeyAction::Leave;
    if (listHasFocus && confirmShown && (key == u'\r' || key == u' '))
        return StartKeyAction::Confirm;
    return StartKeyAction::None;
}
