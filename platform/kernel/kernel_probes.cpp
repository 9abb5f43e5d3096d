// The kernel's probes for tests and tools.
#include <lumenbox/win/probes.h>

#include "platform/kernel/thread_table.h"

namespace lumenbox::win::probe {

std::size_t LiveThreadHandles() {
    std::lock_guard lock(detail::Threads().mutex);
    return detail::Threads().records.Size();
}

std::optional<int> ThreadPriority(HANDLE thread) {
    std::lock_guard lock(detail::Threads().mutex);
    const detail::ThreadRecord* record = detail::Threads().records.Find(detail::HandleValue(thread));
    if (!record) return std::nullopt;
    return record->priority;
}

}  // namespace lumenbox::win::probe
