#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

// One command of the teachers' tool "tavrel-admin".
struct AdminCommand
{
    QString name;
    QString summary; // one line for the tool's --help
    QString usage;   // the command's own --help text
    // Runs with the arguments after the command's name; returns the exit status.
    std::function<int(const QStringList &args, QTextStream &out, QTextStream &err)> run;
};
