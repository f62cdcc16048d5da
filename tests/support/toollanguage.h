#pragma once

#include "messagecatalogue.h"

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
