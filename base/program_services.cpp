#include "base/program_services.h"

#include "base/error_text.h"

namespace {

class TPlatformServices : public TProgramServices {
public:
    TShellServices& Shell() override { return shell_; }
    void ShowException(const std::exception& error) override {
        ShowErrorBox(shell_, nullptr, "Error", error);
    }
    HWND MainWindow() const override { return nullptr; }

private:
    TPlatformShell shell_;
};

TPlatformServices platformServices;
TProgramServices* installed = &platformServices;

}  // namespace

void ShowErrorBox(TShellServices& shell, HWND owner, const std::string& caption, const std::exception& error) {
    shell.ShowMessageBox(owner, ErrorBoxText(error.what()), caption, MB_OK | MB_ICONERROR);
}

TProgramServices& ProgramServices() { return *installed; }

void InstallProgramServices(TProgramServices* services) { installed = services ? services : &platformServices; }
