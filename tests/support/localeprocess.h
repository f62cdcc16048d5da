#pragma once

#include <QProcessEnvironment>
#include <QString>

// The environment of a program started as a teacher's terminal or a manual-page generator starts
// it: no display, no platform chosen, and only LANG naming the locale.
inline QProcessEnvironment environmentWithoutDisplay(const QString &lang)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("QT_QPA_PLATFORM"),
                                QStringLiteral("LC_ALL"), QStringLiteral("LC_MESSAGES"), QStringLiteral("LANGUAGE")})
        env.remove(name);
    env.insert(QStringLiteral("LANG"), lang);
    return env;
}
