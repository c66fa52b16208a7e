#include "platform/freedesktop_files.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "base/text_util.h"

namespace quillory {
namespace {

constexpr std::string_view kOwnTypePrefix = "application/x-quillory-";

struct KnownType {
  std::string_view extension;
  std::string_view mime_type;
};

// The web files are types the desktop knows already; the program only says
// it opens them.
constexpr std::array kKnownTypes = {
    KnownType{".html", "text/html"},
    KnownType{".htm", "text/html"},
    KnownType{".js", "application/javascript"},
    KnownType{".css", "text/css"},
    KnownType{".php", "application/x-php"},
    KnownType{".phtml", "application/x-php"},
    KnownType{".php3", "application/x-php"},
    KnownType{".qlp", "application/x-quillory-project"},
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

std::string EscapedXml(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    if (c == '&')
      escaped += "&amp;";
    else if (c == '<')
      escaped += "&lt;";
    else if (c == '"')
      escaped += "&quot;";
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
  return std::string(kOwnTypePrefix) + lower.substr(lower.empty() ? 0 : 1);
}

bool IsOwnMimeType(std::string_view mime_type) {
  return mime_type.starts_with(kOwnTypePrefix);
}

// Inside the quotes the desktop entry rules reserve `"`, "`", "$" and "\";
// "%" starts a field code anywhere. The whole value is then escaped as a
// string, which doubles every backslash again.
std::string DesktopEntryExec(std::string_view program_path) {
  std::string quoted = "\"";
  for (char c : program_path) {
    if (std::string_view("\"`$\\").find(c) != std::string_view::npos) {
      quoted += '\\';
    }
    if (c == '%') quoted += '%';
    quoted += c;
  }
  return EscapedValue(quoted + "\"") + " %f";
}

std::string DesktopEntryText(std::string_view program_path,
                             const std::vector<std::string>& mime_types) {
  std::string text =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=Quillory\n"
      "GenericName=Web page editor\n"
      "Comment=Open in Quillory\n"
      "Exec=" +
      DesktopEntryExec(program_path) +
      "\n"
      // Menus drop the entry once the program is gone (uninstalled).
      "TryExec=" +
      EscapedValue(program_path) +
      "\n"
      "Icon=quillory\n"
      "Terminal=false\n"
      "Categories=Development;TextEditor;\n";
  if (!mime_types.empty()) text += ListLine("MimeType", mime_types) + "\n";
  return text;
}

std::string DesktopEntryValue(std::string_view text, std::string_view key) {
  const std::vector<std::string> lines = Lines(text);
  const std::optional<GroupSpan> group = FindGroup(lines, "[Desktop Entry]");
  if (!group) return {};
  const std::optional<size_t> line = FindKey(lines, *group, key);
  return line ? std::string(*ValueFor(lines[*line], key)) : std::string();
}

std::vector<std::string> DesktopEntryMimeTypes(std::string_view text) {
  return SemicolonList(DesktopEntryValue(text, "MimeType"));
}

std::string MimePackageText(std::string_view mime_type,
                            std::string_view extension) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/"
         "shared-mime-info\">\n"
         "  <mime-type type=\"" +
         EscapedXml(mime_type) +
         "\">\n"
         "    <comment>Quillory " +
         EscapedXml(extension) +
         " file</comment>\n"
         "    <glob pattern=\"*" +
         EscapedXml(ToLowerAscii(extension)) +
         "\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

std::string MimePackageName(std::string_view mime_type) {
  return std::string(AfterLast(mime_type, '/')) + ".xml";
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
