// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/InterruptCleanup.h"

#include <unistd.h>

#include <array>
#include <csignal>
#include <cstring>

namespace cli::render {
namespace {

// Every signal whose default ends the program and that another process, a timer or a limit
// can send; faults (SIGSEGV, ...) are left to the crash report.
constexpr std::array kSignals{SIGINT,  SIGTERM, SIGHUP,    SIGPIPE, SIGQUIT, SIGUSR1,
                              SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXFSZ, SIGXCPU};

// Written while the signals are blocked, read by the handler.
char gFile[4096];
char gFolder[4096];

// Copies the path with the signals blocked, so the handler never sees half a path.
bool CopyPath(char (&to)[4096], const QString& path) {
    const QByteArray bytes = path.toLocal8Bit();
    if (size_t(bytes.size()) >= sizeof to) return false;
    const sigset_t blocked = TerminatingSignals();
    sigset_t previous;
    ::sigprocmask(SIG_BLOCK, &blocked, &previous);
    std::memcpy(to, bytes.constData(), size_t(bytes.size()) + 1);
    ::sigprocmask(SIG_SETMASK, &previous, nullptr);
    return true;
}

// Only async-signal-safe calls: unlink, rmdir, sigaction, raise.
void CleanUpAndDie(int signal) {
    ::unlink(gFile);
    ::rmdir(gFolder);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigaction(signal, &standard, nullptr);
    ::raise(signal);
}

// The dispositions before arming; a signal the caller ignores (as a shell does for a job
// started with '&') stays ignored.
std::array<struct sigaction, kSignals.size()> gPrevious{};
bool gArmed = false;

}  // namespace

void ArmInterruptCleanup(const QString& folder) {
    if (gArmed || !CopyPath(gFolder, folder)) return;
    gArmed = true;
    struct sigaction action {};
    action.sa_handler = CleanUpAndDie;
    sigemptyset(&action.sa_mask);
    for (size_t k = 0; k < kSignals.size(); ++k) {
        ::sigaction(kSignals[k], nullptr, &gPrevious[k]);
        if (gPrevious[k].sa_handler != SIG_IGN) ::sigaction(kSignals[k], &action, nullptr);
    }
}

void SetInterruptCleanupFile(const QString& file) {
    CopyPath(gFile, file);
}

sigset_t TerminatingSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kSignals)
        sigaddset(&set, signal);
    return set;
}

void DisarmInterruptCleanup() {
    if (!gArmed) return;
    gArmed = false;
    for (size_t k = 0; k < kSignals.size(); ++k)
        ::sigaction(kSignals[k], &gPrevious[k], nullptr);
}

}  // namespace cli::render
