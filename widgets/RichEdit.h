// TRichEdit: a multi-line text box kept as a list of lines.
#pragma once

#include "widgets/Controls.h"

#include <QPlainTextEdit>

#include <string>
#include <vector>

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TRichEdit : public QPlainTextEdit, public TWinControl {
public:
    explicit TRichEdit(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TRichEdit)
    TStrings& Lines() { return lines_; }
    bool ReadOnly() const { return isReadOnly(); }
    // Read-only text keeps a caret the keys move, so it can be read line by
    // line and selected from the keyboard.
    void SetReadOnly(bool v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    void Clear() { lines_.Clear(); }
    std::string GetText() const override { return lines_.Text(); }

protected:
    TColor DefaultColor() const override { return clWindow; }
    void ColorChanged() override;
    // Draws the focus ring over the frame, which shows none of its own.
    bool event(QEvent* e) override;

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
