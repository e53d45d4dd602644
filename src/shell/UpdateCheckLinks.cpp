// The Help menu's web links: each hands an address to the desktop shell.
#include "UpdateCheck.h"
#include "Unit1.h"

#include "winlib/Shell.h"

void TForm1::SiteJump1Click(TObject*) {
    ShellExecuteA(this, "open", HomePageUrl(), "", "", SW_SHOW);
}

void TForm1::WebForum1Click(TObject*) {
    ShellExecuteA(this, "open", WebForumUrl(), "", "", SW_SHOW);
}

void TForm1::MailTo1Click(TObject*) {
    ShellExecuteA(this, "open", MailToUrl(), "", "", SW_SHOW);
}
