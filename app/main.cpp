#include "app/application.h"
#include "app/form1.h"

// The common controls are loaded when a control first needs them
// (widgets/common_controls.h), not here: the window shows sooner.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application().SetTitle("Tavrel");
    TForm1 form;
    form.Show();
    return Application().Run();
}
