// Looking up window classes by name or atom.
#pragma once

#include "platform/user/user_state.h"

namespace lumenbox::win::detail {

// Under the user mutex: the class a name designates (compared without case),
// or, for a value of 0xFFFF or less, the class with that atom; nullptr if none.
WindowClassRecord* FindClassLocked(UserState& user, const char* nameOrAtom);

}  // namespace lumenbox::win::detail
