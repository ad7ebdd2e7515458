// Linked into every program of an AddressSanitizer build
// (VORN_SANITIZE=address or address,undefined) and nowhere else: the
// sanitizers' defaults for these programs. ASAN_OPTIONS, UBSAN_OPTIONS and
// LSAN_OPTIONS given at the run override them.

// An undefined-behaviour report ends the program with a stack, as an
// address report does, so that a test with a finding fails.
extern "C" const char* __ubsan_default_options() {
  return "halt_on_error=1 print_stacktrace=1";
}

// Leaks at the end are reported, but not those wholly inside the system's
// libraries (tests/lsan.supp). The program vorn is built without the check
// at its end (VORN_LEAK_CHECK_AT_EXIT 0): Qt Quick's software renderer,
// which only it uses, keeps its painting state (images, raster engines,
// pens) to the end inside Qt's own code, whose frames have no names a
// suppression could match short of Qt's whole libraries. Its code runs in
// the tests' own processes with the check.
#ifndef VORN_LEAK_CHECK_AT_EXIT
#define VORN_LEAK_CHECK_AT_EXIT 1
#endif
extern "C" const char* __lsan_default_options() {
#if VORN_LEAK_CHECK_AT_EXIT
  return "suppressions=" VORN_LSAN_SUPPRESSIONS;
#else
  return "leak_check_at_exit=0 suppressions=" VORN_LSAN_SUPPRESSIONS;
#endif
}

// No library is unloaded in these programs: once a library's code and
// globals are gone (Mesa's driver with its display, a plugin at the end),
// what its globals held looks leaked, and its allocations have no names a
// suppression could match. The program's own dlopen() calls keep working.
extern "C" int dlclose(void*) { return 0; }
