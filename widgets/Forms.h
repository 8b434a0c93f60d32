// Forms and the application object.
//
// A form class declares its fields and handlers in a table, which the window
// definition reader uses to bind `object ListBox1: TListBox` to the member
// ListBox1 and `OnClick = ListBox1Click` to the member function:
//
//   const FormClass& TFormX::StaticFormClass()
//   {
//       static const FormClass info = FormTable<TFormX>()
//           .Field("Button1", &TFormX::Button1)
//           .Handler("Button1Click", &TFormX::Button1Click)
//           .Build("TFormX", ":/forms/UnitX.form");
//       return info;
//   }
#pragma once

#include "widgets/Controls.h"
#include "widgets/Dispatch.h"

#include <QIcon>
#include <QMainWindow>

#include <any>
#include <functional>
#include <typeindex>

class QEventLoop;
class QMenuBar;
class TMainMenu;

// ---- form class tables ----

struct FormField {
    std::string name;
    const ClassInfo* cls; // the member's declared class
    // Stores the component in the member; false when it is not of the member's class.
    std::function<bool(TForm&, TComponent*)> bind;
    std::function<TComponent*(const TForm&)> get;
};

struct FormHandler {
    std::string name;
    std::type_index signature;
    // std::function<std::function<void(Args...)>(TForm&)>: the member bound to a form.
    std::any binder;
};

class FormClass : public ClassInfo {
public:
    FormClass(std::string name, std::string definition, std::vector<FormField> fields,
              std::vector<FormHandler> handlers);
    // Path of the window definition (a Qt resource such as ":/forms/UnitX.form").
    const std::string& Definition() const { return definition_; }
    const std::vector<FormField>& Fields() const { return fields_; }
    const std::vector<FormHandler>& Handlers() const { return handlers_; }
    const FormField* FindField(const std::string& name) const;
    const FormHandler* FindHandler(const std::string& name) const;

private:
    std::string definition_;
    std::vector<FormField> fields_;
    std::vector<FormHandler> handlers_;
};

template <class F>
class FormTable {
public:
    template <class T>
    FormTable& Field(const char* name, T* F::*member)
    {
        fields_.push_back({name, &T::StaticClass(),
                           [member](TForm& f, TComponent* c) {
                               T* t = dynamic_cast<T*>(c);
                               if (!t)
                                   return false;
                               static_cast<F&>(f).*member = t;
                               return true;
                           },
                           [member](const TForm& f) -> TComponent* { return static_cast<const F&>(f).*member; }});
        return *this;
    }
    template <class... A>
    FormTable& Handler(const char* name, void (F::*h)(A...))
    {
        std::function<std::function<void(A...)>(TForm&)> binder = [h](TForm& f) {
            F* self = static_cast<F*>(&f);
            return std::function<void(A...)>([self, h](A... a) { (self->*h)(a...); });
        };
        handlers_.push_back({name, std::type_index(typeid(void(A...))), binder});
        return *this;
    }
    FormClass Build(const char* className, const char* definition)
    {
        return FormClass(className, definition, std::move(fields_), std::move(handlers_));
    }

private:
    std::vector<FormField> fields_;
    std::vector<FormHandler> handlers_;
};

namespace prop {
// Event property: the value names a handler of the form being read.
template <class C, class... A>
PropInfo Event(std::string name, TEvent<A...> C::*member);
} // namespace prop

// ---- forms ----

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = TEvent<TObject*, TCloseAction&>;
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                       poMainFormCenter, poOwnerFormCenter };

// Modal results.
enum : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

class TForm : public QMainWindow, public TWinControl {
public:
    TForm();
    ~TForm() override;
    static const ClassInfo& StaticClass();
    // The class table of the concrete form (fields, handlers, definition).
    virtual const FormClass& FormClassInfo() const = 0;
    const ClassInfo& Class() const override { return FormClassInfo(); }

    // Reads the definition named by the class table, then runs OnCreate.
    // Called by TApplication::CreateForm once the global points at the form.
    void Initialize();

    QWidget* ClientWidget() const override { return client_; }
    bool AcceptsControls() const override { return true; }

    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    void SetBounds(int left, int top, int width, int height) override;

