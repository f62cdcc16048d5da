#pragma once

#include "admin.h"
#include "messagecatalogue.h"

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

// The language the tool speaks in a run: as under an English or a Japanese locale.
enum class AdminLanguage { English, Japanese };

// The tool's language for a scope. The test programs keep the Japanese catalogue installed, as
// the program does; the tool installs it only under a Japanese locale.
class ToolLanguage
{
public:
    explicit ToolLanguage(AdminLanguage language)
        : m_wasInstalled(messagecatalogue::japaneseInstalled())
    {
        if (language == AdminLanguage::English)
            messagecatalogue::removeJapanese();
        else
            messagecatalogue::installJapanese();
    }
    ~ToolLanguage()
    {
        if (m_wasInstalled)
            messagecatalogue::installJapanese();
        else
            messagecatalogue::removeJapanese();
    }
    ToolLanguage(const ToolLanguage &) = delete;
    ToolLanguage &operator=(const ToolLanguage &) = delete;

private:
    bool m_wasInstalled;
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
