#include "forms/UnitPrincipal.h"

#include "catalogue/Catalogue.h"
#include "forms/SearchKeys.h"

#include "forms/UnitAtual.h"
#include "forms/UnitAtualizado.h"
#include "forms/UnitCaptura.h"
#include "forms/UnitDano.h"
#include "forms/UnitEquipe.h"
#include "forms/UnitGolpes.h"
#include "forms/UnitOnde.h"
#include "forms/UnitPokeMart.h"
#include "forms/UnitSobre.h"
#include "forms/UnitTipos.h"
#include "forms/UnitTmHm.h"
#include "forms/UnitTreinadores.h"
#include "forms/UnitWeb.h"
#include "text/Cp1252.h"
#include "views/CalculatorHandoff.h"
#include "views/TeamView.h"
#include "widgets/Application.h"
#include "widgets/SysUtils.h"

using namespace cp1252::literals;

TForm1* Form1 = nullptr;

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
    // A side sent to the calculator opens it as its menu item does.
    ToCalculator().SetOpener([this] { CalculadoradeDano1Click(nullptr); });
    // A party sent to the team window opens it as its menu item does.
    ToTeam().SetOpener([this] { MinhaEquipe1Click(nullptr); });
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

void TForm1::Treinadores1Click(TObject*)
{
    OpenMadeOnFirstUse(FormTreinadores);
}

void TForm1::MinhaEquipe1Click(TObject*)
{
    OpenMadeOnFirstUse(FormEquipe);
}

void TForm1::ChancedeCaptura1Click(TObject*)
{
    OpenMadeOnFirstUse(FormCaptura);
}
