// Message boxes: the flags and results as the program stores them, and the
// box itself. The program shows one through TApplication::MessageBox, which
// hands it to the application's responder instead when one is set.
#pragma once

#include <string>

class QWidget;

// Message box flags and results, as the program stores them.
enum : unsigned {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_ABORTRETRYIGNORE = 0x02,
    MB_YESNOCANCEL = 0x03,
    MB_YESNO = 0x04,
    MB_RETRYCANCEL = 0x05,
    MB_ICONHAND = 0x10,
    MB_ICONSTOP = 0x10,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = 0x30,
    MB_ICONASTERISK = 0x40,
    MB_ICONINFORMATION = 0x40
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

struct TMessageBoxRequest {
    std::string text;    // Windows-1252
    std::string caption; // Windows-1252
    unsigned flags = 0;  // MB_* buttons | icon
};

// Shows the box modal to the whole application, above `owner` (none: centred
// on the screen), and waits for its answer: IDOK, IDCANCEL ...
int ShowMessageBox(const TMessageBoxRequest& request, QWidget* owner);
