// TEdit: a single-line edit field.
#pragma once

#include "widgets/Controls.h"

#include <QLineEdit>

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// A Windows-1252 text in the case a field of that CharCase turns typed
// letters into (a letter whose other case the code page cannot hold stays).
std::string ApplyCharCase(const std::string& text, TEditCharCase cc);

class TEdit : public QLineEdit, public TWinControl {
public:
    explicit TEdit(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TEdit)
    std::string Text() const { return GetText(); }
    std::string GetText() const override;
    void SetText(const std::string& t) override;
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool v);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase c);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    void Clear() { SetText(std::string()); }
    TNotifyEvent OnChange;

protected:
    TColor DefaultColor() const override { return clWindow; }
    void ColorChanged() override;
    // A read-only field whose text does not fit shows the whole text as its
    // tooltip and says it as its accessible description.
    void UpdateHints() override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void userEdited();
    bool clipped() const;
    void updateClipped();
    bool wasClipped_ = false;
    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    int maxLength_ = 0;
};
