// FormOnde: where to find each creature in the Red and Blue games, two ways
// in — by creature (every place and way to get it, easiest first, or how it
// evolves when nothing else gives it) and by place (every creature found
// there) — narrowed to one version or not. Created the first time its menu
// item runs; shown modally, closing hides it for the next time.
#pragma once

#include "data/Encounters.h"
#include "widgets/Button.h"
#include "widgets/ComboBox.h"
#include "widgets/Form.h"
#include "widgets/GroupBox.h"
#include "widgets/Label.h"
#include "widgets/ListBox.h"

#include <vector>

class TFormOnde : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }

    TLabel* Label1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label2 = nullptr;
    TComboBox* ComboBox2 = nullptr;
    TListBox* ListBox1 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TLabel* Label3 = nullptr;
    TComboBox* ComboBox3 = nullptr;
    TListBox* ListBox2 = nullptr;
    TButton* Button1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void ComboBox1Click(TObject* Sender);
    void ComboBox2Click(TObject* Sender);
    void ComboBox3Click(TObject* Sender);
    void Button1Click(TObject* Sender);

    // Shows creature 0..151 in the creature part; any other number does nothing.
    void ChooseCreature(int number);
    // Shows line 0.. of the places' list in the place part; any other does nothing.
    void ChoosePlace(int line);
    // The place of each line of the places' list, in order.
    const std::vector<encounters::Place>& ListedPlaces() const { return places_; }

protected:
    void AfterDefinitionRead() override;

private:
    encounters::Version Shown() const;
    void ShowCreature();
    void ShowPlace();

    std::vector<encounters::Place> places_;
};

extern TFormOnde* FormOnde;
