// The handler uses only async-signal-safe calls: the image writer's, sigaction and raise. It
// runs on a stack of its own, so a crash that ran out of stack still gets its images written.
#include "framework/FatalSignals.h"

#include "recovery/RecoveryImages.h"

#include <array>
#include <csignal>
#include <cstddef>

namespace orv {

namespace {

constexpr std::array kFatalSignals = {SIGTERM, SIGHUP, SIGINT, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
// Signals the system raises at the faulting instruction: returning runs it again, and it
// faults again with the handler that was there before.
constexpr std::array kFaults = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};

struct sigaction g_previous[kFatalSignals.size()];
alignas(16) std::byte g_stack[64 * 1024];

std::size_t indexOf(int signalNumber)
{
    for (std::size_t i = 0; i < kFatalSignals.size(); ++i)
        if (kFatalSignals[i] == signalNumber)
            return i;
    return 0;
}

void onFatalSignal(int signalNumber, siginfo_t* info, void*)
{
    recovery_images::writeFromSignal();
    sigaction(signalNumber, &g_previous[indexOf(signalNumber)], nullptr);
    bool fault = false;
    for (const int f : kFaults)
        fault = fault || f == signalNumber;
    // A fault the system raised comes again by itself; anything sent (kill, raise, abort) is
    // sent again, and arrives once this handler has returned.
    if (!fault || !info || info->si_code <= 0)
        raise(signalNumber);
}

} // namespace

void installFatalSignalRecovery()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // A stack of the program's own already (a sanitizer's) serves as well.
    stack_t stack{};
    if (sigaltstack(nullptr, &stack) == 0 && (stack.ss_flags & SS_DISABLE)) {
        stack.ss_sp = g_stack;
        stack.ss_size = sizeof g_stack;
        stack.ss_flags = 0;
        sigaltstack(&stack, nullptr);
    }
    struct sigaction action {};
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    // While one handler writes, the other fatal signals wait on this thread.
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : kFatalSignals)
        sigaddset(&action.sa_mask, signalNumber);
    for (std::size_t i = 0; i < kFatalSignals.size(); ++i) {
        // An ignored signal (a hang-up under nohup) stays ignored: it ends nothing.
        if (sigaction(kFatalSignals[i], nullptr, &g_previous[i]) == 0 && g_previous[i].sa_handler != SIG_IGN)
            sigaction(kFatalSignals[i], &action, nullptr);
    }
}

} // namespace orv
