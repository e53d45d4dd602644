// The program entry: the application, its six windows in their order, the message loop.
#include "AboutUnit.h"
#include "ProgramIcon.h"
#include "SecondaryForms.h"
#include "Unit1.h"

int WinMain(int argc, char** argv) {
    try {
        InstallFaultHandlers();
        Application->Initialize(argc, argv);
        Application->SetMainFormOnTaskBar(false);
        Application->SetTitle("Ruliform");
        InstallProgramIcon();
        Application->CreateForm(Form1);
        Application->CreateForm(MojiPanel);
        Application->CreateForm(Form7);
        Application->CreateForm(Form6);
        Application->CreateForm(Form2);
        Application->CreateForm(AboutBox);
        Application->Run();
        Application->DestroyForms();
    } catch (const std::exception& e) {
        Application->ShowException(e);
    } catch (...) {
        Application->ShowException(Exception(""));
    }
    return 0;
}