    std::string GetText() const override { return text_; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle s);
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition p) { position_ = p; }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    // Raw .ico bytes of the window's icon (empty: the application's).
    const std::vector<std::uint8_t>& IconData() const { return iconData_; }
    void SetIconData(const std::vector<std::uint8_t>& bytes);
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int v) { pixelsPerInch_ = v; }
    int TextHeight() const { return textHeight_; }
    void SetTextHeight(int v) { textHeight_ = v; }

    void SetVisible(bool v) override;
    // Shows the form application-modal and runs a nested event loop until it
    // closes; returns the modal result (mrCancel when closed by the close box).
    int ShowModal();
    bool Modal() const { return modalLoop_ != nullptr; }
    // Another window's modal run holds the input: this window's controls and
    // menu items take none, whatever it comes from (Qt blocks only mouse and
    // keys; an accessibility action would still reach them).
    bool BlockedByModal() const;
    int ModalResult() const { return modalResult_; }
    // A non-zero result closes a modal form (through OnClose).
    void SetModalResult(int r);
    // Closes the form by the same path as the close box.
    void Close();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;

    void Loaded() override;

    // Runs after the definition has been read and every loaded step ran,
    // before OnCreate: tab chain, hints, accessible names, window size.
    virtual void AfterDefinitionRead();

protected:
    // Controls go into the client area; non-visual components (menus) just belong here.
    bool AcceptChild(TComponent* child) override;
    // Names every control for screen readers: captions, the label beside or
    // above a field, the hint, or the component name.
    void AssignAccessibleNames();
    void FontChanged() override;
    void ColorChanged() override;
    void TextChanged() override;

    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void updateWindowFlags();
    void updateClientSize();
    bool closeQuery(); // runs OnClose; false when the close is refused
    void becameActive(); // OnDeactivate of the previous form, OnActivate of this one

    QWidget* client_;
    int clientWidth_ = 0, clientHeight_ = 0;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDesigned;
    TMainMenu* menu_ = nullptr;
    std::vector<std::uint8_t> iconData_;
    int pixelsPerInch_ = 96;
    int textHeight_ = 13;
    bool shownOnce_ = false;
    QEventLoop* modalLoop_ = nullptr;
    int modalResult_ = mrNone;
    bool closing_ = false;
    class QShortcut* altF4_ = nullptr;
};

// ---- the application object ----

// Message box flags and results, as the program stores them.
enum : unsigned {
    MB_OK = 0x00, MB_OKCANCEL = 0x01, MB_ABORTRETRYIGNORE = 0x02, MB_YESNOCANCEL = 0x03, MB_YESNO = 0x04,
    MB_RETRYCANCEL = 0x05, MB_ICONHAND = 0x10, MB_ICONSTOP = 0x10, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30, MB_ICONWARNING = 0x30, MB_ICONASTERISK = 0x40, MB_ICONINFORMATION = 0x40
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

struct TMessageBoxRequest {
    std::string text;    // Windows-1252
    std::string caption; // Windows-1252
    unsigned flags = 0;  // MB_* buttons | icon
};

class QApplication;

class TApplication {
public:
    // Uses the running QApplication, or creates one (owned) when there is none.
    TApplication();
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    const std::string& Title() const { return title_; }
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

    // Internal: the modal form stack, for message box ownership.
    std::vector<TForm*> ModalStack;

private:
    void init();
    void adopt(TForm* form) { forms_.push_back(form); }
    void setMainForm(TForm* form);
    friend class TForm;

    std::string title_;
    TForm* mainForm_ = nullptr;
    TForm* activeForm_ = nullptr;
    std::vector<TForm*> forms_;
    bool terminated_ = false;
    QApplication* ownQt_ = nullptr;
    TApplication* previous_ = nullptr;
    // The last window icon decoded, with its bytes: the windows share one.
    std::vector<std::uint8_t> iconBytes_;
    QIcon icon_;
};

// The application object (set while one exists).
extern TApplication* Application;

// Scoped message-box responder for tests: records every box and answers
// with the given result.
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int answer = IDOK);
    ~MessageBoxRecorder();
    std::vector<TMessageBoxRequest> boxes;
    int answer;

private:
    std::function<int(const TMessageBoxRequest&)> previous_;
};

// ---- template definitions ----

template <class C, class... A>
PropInfo prop::Event(std::string name, TEvent<A...> C::*member)
{
    return {name,
            [member](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                ctx.Expect(v, DfmValue::Kind::Ident);
                const FormHandler* h = ctx.Form() ? ctx.Form()->FormClassInfo().FindHandler(v.text) : nullptr;
                if (!h)
                    ctx.Fail("unknown handler");
                using Binder = std::function<std::function<void(A...)>(TForm&)>;
                const Binder* b = std::any_cast<Binder>(&h->binder);
                if (!b)
                    ctx.Fail("handler does not fit the event");
                prop::as<C>(c).*member = TEvent<A...>((*b)(*ctx.Form()), v.text);
            },
            [member](const TComponent& c) -> std::optional<DfmValue> {
                const auto& e = prop::as<C>(c).*member;
                if (e.HandlerName.empty())
                    return std::nullopt;
                return DfmValue::Id(e.HandlerName);
            }};
}
