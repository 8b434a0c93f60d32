// TListBox: a list of lines, one of which the user may choose.
#pragma once

#include "widgets/Controls.h"

#include <QListWidget>

class TListBox;

// Items of a list box, kept in the widget.
class TListItems : public TStrings {
public:
    explicit TListItems(TListBox* owner) : list_(owner) {}
    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    void Assign(const std::vector<std::string>& lines) override;

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
