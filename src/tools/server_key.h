#pragma once

#include <string>
#include <string_view>

namespace quillory {

// The name of the key in the first address a browser asks for, and of the
// cookie that then carries it.
inline constexpr char kServerKeyName[] = "quillory_key";

// A key for one run of PHP's built-in server: 64 lower-case hexadecimal
// digits from the system's random source; empty when none could be had.
std::string NewServerKey();

// The router script given to PHP's built-in server. A request that holds
// `key` (in its query, or in the cookie the script sets for it) is served
// as without a router; any other gets 403 and nothing is read or run.
std::string ServerRouterScript(std::string_view key);

// `address` (without a query) as a browser first asks for it.
std::string WithServerKey(std::string_view address, std::string_view key);

}  // namespace quillory
