#pragma once

// The C face of the KSyntaxHighlighting module. The module is built against
// Qt 5 (KSyntaxHighlighting of KDE Frameworks 5) and loaded at run time, so
// the benchmark itself stays a Qt 6 program and no Qt type crosses between
// the two.

#include <cstddef>

extern "C" {

// A highlighter for the named definition ("HTML", "PHP (HTML)"); null when
// the definition is not installed.
void* KshOpen(const char* definition);

// Takes the text to highlight, split into lines at CR LF.
void KshSetText(void* session, const char* bytes, size_t length);

// Highlights every line in order, each from the state the previous one left;
// returns the number of formats applied.
size_t KshHighlightAll(void* session);

void KshClose(void* session);
}

using KshOpenFunction = void* (*)(const char*);
using KshSetTextFunction = void (*)(void*, const char*, size_t);
using KshHighlightAllFunction = size_t (*)(void*);
using KshCloseFunction = void (*)(void*);
