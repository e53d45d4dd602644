// Hardware integer-division faults become C++ exceptions. With -fnon-call-exceptions the
// compiler records unwind information for every instruction that may trap, so an exception
// thrown by the SIGFPE handler unwinds from the faulting division into the caller's catch.
#include "SysUtils.h"

#include <csignal>

namespace {

void OnFloatingPointSignal(int sig, siginfo_t* info, void*) {
    if (info && info->si_code == FPE_INTDIV) throw EDivByZero("Division by zero");
    if (info && info->si_code == FPE_INTOVF) throw EIntOverflow("Integer overflow");
    // Not ours to translate (floating-point traps are masked): let the default action run.
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

} // namespace

void InstallFaultHandlers() {
    struct sigaction sa {};
    sa.sa_sigaction = OnFloatingPointSignal;
    // The handler is left by unwinding, never by returning: SA_NODEFER keeps SIGFPE unblocked
    // afterwards, so the next division by zero is caught too.
    sa.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGFPE, &sa, nullptr);
}
