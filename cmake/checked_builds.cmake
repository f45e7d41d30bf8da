# Checked builds, each a configuration of its own (the default build has neither):
#   ROOFCALC_SANITIZE  the core, roofcalc-cli and every test under AddressSanitizer and
#                      UndefinedBehaviorSanitizer (build-asan/, scripts/sanitize)
#   ROOFCALC_FUZZ      the libFuzzer targets of fuzz/, built by clang (build-fuzz/, scripts/fuzz)
option(ROOFCALC_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ROOFCALC_FUZZ "Build the libFuzzer targets in fuzz/ (clang only)" OFF)

if(ROOFCALC_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "ROOFCALC_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

if(ROOFCALC_SANITIZE OR ROOFCALC_FUZZ)
  # A checked build must run the arithmetic users run: x87 extended intermediates, no fused
  # multiply-add (-ffp-contract=off is among the project-wide options above).
  include(CheckCXXSourceCompiles)
  check_cxx_source_compiles([=[
    #include <cfloat>
    static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384, "long double is not x87");
    int main() { return 0; }
  ]=] ROOFCALC_LONG_DOUBLE_IS_X87)
  if(NOT ROOFCALC_LONG_DOUBLE_IS_X87)
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not give long double the x87 format")
  endif()

  # float-divide-by-zero: every division of a calculation goes through fdiv(), which raises the
  # user's "division by zero" message; a bare '/' by zero would slip an infinity past it.
  # float-cast-overflow: a huge value cast to an integer is undefined, not a large count.
  set(ROOFCALC_SANITIZERS -fsanitize=address,undefined,float-divide-by-zero,float-cast-overflow
                          -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${ROOFCALC_SANITIZERS})
  add_link_options(${ROOFCALC_SANITIZERS})
  # FloatToStr would write a non-finite value as 0 or INF; here it stops the program instead,
  # so a fault that escaped store() and fdiv() is found by every test and every fuzz run.
  add_compile_definitions(ROOFCALC_ABORT_ON_NONFINITE)
endif()

if(ROOFCALC_FUZZ)
  # Coverage feedback for the code under test; the fuzzers themselves link -fsanitize=fuzzer.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
