// The main window: six list pages with their buttons, the detail panel, the
// search field, two pictures and the menu bar that opens the other windows.
#pragma once

#include "catalogue/Catalogue.h"
#include "widgets/Bevel.h"
#include "widgets/Button.h"
#include "widgets/Edit.h"
#include "widgets/Form.h"
#include "widgets/GIFImage.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/ListBox.h"
#include "widgets/Menus.h"
#include "widgets/RichEdit.h"

#include <optional>
#include <string>
#include <vector>

class TForm1 : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }

    TListBox* ListBox1 = nullptr;
    TGIFImage* GIFImage1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TEdit* Edit1 = nullptr;
    TEdit* Edit2 = nullptr;
    TEdit* Edit3 = nullptr;
    TEdit* Edit4 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TRichEdit* RichEdit1 = nullptr;
    TRichEdit* RichEdit2 = nullptr;
    TLabel* Label11 = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TImage* Image4 = nullptr;
    TImage* Image5 = nullptr;
    TGIFImage* GIFImage2 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* Arquivo1 = nullptr;
    TMenuItem* Sair1 = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TButton* Button3 = nullptr;
    TButton* Button4 = nullptr;
    TButton* Button5 = nullptr;
    TButton* Button6 = nullptr;
    TBevel* Bevel1 = nullptr;
    TListBox* ListBox2 = nullptr;
    TMenuItem* Fauneta1 = nullptr;
    TMenuItem* WebSite1 = nullptr;
    TMenuItem* Atualizao1 = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* Ajuda1 = nullptr;
    TMenuItem* Sobre1 = nullptr;
    TListBox* ListBox3 = nullptr;
    TListBox* ListBox4 = nullptr;
    TListBox* ListBox5 = nullptr;
    TListBox* ListBox6 = nullptr;
    TMenuItem* SobreaAtualizao1 = nullptr;
    TMenuItem* ListadeTMseHMs1 = nullptr;
    TMenuItem* N2 = nullptr;
    TMenuItem* ListadeItensdosMarts1 = nullptr;
    TEdit* Edit5 = nullptr;
    TLabel* Label12 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TLabel* Label13 = nullptr;
    TLabel* Label14 = nullptr;
    TEdit* Edit6 = nullptr;
    TMenuItem* TabeladeTipos1 = nullptr;
    TMenuItem* ListadeGolpes1 = nullptr;
    TMenuItem* OndeEncontrar1 = nullptr;
    TMenuItem* CalculadoradeDano1 = nullptr;

    void FormCreate(TObject* Sender);
    void ListBox1Click(TObject* Sender);
    void ListBox2Click(TObject* Sender);
    void ListBox3Click(TObject* Sender);
    void ListBox4Click(TObject* Sender);
    void ListBox5Click(TObject* Sender);
    void ListBox6Click(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Button3Click(TObject* Sender);
    void Button4Click(TObject* Sender);
    void Button5Click(TObject* Sender);
    void Button6Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void Sair1Click(TObject* Sender);
    void WebSite1Click(TObject* Sender);
    void Atualizao1Click(TObject* Sender);
    void SobreaAtualizao1Click(TObject* Sender);
    void ListadeItensdosMarts1Click(TObject* Sender);
    void ListadeTMseHMs1Click(TObject* Sender);
    void Sobre1Click(TObject* Sender);
    void TabeladeTipos1Click(TObject* Sender);
    void ListadeGolpes1Click(TObject* Sender);
    void OndeEncontrar1Click(TObject* Sender);
    void CalculadoradeDano1Click(TObject* Sender);

    // The folder of the running executable, ending in "/"; set by FormCreate.
    const std::string& GetAppDir() const { return appDir_; }
    // Tests point it at a folder of pictures of their own.
    void SetAppDir(const std::string& dir) { appDir_ = dir; }

    // Fills the detail panel with the entry (forms/ShowEntry.cpp): clears both
    // text boxes, loads the sprite (a missing or undecodable one is no error),
    // appends the description and the moves, loads the five rating bars, then
    // sets the five text fields. A rating bar that cannot be loaded stops it
    // there with the widget layer's error; what was written before stays. The
    // sprite and the bars carry accessible descriptions of what they show (the
    // creature's name, "3 de 6"), written with the pictures, so they never
    // describe another entry.
    void ShowEntry(const CatalogueEntry& entry);
    // The entry the panel was last given by ShowEntry (also when a rating bar
    // then failed to load); nullptr while none has been.
    const CatalogueEntry* ShownEntry() const { return shownEntry_; }

    // Brings page 1..6 to the front: its button disabled and its list shown,
    // the other five buttons enabled and lists hidden. All twelve states are
    // set every time, button then list, page 1 to 6.
    void SelectPage(int page);
    // The list box of page 1..6.
    TListBox* PageList(int page) const;
    // The text typed into the search field, or nothing when it holds a
    // character the program's code page cannot hold (no key can match it).
    std::optional<std::string> SearchText() const;

protected:
    void AfterDefinitionRead() override;

private:
    // Presents the entry of the selected line of a page's list; no selection
    // (index -1) or a line past the page does nothing.
    void showSelectedLine(int page);

    std::string appDir_;
    const CatalogueEntry* shownEntry_ = nullptr;
};

extern TForm1* Form1;
