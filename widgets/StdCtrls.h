// The standard controls on Qt widgets.
#pragma once

#include "widgets/Controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstdint>

#define FAUNETA_COMPONENT(T)                                                                                 \
    static const ClassInfo& StaticClass();                                                                   \
    const ClassInfo& Class() const override { return StaticClass(); }

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Label: own font, sizes itself to its caption (AutoSize), windowless.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TLabel)

    std::string Caption() const { return text_; }
    void SetCaption(const std::string& c) { SetText(c); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    // Resizes to the caption when AutoSize.
    void AdjustBounds();
    void Loaded() override;

protected:
    void Paint(QPainter& p) override;
    void TextChanged() override;
    void FontChanged() override;
    bool DefaultParentColor() const override { return true; }

private:
    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TBevel)
    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape s);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle s);

protected:
    void Paint(QPainter& p) override;

private:
    TBevelShape shape_ = TBevelShape::bsBox;
    TBevelStyle style_ = TBevelStyle::bsLowered;
};

// A picture held by an image box. Loading picks the format by the file name's
// extension; a failed load leaves the old picture.
class TPicture {
public:
    // Pictures shown in this program's windows (552 x 374 at most, rating bars
    // of 129 x 9): a file or picture larger than this is not a picture for
    // them, and is refused as invalid before memory is taken for it. Together
    // (the file, then the picture at 4 bytes a pixel) they stay under the
    // 64 MiB a GIF picture may take.
    static constexpr std::uint64_t MaxFileBytes = 32ull << 20;
    static constexpr std::uint64_t MaxPicturePixels = 2048ull * 2048;

    void LoadFromFile(const std::string& path);
    void Clear();
    bool Empty() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }
    void SetImage(const QImage& img);
    std::function<void()> OnChange;

private:
    QImage image_;
};

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TImage)
    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);

protected:
    void Paint(QPainter& p) override;

private:
    void pictureChanged();
    TPicture picture_;
    bool autoSize_ = false, center_ = false, stretch_ = false, transparent_ = false;
};

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

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TEdit : public QLineEdit, public TWinControl {
public:
    explicit TEdit(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TEdit)
    std::string Text() const { return GetText(); }
    std::string GetText() const override;
    void SetText(const std::string& t) override;
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool v) { setReadOnly(v); }
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase c);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    void Clear() { SetText(std::string()); }
    TNotifyEvent OnChange;

protected:
    TColor DefaultColor() const override { return clWindow; }
    void ColorChanged() override;

private:
    void userEdited();
    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    int maxLength_ = 0;
};

class TListBox;
class TComboBox;

// Items of a list or combo box, kept in the widget.
class TListItems : public TStrings {
public:
    explicit TListItems(TListBox* owner) : list_(owner) {}
    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;

private:
    TListBox* list_;
};

class TListBox : public QListWidget, public TWinControl {
public:
    explicit TListBox(TComponent* owner = nullptr);
    ~TListBox() override;
    FAUNETA_COMPONENT(TListBox)
    TStrings& Items() { return items_; }
    // Selected line, -1 for none.
    int ItemIndex() const;
    // Selects a line (-1 or out of range: none) without raising OnClick.
    void SetItemIndex(int index);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h);

protected:
    TColor DefaultColor() const override { return clWindow; }
    void ColorChanged() override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    friend class TListItems;
    TListItems items_{this};
    int itemHeight_ = 13;
    bool programmatic_ = false;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TRichEdit : public QPlainTextEdit, public TWinControl {
public:
    explicit TRichEdit(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TRichEdit)
    TStrings& Lines() { return lines_; }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool v) { setReadOnly(v); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    void Clear() { lines_.Clear(); }
    std::string GetText() const override { return lines_.Text(); }

protected:
    TColor DefaultColor() const override { return clWindow; }
    void ColorChanged() override;

private:
    class RichLines : public TStrings {
    public:
        explicit RichLines(TRichEdit* e) : edit_(e) {}
        int Count() const override { return static_cast<int>(lines_.size()); }
        std::string Get(int index) const override;
        void Put(int index, const std::string& s) override;
        void Insert(int index, const std::string& s) override;
        void Delete(int index) override;
        void Clear() override;
        void SyncFromWidget();

    private:
        void rebuild();
        TRichEdit* edit_;
        std::vector<std::string> lines_;
        friend class TRichEdit;
    };
    RichLines lines_{this};
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool wordWrap_ = true;
    bool programmatic_ = false;
};

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboItems : public TStrings {
public:
    explicit TComboItems(TComboBox* owner) : box_(owner) {}
    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;

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

protected:
    TColor DefaultColor() const override { return clWindow; }
    void ColorChanged() override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    friend class TComboItems;
    TComboItems items_{this};
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    int lastIndex_ = -1;
    int maxLength_ = 0;
    bool programmatic_ = false;
    int finishingEdit_ = 0; // Enter or leaving the edit field: Qt's own pick of the typed text
};

class TGroupBox : public QGroupBox, public TWinControl {
public:
    explicit TGroupBox(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TGroupBox)
    std::string Caption() const { return text_; }
    void SetCaption(const std::string& c) { SetText(c); }
    bool AcceptsControls() const override { return true; }

protected:
    void TextChanged() override;
    void ColorChanged() override;
    // The classic etched frame with the caption sitting on its top line, so
    // that controls placed 15 pixels down sit inside the frame.
    void paintEvent(QPaintEvent* e) override;
};
