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
// incomplete or refused.
std::optional<std::vector<std::string>> ParseOpenRequest(
    std::string_view bytes);

// No path the system can open is longer, and no launch hands more.
inline constexpr size_t kOpenRequestPathLimit = 4096;
inline constexpr size_t kOpenRequestPathCount = 1000;
inline constexpr size_t kOpenRequestLimit = 1 << 20;

// Whether the bytes so far show a request that can never be complete
// within the bounds: a count that is no number or too large, a path
// longer than `kOpenRequestPathLimit`, or more than `kOpenRequestLimit`
// bytes in all. The caller drops such a connection.
bool OpenRequestRefused(std::string_view bytes);

}  // namespace quillory
