#include "platform/kernel/thread_table.h"

namespace lumenbox::win::detail {

ThreadTable& Threads() {
    static auto& table = *new ThreadTable;
    return table;
}

}  // namespace lumenbox::win::detail
