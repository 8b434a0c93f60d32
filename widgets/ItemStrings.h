// TItemStrings: the lines of a list or combo box as a TStrings, kept in the
// widget itself.
#pragma once

#include "widgets/Classes.h"
#include "widgets/SysUtils.h"

#include <QStringList>

#include <string>
#include <vector>

// The box gives (privately, to this class as a friend):
//   int count() const, QString LineText(int), void SetLineText(int, QString)
//   void InsertLines(int index, QStringList), RemoveLine(int), RemoveLines()
// where the insertions and removals are the program's own changes: they
// raise no event. This class checks the indices and converts the texts.
template <class Box>
class TItemStrings final : public TStrings {
public:
    explicit TItemStrings(Box* box) : box_(box) {}
    int Count() const override { return box_->count(); }
    std::string Get(int index) const override
    {
        CheckIndex(index, Count());
        return FromQt(box_->LineText(index));
    }
    void Put(int index, const std::string& s) override
    {
        CheckIndex(index, Count());
        box_->SetLineText(index, ToQt(s));
    }
    void Insert(int index, const std::string& s) override
    {
        CheckIndex(index, Count() + 1);
        box_->InsertLines(index, QStringList{ToQt(s)});
    }
    void Delete(int index) override
    {
        CheckIndex(index, Count());
        box_->RemoveLine(index);
    }
    void Clear() override { box_->RemoveLines(); }
    // One insertion for all the lines: Qt's model and view are told once, not
    // once a line (a filtered list is refilled at each keystroke).
    void Assign(const std::vector<std::string>& lines) override
    {
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(lines.size()));
        for (const std::string& line : lines)
            texts.append(ToQt(line));
        Clear();
        if (!texts.isEmpty())
            box_->InsertLines(0, texts);
    }

private:
    Box* box_;
};
