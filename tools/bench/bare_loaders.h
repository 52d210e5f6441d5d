#pragma once

// The registry and profile calls each page loader makes once its values
// exist, made directly: the same calls in the same order on the same keys,
// values and files, with none of the program's classes around them. They are
// what a page load is measured against.
namespace bare {

void DesktopAccess();
void FilesAndFolders();
void StartMenuOptions();
void ActiveDesktop();
void SystemAccess();
void NetworkAccess();
void InternetAccess();
void PrinterOptions();
void ControlPanels();
void ProgramAccess();
void DrivesAccess();
void BootSettings();
void WindowsLogon();

// The platform calls made since the last reset.
int CallCount();
void ResetCallCount();

}  // namespace bare
