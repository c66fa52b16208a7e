#include "platform/freedesktop_files.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "base/text_util.h"

namespace quillory {
namespace {

// The first line of an entry the program wrote itself.
constexpr std::string_view kUserEntryMark =
    "# Written by quillory for a copy outside a package; "
    "\"quillory --unregister\" removes it.";

struct KnownType {
  std::string_view extension;
  std::string_view mime_type;
};

// The web files have the desktop's own types; the program's MIME package
// adds the patterns a stock system lacks (".phtml") and the project type.
constexpr std::array kKnownTypes = {
    KnownType{".html", "text/html"},
    KnownType{".htm", "text/html"},
    KnownType{".js", "application/javascript"},
    KnownType{".css", "text/css"},
    KnownType{".php", "application/x-php"},
    KnownType{".phtml", "application/x-php"},
    KnownType{".php3", "application/x-php"},
    KnownType{".qlp", kProjectMimeType},
};

std::string_view GroupName(Association association) {
  return association == Association::kDefault ? "[Default Applications]"
                                              : "[Added Associations]";
}

std::string_view Trimmed(std::string_view line) {
  constexpr std::string_view kSpace = " \t\r";
  const size_t first = line.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(kSpace) - first + 1);
}

bool IsGroupHeader(std::string_view line) {
  const std::string_view trimmed = Trimmed(line);
  return !trimmed.empty() && trimmed.front() == '[' && trimmed.back() == ']';
}

// The value of a "key=value" line whose key is `key`; comments have none.
std::optional<std::string_view> ValueFor(std::string_view line,
                                         std::string_view key) {
  const size_t equals = line.find('=');
  if (Trimmed(line).starts_with('#') || equals == std::string_view::npos ||
      Trimmed(line.substr(0, equals)) != key) {
    return std::nullopt;
  }
  return Trimmed(line.substr(equals + 1));
}

std::vector<std::string> SemicolonList(std::string_view value) {
  std::vector<std::string> items;
  for (const std::string& piece : Split(value, ";")) {
    const std::string_view item = Trimmed(piece);
    if (!item.empty()) items.emplace_back(item);
  }
  return items;
}

// Every line of `text`, the piece after a final line end included, so
// joining them with LF gives the text back byte for byte.
std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string_view::npos;
       start = end + 1) {
    lines.emplace_back(text.substr(start, end - start));
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

// The lines of one group: its header's index and the index past its end.
struct GroupSpan {
  size_t header;
  size_t end;
};

std::optional<GroupSpan> FindGroup(const std::vector<std::string>& lines,
                                   std::string_view name) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (Trimmed(lines[i]) != name) continue;
    size_t end = i + 1;
    while (end < lines.size() && !IsGroupHeader(lines[end])) ++end;
    return GroupSpan{i, end};
  }
  return std::nullopt;
}

std::optional<size_t> FindKey(const std::vector<std::string>& lines,
                              GroupSpan group, std::string_view key) {
  for (size_t i = group.header + 1; i < group.end; ++i) {
    if (ValueFor(lines[i], key)) return i;
  }
  return std::nullopt;
}

std::string ListLine(std::string_view key,
                     const std::vector<std::string>& items) {
  return std::string(key) + "=" + Join(items, ";") + ";";
}

std::vector<std::string> Edited(std::vector<std::string> items,
                                std::string_view id, Association association,
                                Registration registration) {
  std::erase(items, id);
  if (registration == Registration::kUnregister) return items;
  const auto at =
      association == Association::kDefault ? items.begin() : items.end();
  items.insert(at, std::string(id));
  return items;
}

void AppendGroup(std::vector<std::string>& lines, std::string_view name,
                 std::string line) {
  if (lines.back().empty()) lines.pop_back();
  if (!lines.empty()) lines.emplace_back();
  lines.emplace_back(name);
  lines.push_back(std::move(line));
  lines.emplace_back();
}

// A desktop entry string value: backslashes and line ends escaped.
std::string EscapedValue(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    if (c == '\\')
      escaped += "\\\\";
    else if (c == '\n')
      escaped += "\\n";
    else
      escaped += c;
  }
  return escaped;
}

}  // namespace

