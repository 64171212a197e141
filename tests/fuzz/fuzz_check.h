// The fuzz targets' one check: a failed check names itself and ends the
// run, which keeps the input that made it fail.
#pragma once

#include <cstdio>
#include <cstdlib>

#define Check(condition)                                                                 \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)
