#pragma once

#include "admin.h"
#include "toollanguage.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// Runs the teachers' tool in-process and keeps its exit status and what it printed.
struct AdminRun
{
    int status = 0;
    QString out;
    QString err;
};

inline AdminRun admin(const QStringList &args, AdminLanguage language = AdminLanguage::English)
{
    const ToolLanguage speaking(language);
    AdminRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = runAdmin(args, out, err);
    out.flush();
    err.flush();
    return r;
}
