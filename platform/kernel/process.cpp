// What the process knows of its own start: its show state and module handle.
#include <lumenbox/win/kernel.h>

namespace lumenbox::win {
namespace {

// Windows' traditional image base. Its low 20 bits are zero, which no handle
// table ever hands out, so it can never be mistaken for a live handle.
constexpr std::uintptr_t kProgramModule = 0x00400000;

}  // namespace

// Nobody launches us with a show state of their own (no shortcut, no parent
// asking for a minimised window), so the window opens the default way.
void GetStartupInfoA(STARTUPINFOA* info) {
    if (!info) return;
    info->cb = sizeof(STARTUPINFOA);
    info->dwFlags = 0;
    info->wShowWindow = SW_SHOWDEFAULT;
}

// The program is one module; there are no libraries to look up by name.
HMODULE GetModuleHandleA(const char* moduleName) {
    if (moduleName) return nullptr;
    return reinterpret_cast<HMODULE>(kProgramModule);
}

}  // namespace lumenbox::win
