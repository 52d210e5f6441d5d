#include "base/program_services.h"

#include "base/error_text.h"

namespace {

class TPlatformServices : public TProgramServices {
public:
    TShellServices& Shell() override { return shell_; }
    void ShowException(const std::exception& error) override {
        shell_.ShowMessageBox(nullptr, ErrorBoxText(error.what()), "Error", MB_OK | MB_ICONERROR);
    }
    HWND MainWindow() const override { return nullptr; }

private:
    TPlatformShell shell_;
};

TPlatformServices platformServices;
TProgramServices* installed = &platformServices;

}  // namespace

TProgramServices& ProgramServices() { return *installed; }

void InstallProgramServices(TProgramServices* services) { installed = services ? services : &platformServices; }
