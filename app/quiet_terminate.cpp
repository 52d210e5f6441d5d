// Linked into each shipped program, ahead of the C++ library.
#include <cstdlib>

#ifdef __GLIBCXX__
// GNU's C++ library ends an uncaught error by printing its demangled type to
// the console, which a windowed program has not; its handler brings the
// demangler and printf into the file, a sixth of the program, and with them
// imports of the C runtime's locale and wide-character functions. Every
// error of a handler is caught and shown by the window base, and tavrelctl
// catches what it runs, so this ends only what cannot be shown.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
