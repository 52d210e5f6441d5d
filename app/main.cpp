#include "app/application.h"
#include "app/form1.h"

#include <cstdlib>
#include <exception>

// The common controls are loaded when a control first needs them
// (widgets/common_controls.h), not here: the window shows sooner.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application().SetTitle("Tavrel");
    try {
        TForm1 form;
        form.Show();
        return Application().Run();
    } catch (const std::exception& error) {
        // The window could not be made; the box has no owner left.
        Application().SetMainWindow(nullptr);
        Application().ShowException(error);
        return 1;
    }
}

#ifdef __GLIBCXX__
// GNU's C++ library ends an uncaught error by printing its demangled type to
// the console, which a windowed program has not; its handler brings the
// demangler and printf into the file, a sixth of the program. Every error of
// a handler is caught and shown by the window base, so this ends only what
// cannot be shown.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
