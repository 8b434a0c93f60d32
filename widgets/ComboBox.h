// TComboBox: a drop-down list with an edit field.
#pragma once

#include "widgets/Controls.h"
#include "widgets/ItemStrings.h"

#include <QComboBox>
#include <QElapsedTimer>

#include <functional>

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

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
    // What typing into a drop-down list chooses: given the text typed so far
    // (a pause, another key or leaving the box starts anew), the line to
    // choose, or -1 to keep the choice. Unset, a line is found by its start.
    std::function<int(const std::string& typed)> FindTyped;
    void showPopup() override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* e) override;
    TColor DefaultColor() const override { return clWindow; }
    void ColorChanged() override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    friend class TItemStrings<TComboBox>;
    QString LineText(int index) const { return itemText(index); }
    void SetLineText(int index, const QString& text) { setItemText(index, text); }
    void InsertLines(int index, const QStringList& texts);
    void RemoveLine(int index);
    void RemoveLines();
    template <class Change>
    void changeLines(Change change);
    void applyStyle(); // builds what Style asks for
    void passHeldFontChange() const;
    mutable bool fontChangeHeld_ = false; // a font change Qt's handler has not seen yet
    bool listBuilt_ = false;
    TItemStrings<TComboBox> items_{this};
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    int lastIndex_ = -1;
    int maxLength_ = 0;
    bool programmatic_ = false;
    int finishingEdit_ = 0; // Enter or leaving the edit field: Qt's own pick of the typed text
    // Typing into the closed box or its open list: true when the key was taken.
    bool typeAhead(const QKeyEvent& key, bool listOpen);
    QString typed_;
    QElapsedTimer lastTyped_;
    bool viewWatched_ = false;
};
