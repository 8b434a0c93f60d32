// TListBox: a list of lines, one of which the user may choose.
#pragma once

#include "widgets/Controls.h"
#include "widgets/ItemStrings.h"

#include <QListWidget>

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
    friend class TItemStrings<TListBox>;
    QString LineText(int index) const { return item(index)->text(); }
    void SetLineText(int index, const QString& text) { item(index)->setText(text); }
    void InsertLines(int index, const QStringList& texts);
    void RemoveLine(int index);
    void RemoveLines();
    TItemStrings<TListBox> items_{this};
    int itemHeight_ = 13;
    bool programmatic_ = false;
};
