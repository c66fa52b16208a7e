#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// The bytes by which a second launch hands its file paths over: their
// count in decimal and LF, then each path followed by a NUL, a byte no
// path can hold.
std::string OpenRequestBytes(const std::vector<std::string>& paths);

// The paths of a request once all its bytes have come; nothing while it is
// incomplete. A count that is not a number gives no paths ever, so the
// caller drops a connection whose bytes pass `kOpenRequestLimit`.
std::optional<std::vector<std::string>> ParseOpenRequest(
    std::string_view bytes);

inline constexpr size_t kOpenRequestLimit = 1 << 20;

}  // namespace quillory
