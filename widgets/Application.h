// The application object: the program's windows, its title, the event loop,
// the one message box and the error box for an escaped exception.
#pragma once

#include "widgets/MessageBox.h"

#include <QIcon>

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

class QApplication;
class QTranslator;
class TForm;

class TApplication {
public:
    // Uses the running QApplication, or creates one (owned) when there is none.
    TApplication();
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    void SetTitle(const std::string& t);
    TForm* MainForm() const { return mainForm_; }
    const std::vector<TForm*>& Forms() const { return forms_; }

    // Creates a form: the reference is set before the definition is read and
    // OnCreate runs, so handlers may reach the form through its global.
    // The first form created becomes the main form.
    template <class T>
    void CreateForm(T*& reference)
    {
        T* form = new T();
        reference = form;
        adopt(form);
        form->Initialize();
        if (!mainForm_)
            setMainForm(form);
    }
    // Deletes every form created here, newest first.
    void DestroyForms();

    // Shows the main form and dispatches events until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Processes pending events once.
    void ProcessMessages();

    // The one message box of the program; answered by the responder when set.
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
    std::function<int(const TMessageBoxRequest&)> MessageBoxResponder;

    // Called once each modal run has started (the form is shown and active);
    // lets tests look at and close modal windows without a person.
    std::function<void(TForm&)> ModalHook;

    // The error box for an escaped exception.
    void HandleException(std::exception_ptr error);
    void ShowException(const std::string& message);

private:
    void init();
    void adopt(TForm* form) { forms_.push_back(form); }
    void setMainForm(TForm* form);
    friend class TForm;

    // The modal form stack, for message box ownership.
    std::vector<TForm*> ModalStack;

    std::string title_;
    TForm* mainForm_ = nullptr;
    TForm* activeForm_ = nullptr;
    std::vector<TForm*> forms_;
    bool terminated_ = false;
    QApplication* ownQt_ = nullptr;
    // Qt's own texts (context menus, standard buttons) in the program's language.
    QTranslator* qtTexts_ = nullptr;
    TApplication* previous_ = nullptr;
    // The last window icon decoded, with its bytes: the windows share one.
    std::vector<std::uint8_t> iconBytes_;
    QIcon icon_;
};

// The application object (set while one exists).
extern TApplication* Application;
