#pragma once

#include <QFont>
#include <QString>

// The screens name the Windows Japanese faces ("ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝").
// Where a face is not installed it is replaced by the installed Japanese face of the same kind:
// fixed-pitch Gothic, proportional Gothic or Mincho.
namespace fontfaces {

QString resolve(const QString &family);

// A font of the named face at the given point size (at 96 dpi), bold and italic as asked. Bold
// is drawn by emboldening the regular face, even where a bold face is installed.
QFont make(const QString &family, double pointSize, bool bold = false, bool italic = false,
           bool underline = false);

inline const QString gothic() { return QStringLiteral("ＭＳ ゴシック"); }
inline const QString pGothic() { return QStringLiteral("ＭＳ Ｐゴシック"); }
inline const QString mincho() { return QStringLiteral("ＭＳ 明朝"); }

} // namespace fontfaces
