// TButton and TBitBtn: push buttons that may close their modal window with a result.
#pragma once

#include "widgets/Controls.h"

#include <QPushButton>

class TButton : public QPushButton, public TWinControl {
public:
    explicit TButton(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TButton)
    std::string Caption() const { return text_; }
    void SetCaption(const std::string& c) { SetText(c); }
    bool Default() const { return default_; }
    void SetDefault(bool v) { default_ = v; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }
    // Sets the form's modal result, then runs OnClick.
    void Click() override;
    void Loaded() override;

protected:
    void TextChanged() override;
    // Enter presses the focused button, as Space does.
    void keyPressEvent(QKeyEvent* e) override;

private:
    void nameFromCaption();
    bool default_ = false, cancel_ = false;
    int modalResult_ = 0;
};

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TBitBtn)
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind k) { kind_ = k; }

private:
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
};
