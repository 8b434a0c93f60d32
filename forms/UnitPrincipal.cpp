#include "forms/UnitPrincipal.h"

#include "catalogue/Catalogue.h"
#include "forms/SearchKeys.h"

#include "forms/UnitAtual.h"
#include "forms/UnitAtualizado.h"
#include "forms/UnitDano.h"
#include "forms/UnitGolpes.h"
#include "forms/UnitOnde.h"
#include "forms/UnitPokeMart.h"
#include "forms/UnitSobre.h"
#include "forms/UnitTipos.h"
#include "forms/UnitTmHm.h"
#include "forms/UnitWeb.h"
#include "text/Cp1252.h"
#include "widgets/Application.h"
#include "widgets/SysUtils.h"

using namespace cp1252::literals;

TForm1* Form1 = nullptr;

const FormClass& TForm1::StaticFormClass()
{
    static const FormClass info = FormTable<TForm1>()
                                      .Field("ListBox1", &TForm1::ListBox1)
                                      .Field("GIFImage1", &TForm1::GIFImage1)
                                      .Field("Label1", &TForm1::Label1)
                                      .Field("Label2", &TForm1::Label2)
                                      .Field("Label3", &TForm1::Label3)
                                      .Field("Label4", &TForm1::Label4)
                                      .Field("Label5", &TForm1::Label5)
                                      .Field("Edit1", &TForm1::Edit1)
                                      .Field("Edit2", &TForm1::Edit2)
                                      .Field("Edit3", &TForm1::Edit3)
                                      .Field("Edit4", &TForm1::Edit4)
                                      .Field("Label6", &TForm1::Label6)
                                      .Field("Label7", &TForm1::Label7)
                                      .Field("Label8", &TForm1::Label8)
                                      .Field("Label9", &TForm1::Label9)
                                      .Field("Label10", &TForm1::Label10)
                                      .Field("RichEdit1", &TForm1::RichEdit1)
                                      .Field("RichEdit2", &TForm1::RichEdit2)
                                      .Field("Label11", &TForm1::Label11)
                                      .Field("Image1", &TForm1::Image1)
                                      .Field("Image2", &TForm1::Image2)
                                      .Field("Image3", &TForm1::Image3)
                                      .Field("Image4", &TForm1::Image4)
                                      .Field("Image5", &TForm1::Image5)
                                      .Field("GIFImage2", &TForm1::GIFImage2)
                                      .Field("MainMenu1", &TForm1::MainMenu1)
                                      .Field("Arquivo1", &TForm1::Arquivo1)
                                      .Field("Sair1", &TForm1::Sair1)
                                      .Field("Button1", &TForm1::Button1)
                                      .Field("Button2", &TForm1::Button2)
                                      .Field("Button3", &TForm1::Button3)
                                      .Field("Button4", &TForm1::Button4)
                                      .Field("Button5", &TForm1::Button5)
                                      .Field("Button6", &TForm1::Button6)
                                      .Field("Bevel1", &TForm1::Bevel1)
                                      .Field("ListBox2", &TForm1::ListBox2)
                                      .Field("Fauneta1", &TForm1::Fauneta1)
                                      .Field("WebSite1", &TForm1::WebSite1)
                                      .Field("Atualizao1", &TForm1::Atualizao1)
                                      .Field("N1", &TForm1::N1)
                                      .Field("Ajuda1", &TForm1::Ajuda1)
                                      .Field("Sobre1", &TForm1::Sobre1)
                                      .Field("ListBox3", &TForm1::ListBox3)
                                      .Field("ListBox4", &TForm1::ListBox4)
                                      .Field("ListBox5", &TForm1::ListBox5)
                                      .Field("ListBox6", &TForm1::ListBox6)
                                      .Field("SobreaAtualizao1", &TForm1::SobreaAtualizao1)
                                      .Field("ListadeTMseHMs1", &TForm1::ListadeTMseHMs1)
                                      .Field("N2", &TForm1::N2)
                                      .Field("ListadeGolpes1", &TForm1::ListadeGolpes1)
                                      .Field("OndeEncontrar1", &TForm1::OndeEncontrar1)
                                      .Field("CalculadoradeDano1", &TForm1::CalculadoradeDano1)
                                      .Field("ListadeItensdosMarts1", &TForm1::ListadeItensdosMarts1)
                                      .Field("Edit5", &TForm1::Edit5)
                                      .Field("Label12", &TForm1::Label12)
                                      .Field("BitBtn1", &TForm1::BitBtn1)
                                      .Field("Label13", &TForm1::Label13)
                                      .Field("Label14", &TForm1::Label14)
                                      .Field("Edit6", &TForm1::Edit6)
                                      .Field("TabeladeTipos1", &TForm1::TabeladeTipos1)
                                      .Handler("FormCreate", &TForm1::FormCreate)
                                      .Handler("ListBox1Click", &TForm1::ListBox1Click)
                                      .Handler("ListBox2Click", &TForm1::ListBox2Click)
                                      .Handler("ListBox3Click", &TForm1::ListBox3Click)
                                      .Handler("ListBox4Click", &TForm1::ListBox4Click)
                                      .Handler("ListBox5Click", &TForm1::ListBox5Click)
                                      .Handler("ListBox6Click", &TForm1::ListBox6Click)
                                      .Handler("Button1Click", &TForm1::Button1Click)
                                      .Handler("Button2Click", &TForm1::Button2Click)
                                      .Handler("Button3Click", &TForm1::Button3Click)
                                      .Handler("Button4Click", &TForm1::Button4Click)
                                      .Handler("Button5Click", &TForm1::Button5Click)
                                      .Handler("Button6Click", &TForm1::Button6Click)
                                      .Handler("BitBtn1Click", &TForm1::BitBtn1Click)
                                      .Handler("Sair1Click", &TForm1::Sair1Click)
                                      .Handler("WebSite1Click", &TForm1::WebSite1Click)
                                      .Handler("Atualizao1Click", &TForm1::Atualizao1Click)
                                      .Handler("SobreaAtualizao1Click", &TForm1::SobreaAtualizao1Click)
                                      .Handler("ListadeItensdosMarts1Click", &TForm1::ListadeItensdosMarts1Click)
                                      .Handler("ListadeTMseHMs1Click", &TForm1::ListadeTMseHMs1Click)
                                      .Handler("Sobre1Click", &TForm1::Sobre1Click)
                                      .Handler("TabeladeTipos1Click", &TForm1::TabeladeTipos1Click)
                                      .Handler("ListadeGolpes1Click", &TForm1::ListadeGolpes1Click)
                                      .Handler("OndeEncontrar1Click", &TForm1::OndeEncontrar1Click)
                                      .Handler("CalculadoradeDano1Click", &TForm1::CalculadoradeDano1Click)
                                      .Build("TForm1", ":/forms/UnitPrincipal.form");
    return info;
}

