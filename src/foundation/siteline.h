#pragma once

#include <QString>

// The site line of 共通データ.txt: a display name, optionally preceded by a five-character site
// code that is stored with every recorded run.
struct SiteLine
{
    QString code; // five characters, or empty
    QString name;

    // When the leading number of the first five characters (digits as far as they go) is not
    // zero, those five characters are the code and the rest is the name. A line shorter than
    // five characters is never split: a code must be complete to be stored.
    static SiteLine split(const QString &line);
};
