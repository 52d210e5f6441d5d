#include "app/application.h"
#include "app/form1.h"

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
