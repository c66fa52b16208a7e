#include "tools/server_key.h"

#include <sys/random.h>

#include <array>
#include <cstdint>

namespace quillory {
namespace {

constexpr size_t kKeyBytes = 32;

// NOTE: the key is compared in constant time, and one given in the query
// is moved into an HttpOnly cookie by a redirect, so that the page's own
// scripts and the address shown never hold it.
constexpr char kRouterRules[] = R"php(
$held = fn ($value) => is_string($value) && hash_equals($key, $value);
if ($held($_COOKIE[$name] ?? null)) return false;
if ($held($_GET[$name] ?? null)) {
  setcookie($name, $key, ['path' => '/', 'httponly' => true,
                          'samesite' => 'Strict']);
  $query = $_GET;
  unset($query[$name]);
  $path = parse_url($_SERVER['REQUEST_URI'], PHP_URL_PATH);
  header('Location: ' . $path . ($query ? '?' . http_build_query($query) : ''),
         true, 302);
  exit;
}
http_response_code(403);
echo "Forbidden\n";
)php";

}  // namespace

std::string NewServerKey() {
  std::array<uint8_t, kKeyBytes> bytes;
  if (getrandom(bytes.data(), bytes.size(), 0) !=
      static_cast<ssize_t>(bytes.size())) {
    return "";
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string key;
  for (const uint8_t byte : bytes) {
    key += kDigits[byte >> 4];
    key += kDigits[byte & 15];
  }
  return key;
}

std::string ServerRouterScript(std::string_view key) {
  return "<?php\n$key = '" + std::string(key) + "';\n$name = '" +
         kServerKeyName + "';" + kRouterRules;
}

std::string WithServerKey(std::string_view address, std::string_view key) {
  return std::string(address) + "?" + kServerKeyName + "=" + std::string(key);
}

}  // namespace quillory
