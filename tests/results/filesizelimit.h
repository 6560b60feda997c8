#ifndef BRIMLOW_TESTS_FILESIZELIMIT_H
#define BRIMLOW_TESTS_FILESIZELIMIT_H

// A disk that fills up after a few bytes, for tests that run as root (where a
// read-only folder does not stop anything): while this lives, the process may
// not grow any file past the limit, and a write past it fails with EFBIG
// instead of raising SIGXFSZ.

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit final
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isActive() const { return m_active; }

private:
    rlimit m_saved {};
    void (*m_savedHandler)(int) = nullptr;
    bool m_active = false;
};

#endif