std::string MimeTypeForExtension(std::string_view extension) {
  const std::string lower = ToLowerAscii(extension);
  for (const KnownType& known : kKnownTypes) {
    if (known.extension == lower) return std::string(known.mime_type);
  }
  return {};
}

std::vector<OpenedType> OpenedTypes() {
  std::vector<OpenedType> types;
  for (const KnownType& known : kKnownTypes) {
    if (types.empty() || types.back().mime_type != known.mime_type) {
      types.push_back({std::string(known.mime_type), {}});
    }
    types.back().extensions.emplace_back(known.extension);
  }
  return types;
}

// A path with none of the characters the desktop entry rules reserve goes
// unquoted, as xdg-mime reads the program from the first word. Inside
// quotes the rules escape `"`, "`", "$" and "\"; "%" starts a field code
// anywhere. The whole value is then escaped as a string, which doubles
// every backslash again.
std::string DesktopEntryExec(std::string_view program_path) {
  constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
  const bool quote = program_path.find_first_of(kReserved) != std::string::npos;
  std::string command = quote ? "\"" : "";
  for (char c : program_path) {
    if (quote && std::string_view("\"`$\\").find(c) != std::string::npos) {
      command += '\\';
    }
    if (c == '%') command += '%';
    command += c;
  }
  if (quote) command += '"';
  return EscapedValue(command) + " %f";
}

std::string UserDesktopEntry(std::string_view shipped_entry,
                             std::string_view program_path) {
  std::vector<std::string> lines = {std::string(kUserEntryMark)};
  for (const std::string& line : Lines(shipped_entry)) {
    if (line.starts_with("TryExec=")) continue;
    if (!line.starts_with("Exec=")) {
      lines.push_back(line);
      continue;
    }
    lines.push_back("Exec=" + DesktopEntryExec(program_path));
    lines.push_back("TryExec=" + EscapedValue(program_path));
  }
  return Join(lines, "\n");
}

bool IsUserDesktopEntry(std::string_view text) {
  return text.starts_with(kUserEntryMark);
}

std::string DesktopEntryValue(std::string_view text, std::string_view key) {
  const std::vector<std::string> lines = Lines(text);
  const std::optional<GroupSpan> group = FindGroup(lines, "[Desktop Entry]");
  if (!group) return {};
  const std::optional<size_t> line = FindKey(lines, *group, key);
  return line ? std::string(*ValueFor(lines[*line], key)) : std::string();
}

std::string EditMimeApps(std::string_view text, std::string_view mime_type,
                         std::string_view desktop_id, Association association,
                         Registration registration) {
  std::vector<std::string> lines = Lines(text);
  const std::string_view name = GroupName(association);
  const std::optional<GroupSpan> group = FindGroup(lines, name);
  const std::optional<size_t> line =
      group ? FindKey(lines, *group, mime_type) : std::nullopt;
  const std::vector<std::string> old_items =
      line ? SemicolonList(*ValueFor(lines[*line], mime_type))
           : std::vector<std::string>();
  const std::vector<std::string> items =
      Edited(old_items, desktop_id, association, registration);
  if (items == old_items) return std::string(text);
  if (line && items.empty()) {
    lines.erase(lines.begin() + static_cast<ptrdiff_t>(*line));
  } else if (line) {
    const bool crlf = lines[*line].ends_with('\r');
    lines[*line] = ListLine(mime_type, items) + (crlf ? "\r" : "");
  } else if (group) {
    size_t after = group->header + 1;
    for (size_t i = after; i < group->end; ++i) {
      if (!Trimmed(lines[i]).empty()) after = i + 1;
    }
    lines.insert(lines.begin() + static_cast<ptrdiff_t>(after),
                 ListLine(mime_type, items));
  } else {
    AppendGroup(lines, name, ListLine(mime_type, items));
  }
  return Join(lines, "\n");
}

std::vector<std::string> MimeAppsList(std::string_view text,
                                      std::string_view mime_type,
                                      Association association) {
  const std::vector<std::string> lines = Lines(text);
  const std::optional<GroupSpan> group =
      FindGroup(lines, GroupName(association));
  const std::optional<size_t> line =
      group ? FindKey(lines, *group, mime_type) : std::nullopt;
  return line ? SemicolonList(*ValueFor(lines[*line], mime_type))
              : std::vector<std::string>();
}

}  // namespace quillory
