// TForm: a top-level window read from its window definition, shown alone or
// modally, closed by the same path as its close box.
#pragma once

#include "widgets/Controls.h"
#include "widgets/FormClass.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <vector>

class QEventLoop;
class QShortcut;
class TMainMenu;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = TEvent<TObject*, TCloseAction&>;
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};

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
    // Shows the form as a tool window: beside the others, blocking none (a
    // modal window blocks it as it blocks the rest). Asked for again while
    // open, it comes to the front and its OnShow runs once more, so it shows
    // what it shows on opening.
    void ShowTool();
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
    // After a sizeable window's size changed and its anchored controls followed.
    TNotifyEvent OnResize;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;

    // Runs after the definition has been read and every loaded step ran,
    // before OnCreate: tab chain, hints, accessible names, window size.
    virtual void AfterDefinitionRead();

protected:
    // Controls go into the client area; non-visual components (menus) just belong here.
    bool AcceptChild(TComponent* child) override;
    // Names every control for screen readers: captions, the label beside or
    // above a field, the hint, or its own text; a control with none of them
    // gets no name.
    void AssignAccessibleNames();
    void FontChanged() override;
    void ColorChanged() override;
    void TextChanged() override;

    bool event(QEvent* e) override;
    // The client area of a window that may be resized: its controls follow
    // their anchors.
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Esc, which no control took, closes a secondary window by the same path
    // as its close box, as dialogs do; the main window stays.
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void updateWindowFlags();
    void updateClientSize();
    bool sizeable() const;
    bool closeQuery();   // runs OnClose; false when the close is refused
    void becameActive(); // OnDeactivate of the previous form, OnActivate of this one

    QWidget* client_;
    int clientWidth_ = 0, clientHeight_ = 0;
    QSize clientLaidOut_; // the client size the controls were last placed for
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
    QShortcut* altF4_ = nullptr;
    // Ctrl+1 … 9 sort a table from every control of the window (see
    // sortKeys()); the table that last had the focus is the one sorted.
    void makeSortKeys();
    // Shown as a tool window: placed beside the others and kept for next time.
    bool tool_ = false;
    void placeTool();
    void keepPlace() const;
    std::vector<QShortcut*> sortKeys_;
    QObject* shortcutsFirst_ = nullptr; // see ShortcutsFirst in Form.cpp
    QPointer<QWidget> lastTable_;
    void applyClientFont();
};

// A window whose controls are declared once, in its definition: `Controls`,
// which tools/formgen writes from the .form, holds them and describes the
// class (fields and handlers); the window adds its handlers and its logic.
template <class F, class Controls>
class TFormOf : public TForm, public Controls {
public:
    static const FormClass& StaticFormClass()
    {
        static const FormClass info = Controls::template MakeFormClass<F>();
        return info;
    }
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }
};
