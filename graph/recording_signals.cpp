// SIGINT and SIGTERM while recording: the file is made whole with
// async-signal-safe work only, then the previous handler runs (for the
// default action, the signal is raised again with it restored, so the
// process ends as it would have).
#include <signal.h>

#include <array>
#include <mutex>

#include "graph/recording.h"
#include "graph/recording_gif_file.h"

namespace lumenbox {

namespace {

constexpr std::array<int, 2> kSignals = {SIGINT, SIGTERM};
// Written before the handlers are installed, only read afterwards.
std::array<struct sigaction, 2> previous{};

std::size_t SlotOf(int signal) { return signal == SIGINT ? 0 : 1; }

void ChainToPrevious(int signal, siginfo_t* info, void* context) {
    const struct sigaction& before = previous[SlotOf(signal)];
    if (before.sa_flags & SA_SIGINFO) {
        before.sa_sigaction(signal, info, context);
    } else if (before.sa_handler == SIG_DFL) {
        sigaction(signal, &before, nullptr);
        raise(signal);
    } else if (before.sa_handler != SIG_IGN) {
        before.sa_handler(signal);
    }
}

void SealThenChain(int signal, siginfo_t* info, void* context) {
    SealRecordingForSignal();
    ChainToPrevious(signal, info, context);
}

void InstallHandlers() {
    for (int signal : kSignals) {
        struct sigaction current{};
        if (sigaction(signal, nullptr, &current) != 0) continue;
        // An ignored signal ends nothing: it stays ignored.
        if (!(current.sa_flags & SA_SIGINFO) && current.sa_handler == SIG_IGN) continue;
        previous[SlotOf(signal)] = current;
        struct sigaction sealing{};
        sealing.sa_sigaction = SealThenChain;
        sealing.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&sealing.sa_mask);
        sigaction(signal, &sealing, nullptr);
    }
}

}  // namespace

void InstallRecordingSignalHandlers() {
    static std::once_flag installed;
    std::call_once(installed, InstallHandlers);
}

}  // namespace lumenbox
