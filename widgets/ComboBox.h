// TComboBox: a drop-down list with an edit field.
#pragma once

#include "widgets/Controls.h"

#include <QComboBox>

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox;

// Items of a combo box, kept in the widget.
class TComboItems : public TStrings {
public:
    explicit TComboItems(TComboBox* owner) : box_(owner) {}
    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    void Assign(const std::vector<std::string>& lines) override;

private:
    TComboBox* box_;
};

// Drop-down combo box with an edit field, unsorted. OnClick runs when the
// user picks an entry that differs from the current one, never for
// changes made by the program.
class TComboBox : public QComboBox, public TWinControl {
public:
    explicit TComboBox(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TComboBox)
    TStrings& Items() { return items_; }
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    std::string Text() const { return GetText(); }
    std::string GetText() const override;
    void SetText(const std::string& t) override;
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle s);
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int n) { setMaxVisibleItems(n); }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    TNotifyEvent OnChange;
    void Loaded() override;
    void showPopup() override;

protected:
    void changeEvent(QEvent* e) override;
    TColor DefaultColor() const override { return clWindow; }
    void ColorChanged() override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    friend class TComboItems;
    void applyPendingStyle(); // builds what Style asks for, once it is known
    bool pendingStyle_ = false;
    bool listFontPending_ = false; // the drop-down list still to take the box's font
    bool droppedDown_ = false;
    TComboItems items_{this};
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    int lastIndex_ = -1;
    int maxLength_ = 0;
    bool programmatic_ = false;
    int finishingEdit_ = 0; // Enter or leaving the edit field: Qt's own pick of the typed text
};
