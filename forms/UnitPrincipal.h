// The main window: six list pages with their buttons, the detail panel, the
// search field, two pictures and the menu bar that opens the other windows.
#pragma once

#include "catalogue/Catalogue.h"
#include "forms/UnitPrincipal.controls.h"
#include "widgets/Form.h"

#include <optional>
#include <string>
#include <vector>

class TForm1 : public TFormOf<TForm1, TForm1Controls> {
public:
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
    void Treinadores1Click(TObject* Sender);
    void MinhaEquipe1Click(TObject* Sender);
    void ChancedeCaptura1Click(TObject* Sender);

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
