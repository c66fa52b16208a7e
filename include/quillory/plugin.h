/*
 * Quillory plug-in interface, version 1.
 *
 * A plug-in is a shared library in the program's plug-ins/ folder, named
 * in settings.dat by a line
 *
 *     plugin=Name\\\library.so
 *
 * The editor loads it at start-up, asks it for the object of class
 * "Name.Data" and gives that object one entry in the Plug-ins menu, whose
 * caption is the object's name. Choosing the entry hands the object the
 * active document; when it answers with a result, the result replaces the
 * whole document as one change the user can undo.
 *
 * A plug-in runs inside the editor's process, on its user-interface
 * thread: a crash in a plug-in crashes the editor, and a plug-in that
 * loops freezes it. No C++ exception may leave any function below.
 *
 * Memory: the editor owns everything it passes in, valid only for the
 * call. The plug-in owns everything it passes out; the editor copies a
 * result during set_result, so the plug-in may free or reuse its buffer
 * as soon as set_result returns.
 *
 * Text: documents are bytes as they are in the file (UTF-8 or an 8-bit
 * code page, lines ending in CR LF), not NUL-terminated, and may hold NUL
 * bytes. Positions are 0-based byte offsets.
 */
#ifndef QUILLORY_PLUGIN_H_
#define QUILLORY_PLUGIN_H_

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define QUILLORY_PLUGIN_ABI_VERSION 1u

#if defined(__GNUC__)
#define QUILLORY_PLUGIN_EXPORT __attribute__((visibility("default")))
#else
#define QUILLORY_PLUGIN_EXPORT
#endif

/* One run of a plug-in, filled in by the editor. */
typedef struct QuilloryRunCall {
  const char* text; /* the whole document */
  size_t text_length;
  int32_t sel_start; /* the caret, or where the selection starts */
  int32_t sel_end;   /* where the selection ends; sel_start when none */
  void* host;        /* pass back to the two functions below */
  /* Sets the text that replaces the document. Returns 0 when the editor
   * refuses it (bytes NULL with a non-zero length, or too large to hold);
   * the run then ends in an error whatever run returns. */
  int (*set_result)(void* host, const char* bytes, size_t length);
  /* Reports an error: the editor shows `message` (UTF-8) in a box titled
   * "Error in plugin" and leaves the document as it was. */
  void (*set_error)(void* host, const char* message);
} QuilloryRunCall;

/* The object of one class. It belongs to the plug-in and must stay valid
 * while the library is loaded; the editor never frees it. */
typedef struct QuilloryPluginObject {
  uint32_t abi_version; /* QUILLORY_PLUGIN_ABI_VERSION */
  /* The menu caption, UTF-8, NUL-terminated, owned by the plug-in. */
  const char* (*get_name)(const struct QuilloryPluginObject* self);
  /* Non-zero: the result set with set_result replaces the document (a
   * run that returns non-zero without a result is an error). Zero: the
   * document stays as it is and nothing is shown. */
  int (*run)(const struct QuilloryPluginObject* self,
             const QuilloryRunCall* call);
} QuilloryPluginObject;

/* Required. The object of the class `class_name` ("Name.Data"), or NULL
 * when the library has no such class. */
QUILLORY_PLUGIN_EXPORT const QuilloryPluginObject* QuilloryCreateObject(
    const char* class_name);

/* Optional. When QuilloryCreateObject answers NULL at start-up, the editor
 * calls DllUnregisterServer and then DllRegisterServer, each on a thread of
 * its own, and asks for the object once more. Each call is given 10
 * seconds; one that takes longer is left running and its library stays
 * loaded. Their return values are not looked at. */
QUILLORY_PLUGIN_EXPORT int DllRegisterServer(void);
QUILLORY_PLUGIN_EXPORT int DllUnregisterServer(void);

#ifdef __cplusplus
}
#endif

#endif /* QUILLORY_PLUGIN_H_ */
