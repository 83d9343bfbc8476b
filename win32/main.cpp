#include "form1.h"

// The program takes no command line: its arguments are never looked at.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    Form1 form(instance);
    form.show(showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        form.dispatch(message);
    return int(message.wParam);
}
