#pragma once

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <sys/resource.h>

#include <csignal>

// While it lives, files this process writes cannot grow beyond `bytes`: a write fails part-way as
// on a full disk, whatever the user's rights (root included). SIGXFSZ is ignored meanwhile so
// the failing write returns an error instead of ending the test.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};
#endif