void TForm1::AfterDefinitionRead()
{
    // Controls with no label of their own get a name a screen reader can say.
    RichEdit1->SetAccessibleName(std::string("Descrição"_cp));
    GIFImage1->SetAccessibleName(std::string("Imagem do Pokémon"_cp));
    TForm::AfterDefinitionRead();
}

void TForm1::FormCreate(TObject*)
{
    appDir_ = ExtractAppDir(ExecutablePath());
    // The state of page 1.
    Button1->SetEnabled(false);
    ListBox1->SetVisible(true);
    ListBox2->SetVisible(false);
    ListBox3->SetVisible(false);
    ListBox4->SetVisible(false);
    ListBox5->SetVisible(false);
    ListBox6->SetVisible(false);
}

TListBox* TForm1::PageList(int page) const
{
    TListBox* const lists[] = {ListBox1, ListBox2, ListBox3, ListBox4, ListBox5, ListBox6};
    static_assert(std::size(lists) == Catalogue::PageCount);
    return page >= 1 && page <= Catalogue::PageCount ? lists[page - 1] : nullptr;
}

std::optional<std::string> TForm1::SearchText() const
{
    if (!FitsCp1252(Edit5->text()))
        return std::nullopt;
    return Edit5->Text();
}

void TForm1::SelectPage(int page)
{
    TButton* const buttons[] = {Button1, Button2, Button3, Button4, Button5, Button6};
    static_assert(std::size(buttons) == Catalogue::PageCount);
    // A page button pressed with the keyboard would hand its focus on to the
    // next button as it is disabled (a second Space would turn another
    // page): the focus goes to the list brought to the front instead.
    bool buttonHadFocus = false;
    for (TButton* b : buttons)
        if (b->hasFocus()) {
            buttonHadFocus = true;
            b->clearFocus();
        }
    for (int j = 1; j <= Catalogue::PageCount; ++j) {
        buttons[j - 1]->SetEnabled(j != page);
        PageList(j)->SetVisible(j == page);
    }
    if (buttonHadFocus && PageList(page)->CanFocus())
        PageList(page)->SetFocus();
}

