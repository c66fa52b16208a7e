#include "tools/preview_address.h"

#include <cstdio>

namespace quillory {
namespace {

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
         (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' ||
         c == '~' || c == '/';
}

}  // namespace

std::string PreviewPageName(double random, std::string_view extension) {
  const auto number = static_cast<unsigned>(random * 1000000 + 899999);
  char name[16];
  std::snprintf(name, sizeof name, "%X", number);
  return name + std::string(extension);
}

std::string ServerAddress(std::string_view path, std::string_view served_folder,
                          int port) {
  std::string rest(path);
  if (!served_folder.empty()) {
    for (size_t at = rest.find(served_folder); at != std::string::npos;
         at = rest.find(served_folder, at)) {
      rest.erase(at, served_folder.size());
    }
  }
  std::string address = "http://127.0.0.1";
  if (port != 0) address += ":" + std::to_string(port);
  return address + "/" + rest;
}

std::string FileUrl(std::string_view path) {
  std::string url = "file://";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUnreserved(byte)) {
      url += c;
      continue;
    }
    char escaped[4];
    std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
    url += escaped;
  }
  return url;
}

bool IsServedPath(std::string_view path, std::string_view served_folder) {
  return !served_folder.empty() &&
         path.find(served_folder) != std::string_view::npos;
}

}  // namespace quillory
