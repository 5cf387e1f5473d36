#pragma once

#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <csignal>
#include <functional>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

constexpr int kNotTraceable = 77;

inline bool isWriteCall(quint64 number)
{
    return number == SYS_write || number == SYS_pwrite64 || number == SYS_writev ||
           number == SYS_pwritev || number == SYS_pwritev2;
}

inline QString pathOfDescriptor(pid_t process, quint64 fd)
{
    return QFileInfo(QStringLiteral("/proc/%1/fd/%2").arg(process).arg(fd)).canonicalFilePath();
}

// Runs `work` in a child process traced by this one and kills the child as it
// enters its `n`-th system call that writes into one of `paths`, so the files
// hold the writes before it and none of its own. False when the child finished
// first. `work` ends the child with _exit.
inline bool killedAtWrite(const QStringList& paths, int n, const std::function<void()>& work)
{
    const pid_t child = fork();
    if (child == 0) {
        if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0)
            _exit(kNotTraceable); // stopping untraced would leave the parent waiting
        raise(SIGSTOP);
        work();
        _exit(0);
    }
    QStringList targets;
    for (const QString& path : paths)
        targets.append(QFileInfo(path).canonicalFilePath());
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNotTraceable)
        qFatal("This system does not let a test process trace its child (ptrace).");
    ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    int writes = 0;
    int pending = 0;
    while (true) {
        ptrace(PTRACE_SYSCALL, child, nullptr, reinterpret_cast<void*>(long(pending)));
        waitpid(child, &status, 0);
        if (WIFEXITED(status) || WIFSIGNALED(status))
            return false;
        pending = WSTOPSIG(status) == (SIGTRAP | 0x80) ? 0 : WSTOPSIG(status);
        __ptrace_syscall_info info = {};
        if (pending || ptrace(PTRACE_GET_SYSCALL_INFO, child, sizeof info, &info) <= 0 ||
            info.op != PTRACE_SYSCALL_INFO_ENTRY || !isWriteCall(info.entry.nr) ||
            !targets.contains(pathOfDescriptor(child, info.entry.args[0])) || ++writes < n)
            continue;
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        return true;
    }
}
