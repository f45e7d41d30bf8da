#pragma once
// A broken invariant is a finding: say what and where, then abort so that libFuzzer keeps the
// input that caused it.

#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition, what)                                          \
  do {                                                                       \
    if (!(condition)) {                                                      \
      const std::string fuzzWhat_ = (what);                                  \
      std::fprintf(stderr, "%s:%d: %s\n  ", __FILE__, __LINE__, #condition); \
      std::fwrite(fuzzWhat_.data(), 1, fuzzWhat_.size(), stderr);            \
      std::fputc('\n', stderr);                                              \
      std::abort();                                                          \
    }                                                                        \
  } while (0)
