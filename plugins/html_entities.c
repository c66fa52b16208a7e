/* Writes the special characters of the selection as HTML entities: the
 * four that markup reserves by name, every character beyond ASCII by its
 * number. A document that is not valid UTF-8 is read as Windows-1252, as
 * the editor shows it. Nothing selected: it says so and changes nothing. */

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "quillory/plugin.h"

/* Windows-1252 bytes 0x80 to 0x9F; the five it leaves free stand for
 * themselves. */
static const uint16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

/* Longest output for one character: "&#1114111;". */
enum { kMaxEntity = 10 };

/* The length of the UTF-8 sequence at s (0 when it is not one) and its
 * code point. */
static size_t DecodeUtf8(const unsigned char* s, size_t n, uint32_t* code) {
  size_t length = s[0] < 0x80 ? 1 : s[0] >= 0xF0 ? 4 : s[0] >= 0xE0 ? 3 : 2;
  if (s[0] >= 0x80 && s[0] < 0xC2) return 0;
  if (s[0] > 0xF4 || length > n) return 0;
  *code = length == 1 ? s[0] : s[0] & (0x3F >> (length - 1));
  for (size_t i = 1; i < length; ++i) {
    if ((s[i] & 0xC0) != 0x80) return 0;
    *code = (*code << 6) | (s[i] & 0x3F);
  }
  const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (*code < least[length] || *code > 0x10FFFF) return 0;
  if (*code >= 0xD800 && *code <= 0xDFFF) return 0;
  return length;
}

static int IsUtf8(const unsigned char* s, size_t n) {
  uint32_t code;
  for (size_t i = 0; i < n;) {
    const size_t length = DecodeUtf8(s + i, n - i, &code);
    if (length == 0) return 0;
    i += length;
  }
  return 1;
}

/* Writes the entity for one character, or the byte itself; returns the
 * bytes written. */
static size_t Entity(uint32_t code, char* out) {
  switch (code) {
    case '&':
      return (size_t)sprintf(out, "&amp;");
    case '<':
      return (size_t)sprintf(out, "&lt;");
    case '>':
      return (size_t)sprintf(out, "&gt;");
    case '"':
      return (size_t)sprintf(out, "&quot;");
  }
  if (code < 0x80) {
    out[0] = (char)code;
    return 1;
  }
  return (size_t)sprintf(out, "&#%u;", (unsigned)code);
}

static size_t Encode(const unsigned char* s, size_t n, int utf8, char* out) {
  size_t written = 0;
  for (size_t i = 0; i < n;) {
    uint32_t code = s[i];
    size_t length = 1;
    if (utf8) {
      length = DecodeUtf8(s + i, n - i, &code);
    }
    if (length == 0) {
      /* A character the selection cuts in two stays as it is. */
      out[written++] = (char)s[i++];
      continue;
    }
    if (!utf8 && code >= 0x80 && code < 0xA0) {
      code = kWindows1252High[code - 0x80];
    }
    written += Entity(code, out + written);
    i += length;
  }
  return written;
}

static const char* Name(const QuilloryPluginObject* self) {
  (void)self;
  return "Special characters to entities";
}

static int Run(const QuilloryPluginObject* self, const QuilloryRunCall* call) {
  (void)self;
  const size_t size = call->text_length;
  if (call->sel_start < 0 || call->sel_end <= call->sel_start ||
      (size_t)call->sel_end > size) {
    /* The whole text would lose its markup, every "<" made "&lt;". */
    call->set_error(call->host,
                    "Select the text whose special characters should become "
                    "entities.");
    return 0;
  }
  const unsigned char* text = (const unsigned char*)call->text;
  const size_t start = (size_t)call->sel_start;
  const size_t end = (size_t)call->sel_end;
  char* result = malloc(size + (end - start) * kMaxEntity);
  if (result == NULL) {
    call->set_error(call->host, "Not enough memory.");
    return 0;
  }
  memcpy(result, text, start);
  size_t length = start;
  length +=
      Encode(text + start, end - start, IsUtf8(text, size), result + length);
  memcpy(result + length, text + end, size - end);
  length += size - end;
  const int taken = call->set_result(call->host, result, length);
  free(result);
  return taken;
}

static const QuilloryPluginObject kHtmlEntities = {QUILLORY_PLUGIN_ABI_VERSION,
                                                   &Name, &Run};

QUILLORY_PLUGIN_EXPORT const QuilloryPluginObject* QuilloryCreateObject(
    const char* class_name) {
  return strcmp(class_name, "HtmlEntities.Data") == 0 ? &kHtmlEntities : NULL;
}
