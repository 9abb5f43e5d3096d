// The debug check that every call but the key calls and status reads comes
// from one thread: the one that opened the window. Built with
// LUMENBOX_CHECK_THREAD=ON; otherwise every step is empty and costs nothing.
#pragma once

namespace lumenbox {

#if LUMENBOX_CHECK_THREAD
// The calling thread owns the window from now until it closes.
void RecordOwningThread();
// Reports on standard error, naming the call, when a window is open and the
// calling thread is not its owner.
void CheckCallingThread(const char* call);
#else
inline void RecordOwningThread() {}
inline void CheckCallingThread(const char*) {}
#endif

}  // namespace lumenbox
