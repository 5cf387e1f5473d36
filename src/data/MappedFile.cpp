#include "MappedFile.h"

#include <csetjmp>
#include <csignal>
#include <cstring>
#include <mutex>
#include <sys/mman.h>

namespace {

// Where a guarded copy on this thread lands when its page has gone.
thread_local sigjmp_buf* t_landing = nullptr;
struct sigaction g_previous = {};

void onBusError(int signal, siginfo_t* info, void* context)
{
    if (sigjmp_buf* landing = t_landing) {
        t_landing = nullptr;
        siglongjmp(*landing, 1);
    }
    // Not a fault of ours: whoever handled it before us, or the default end.
    if ((g_previous.sa_flags & SA_SIGINFO) && g_previous.sa_sigaction) {
        g_previous.sa_sigaction(signal, info, context);
        return;
    }
    if (!(g_previous.sa_flags & SA_SIGINFO) && g_previous.sa_handler != SIG_DFL &&
        g_previous.sa_handler != SIG_IGN) {
        g_previous.sa_handler(signal);
        return;
    }
    std::signal(signal, SIG_DFL);
}

void installGuard()
{
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action = {};
        action.sa_sigaction = onBusError;
        // Not blocked while handled: the jump leaves the handler for good, and a
        // jump that does not restore the signal mask must leave it as it was.
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        sigaction(SIGBUS, &action, &g_previous);
    });
}

} // namespace

MappedFile::~MappedFile()
{
    unmap();
}

bool MappedFile::map(int fd, qint64 size)
{
    unmap();
    if (fd < 0 || size <= 0)
        return false;
    installGuard();
    void* data = ::mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_SHARED, fd, 0);
    if (data == MAP_FAILED)
        return false;
    m_data = static_cast<const char*>(data);
    m_size = size;
    return true;
}

void MappedFile::unmap()
{
    if (m_data)
        ::munmap(const_cast<char*>(m_data), static_cast<size_t>(m_size));
    m_data = nullptr;
    m_size = 0;
}

bool MappedFile::copy(qint64 offset, char* into, qint64 size) const
{
    if (!m_data || offset < 0 || size < 0 || offset + size > m_size)
        return false;
    sigjmp_buf landing;
    // The mask is not saved: that would cost a system call per record.
    if (sigsetjmp(landing, 0) != 0)
        return false;
    t_landing = &landing;
    std::memcpy(into, m_data + offset, static_cast<size_t>(size));
    t_landing = nullptr;
    return true;
}
