// <windows.h> and the few API headers the adapter uses, without the macros that would rename the
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

#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>
#include <shellapi.h>
#include <winspool.h>

#undef ReplaceFile
#undef TextOut
#undef DrawText
#undef GetMessage
#undef CreateFont
#undef FormatMessage
#undef ChooseFont
#undef OpenPrinter