void TForm1::showSelectedLine(int page)
{
    const int row = Catalogue::RowOfListPosition(page, PageList(page)->ItemIndex());
    if (row >= 0)
        ShowEntry(Catalogue::Entry(row));
}

void TForm1::ListBox1Click(TObject*)
{
    showSelectedLine(1);
}
void TForm1::ListBox2Click(TObject*)
{
    showSelectedLine(2);
}
void TForm1::ListBox3Click(TObject*)
{
    showSelectedLine(3);
}
void TForm1::ListBox4Click(TObject*)
{
    showSelectedLine(4);
}
void TForm1::ListBox5Click(TObject*)
{
    showSelectedLine(5);
}
void TForm1::ListBox6Click(TObject*)
{
    showSelectedLine(6);
}

void TForm1::Button1Click(TObject*)
{
    SelectPage(1);
}
void TForm1::Button2Click(TObject*)
{
    SelectPage(2);
}
void TForm1::Button3Click(TObject*)
{
    SelectPage(3);
}
void TForm1::Button4Click(TObject*)
{
    SelectPage(4);
}
void TForm1::Button5Click(TObject*)
{
    SelectPage(5);
}
void TForm1::Button6Click(TObject*)
{
    SelectPage(6);
}

void TForm1::BitBtn1Click(TObject*)
{
    // Whole-text, byte-for-byte comparison: no trimming, no case folding, no
    // reading as a number ("025" and "25 " match nothing). A failing
    // ShowEntry leaves at once, so the field keeps its text.
    const std::optional<std::string> text = SearchText();
    if (text) {
        for (const SearchKey& key : SearchKeys()) {
            if (*text == key.NameKey || *text == key.NumberKey) {
                ShowEntry(Catalogue::Entry(key.Row));
                const Catalogue::ListPosition at = Catalogue::ListPositionOfRow(key.Row);
                PageList(at.Page)->SetItemIndex(at.Item);
                SelectPage(at.Page);
            }
        }
    }
    if (text && text->empty())
        Application->MessageBox(
            std::string("Insira o nome ou número do pokémon que você procura e depois clique em PROCURAR."_cp),
            "Campo em Branco", MB_OK | MB_ICONEXCLAMATION);
    Edit5->Clear();
    Edit5->SetFocus();
}

void TForm1::Sair1Click(TObject*)
{
    Application->Terminate();
}

void TForm1::WebSite1Click(TObject*)
{
    FormWeb->ShowModal();
}

void TForm1::Atualizao1Click(TObject*)
{
    FormAtual->ShowModal();
}

void TForm1::SobreaAtualizao1Click(TObject*)
{
    FormAtualizado->ShowModal();
}

void TForm1::ListadeItensdosMarts1Click(TObject*)
{
    FormPokeMart->ShowModal();
}

void TForm1::ListadeTMseHMs1Click(TObject*)
{
    FormTmHm->ShowModal();
}

namespace {
// The tool windows beyond the first seven are made the first time they are
// asked for, so that start-up does not grow by a window, and shown beside
// the main window.
template <class T>
void OpenMadeOnFirstUse(T*& form)
{
    if (!form)
        Application->CreateForm(form);
    form->ShowTool();
}
} // namespace

void TForm1::TabeladeTipos1Click(TObject*)
{
    OpenMadeOnFirstUse(FormTipos);
}

void TForm1::Sobre1Click(TObject*)
{
    FormSobre->ShowModal();
}

void TForm1::ListadeGolpes1Click(TObject*)
{
    OpenMadeOnFirstUse(FormGolpes);
}

void TForm1::OndeEncontrar1Click(TObject*)
{
    OpenMadeOnFirstUse(FormOnde);
}

void TForm1::CalculadoradeDano1Click(TObject*)
{
    OpenMadeOnFirstUse(FormDano);
}
