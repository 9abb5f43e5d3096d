// Window classes: process-wide, named without regard to case.
#include "platform/user/window_class.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

#include <lumenbox/win/probes.h>

namespace lumenbox::win {

namespace detail {

namespace {

// Windows gives class atoms from this range; 0 means failure.
constexpr ATOM kFirstClassAtom = 0xC000;
constexpr ATOM kLastClassAtom = 0xFFFF;
constexpr std::size_t kLongestClassName = 256;

bool SameWithoutCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The lowest free atom, so that a program registering and unregistering a
// class in a loop never runs out.
ATOM FreeAtomLocked(const UserState& user) {
    for (unsigned atom = kFirstClassAtom; atom <= kLastClassAtom; ++atom) {
        const bool taken = std::any_of(user.classes.begin(), user.classes.end(),
                                       [atom](const WindowClassRecord& c) { return c.atom == atom; });
        if (!taken) return static_cast<ATOM>(atom);
    }
    return 0;
}

bool ClassInUseLocked(UserState& user, ATOM atom) {
    bool inUse = false;
    user.windows.ForEach([&](std::uintptr_t, const WindowRecord& w) { inUse = inUse || w.classAtom == atom; });
    return inUse;
}

}  // namespace

WindowClassRecord* FindClassLocked(UserState& user, const char* nameOrAtom) {
    if (!nameOrAtom) return nullptr;
    auto it = std::find_if(user.classes.begin(), user.classes.end(), [nameOrAtom](const WindowClassRecord& c) {
        if (IsIntResource(nameOrAtom)) return c.atom == reinterpret_cast<std::uintptr_t>(nameOrAtom);
        return SameWithoutCase(c.name, nameOrAtom);
    });
    return it == user.classes.end() ? nullptr : &*it;
}

}  // namespace detail

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
    if (!windowClass || !windowClass->lpfnWndProc || detail::IsIntResource(windowClass->lpszClassName)) return 0;
    const std::size_t length = strnlen(windowClass->lpszClassName, detail::kLongestClassName + 1);
    if (length == 0 || length > detail::kLongestClassName) return 0;

    detail::UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    if (detail::FindClassLocked(user, windowClass->lpszClassName)) return 0;
    const ATOM atom = detail::FreeAtomLocked(user);
    if (atom == 0) return 0;
    user.classes.push_back(detail::WindowClassRecord{std::string(windowClass->lpszClassName, length), atom,
                                                     windowClass->style, windowClass->lpfnWndProc,
                                                     windowClass->hbrBackground});
    return atom;
}

BOOL UnregisterClassA(const char* className, HINSTANCE) {
    detail::UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    detail::WindowClassRecord* found = detail::FindClassLocked(user, className);
    if (!found || detail::ClassInUseLocked(user, found->atom)) return FALSE;
    user.classes.erase(user.classes.begin() + (found - user.classes.data()));
    return TRUE;
}

bool probe::IsClassRegistered(const char* className) {
    detail::UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    return detail::FindClassLocked(user, className) != nullptr;
}

}  // namespace lumenbox::win
