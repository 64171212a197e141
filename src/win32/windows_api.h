// <windows.h> for the adapter, without the macros that would rename the
// program's own members of the same names (FileStore::ReplaceFile,
// Canvas::TextOut) to their wide API functions in one file and not in
// another. Every file of the adapter includes the API through this header.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#undef ReplaceFile
#undef TextOut
#undef DrawText
#undef GetMessage
#undef CreateFont
#undef FormatMessage
