// Which GraphStatus each call may leave behind, with and without an open
// window: the library's promises, written down once as a table so that a
// status nobody promised is caught after any call of any sequence.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "robustness/calls.h"

namespace lumenbox::robustness {

// A set of status codes 0 to -11, or "left as it was" for calls that do not
// report through GraphStatus.
class StatusSet {
public:
    constexpr StatusSet() = default;
    constexpr StatusSet(std::initializer_list<std::int16_t> codes) {
        for (const std::int16_t code : codes) bits_ |= Bit(code);
    }
    static constexpr StatusSet Unchanged() {
        StatusSet set;
        set.unchanged_ = true;
        return set;
    }
    constexpr bool KeepsStatus() const { return unchanged_; }
    constexpr bool Contains(std::int16_t code) const { return code <= 0 && code >= -11 && (bits_ & Bit(code)) != 0; }
    std::string Describe() const;

private:
    static constexpr std::uint16_t Bit(std::int16_t code) {
        return code <= 0 && code >= -11 ? static_cast<std::uint16_t>(1u << -code) : 0;
    }
    std::uint16_t bits_ = 0;
    bool unchanged_ = false;
};

struct StatusRule {
    StatusSet whenClosed;  // no window open when the call was made
    StatusSet whenOpen;    // a window open (shown, or hidden by a missing font)
};

const StatusRule& RuleFor(Call call);

// Why `after` breaks the rule of `call`, or nothing when it keeps it.
std::optional<std::string> CheckStatus(Call call, bool wasOpen, std::int16_t before, std::int16_t after);

}  // namespace lumenbox::robustness
