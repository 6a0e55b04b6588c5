// The application object: its title, a hidden application window, the message loop, and the
// standard box that reports an exception to the user.
//
//   Application.Initialize();
//   Application.SetTitle("My Show");
//   Application.MainForm = form;        // Run returns at once without one
//   Application.Run();                  // until WM_QUIT
#pragma once

#include <windows.h>

#include <exception>
#include <string>

class TForm;

class TApplication {
public:
    // Creates the hidden application window that owns the program's taskbar presence.
    void Initialize();
    ~TApplication();

    void SetTitle(const std::string& title);
    const std::string& Title() const { return title; }
    HWND Handle() const { return window; }

    // Runs the message loop until WM_QUIT; returns at once when there is no main form.
    void Run();
    // Handles the messages waiting in the queue, except the forms' posted releases, then returns.
    void ProcessMessages();
    // Ends the message loop.
    void Terminate() { ::PostQuitMessage(0); }

    // Shows the exception's text in a message box captioned with the title.
    void ShowException(const std::exception& e);

    // false: a taskbar button belongs to the application window, not to the main form.
    bool MainFormOnTaskBar = false;
    TForm* MainForm = nullptr;

private:
    std::string title;
    HWND window = nullptr;
};

extern TApplication Application;
