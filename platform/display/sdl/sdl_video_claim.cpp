// The process-wide claim on SDL's video state.
#include "platform/display/sdl/sdl_video_claim.h"

#include <atomic>

namespace lumenbox::display {

namespace {
std::atomic<bool> videoClaimed{false};
}  // namespace

bool ClaimSdlVideo() { return !videoClaimed.exchange(true, std::memory_order_acq_rel); }

void ReleaseSdlVideo() { videoClaimed.store(false, std::memory_order_release); }

}  // namespace lumenbox::display
