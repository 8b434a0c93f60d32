// Reading definitions into live forms: the class registry, property tables,
// field and handler binding, their errors, and read/write/read.
#include "TestForms.h"

#include "text/Cp1252.h"
#include "widgets/Application.h"
#include "widgets/ComboBox.h"
#include "widgets/DefinitionEditor.h"
#include "widgets/DefinitionWriter.h"
#include "widgets/SysUtils.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

using namespace cp1252::literals;

namespace {

struct Reader : ::testing::Test {
    TApplication app;
};

std::string replace(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

EDefinitionError readError(const std::string& text)
{
    try {
        std::unique_ptr<TTestForm> f(ReadTestForm(text));
    } catch (const EDefinitionError& e) {
        return e;
    }
    ADD_FAILURE() << "no error";
    return EDefinitionError("", 0, "", "");
}

TEST_F(Reader, BindsFieldsPropertiesAndHandlers)
{
    std::unique_ptr<TTestForm> f(ReadTestForm());
    EXPECT_EQ(f->Name(), "TestForm");
    EXPECT_EQ(f->GetText(), "Teste");
    EXPECT_EQ(f->ClientWidth(), 200);
    ASSERT_NE(f->Button1, nullptr);
    ASSERT_NE(f->ListBox1, nullptr);
    EXPECT_EQ(f->Button1->Caption(), "&OK");
    EXPECT_EQ(f->Button1->Parent(), f.get());
    EXPECT_EQ(f->ListBox1->Items().Count(), 3);
    EXPECT_EQ(f->ListBox1->Items()[2], std::string("três"_cp));
    EXPECT_EQ(f->ListBox1->ItemHeight(), 13);
    EXPECT_FALSE(f->ListBox1->Loading());
    // Handlers run through the events the definition named.
    f->Button1->click();
    EXPECT_EQ(f->clicks, 1);
    EXPECT_EQ(f->Button1->OnClick.HandlerName, "Button1Click");
    // Tab order follows TabOrder, not definition order.
    QWidget* next = f->ListBox1->nextInFocusChain();
    while (next && next != f->Button1 && (f->ListBox1->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus)))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, f->Button1);
}

TEST_F(Reader, UnknownClassPropertyValueOrHandlerNamesFileLineAndWord)
{
    struct Case {
        std::string text;
        int line;
        const char* word;
    } cases[] = {
        {replace(kTestFormText, "object Button1: TButton", "object Button1: TKnopf"), 6, "TKnopf"},
        {replace(kTestFormText, "    Caption = '&OK'", "    Titel = '&OK'"), 9, "Titel"},
        {replace(kTestFormText, "    OnClick = Button1Click", "    OnClick = Button9Click"), 11, "Button9Click"},
        {replace(kTestFormText, "  OnClose = FormClose", "  OnClose = Button1Click"), 5, "Button1Click"},
        {replace(kTestFormText, "    TabOrder = 1", "    TabOrder = True"), 10, "True"},
        {replace(kTestFormText, "    TabOrder = 1", "    Visible = Yes"), 10, "Yes"},
        {replace(kTestFormText, "object TestForm: TTestForm", "object TestForm: TOtherForm"), 1, "TOtherForm"},
        {replace(kTestFormText, "object ListBox1: TListBox", "object ListBox1: TButton"), 13, "TButton"},
        {replace(kTestFormText, "object ListBox1: TListBox", "object Button1: TListBox"), 13, "Button1"},
    };
    for (const auto& c : cases) {
        const EDefinitionError e = readError(c.text);
        EXPECT_EQ(e.File(), "test.form");
        EXPECT_EQ(e.Line(), c.line) << e.Message();
        EXPECT_EQ(e.Word(), c.word) << e.Message();
    }
}

TEST_F(Reader, AFieldWithoutItsObjectIsAnError)
{
    const std::string text = "object TestForm: TTestForm\n"
                             "  object Button1: TButton\n"
                             "  end\n"
                             "end\n";
    const EDefinitionError e = readError(text);
    EXPECT_EQ(e.Word(), "ListBox1");
}

TEST_F(Reader, ControlsCannotHoldComponents)
{
    const std::string text = replace(kTestFormText, "    OnClick = Button1Click\n",
                                     "    OnClick = Button1Click\n    object Inner: TLabel\n    end\n");
    const EDefinitionError e = readError(text);
    EXPECT_EQ(e.Word(), "TLabel");
    EXPECT_EQ(e.Line(), 12);
}

TEST_F(Reader, ReadWriteReadGivesTheSameWindow)
{
    const std::string text = R"(object TestForm: TTestForm
  Left = 10
  Top = 20
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Janela de teste '
  ClientHeight = 120
  ClientWidth = 300
  Color = clMenu
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu1
  Position = poScreenCenter
  OnClose = FormClose
  object Label1: TLabel
    Left = 4
    Top = 4
    Width = 30
    Height = 13
    Caption = 'Localização'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Button1: TButton
    Left = 8
    Top = 8
    Width = 49
    Height = 17
    Caption = '1-30'
    Enabled = False
    TabOrder = 1
    OnClick = Button1Click
  end
  object ListBox1: TListBox
    Left = 8
    Top = 40
    Width = 100
    Height = 50
    ItemHeight = 13
    Items.Strings = (
      '#083 - Farfetch''d'
      'Nidoran (M)')
    TabOrder = 0
    Visible = False
    OnClick = ListBox1Click
  end
  object Group: TGroupBox
    Left = 120
    Top = 8
    Width = 150
    Height = 100
    Caption = 'Cidades'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    TabOrder = 2
    object Combo: TComboBox
      Left = 8
      Top = 18
      Width = 130
      Height = 21
      Text = 'Escolha uma Cidade'
      Items.Strings = (
        'Cidade de Celadon (2º Andar)')
      TabOrder = 0
    end
    object Rich: TRichEdit
      Left = 8
      Top = 44
      Width = 130
      Height = 50
      Lines.Strings = (
        '')
      ReadOnly = True
      ScrollBars = ssVertical
      TabOrder = 1
    end
  end
  object Edit5: TEdit
    Left = 8
    Top = 96
    Width = 100
    Height = 21
    CharCase = ecUpperCase
    TabOrder = 3
  end
  object Bevel1: TBevel
    Left = 1
    Top = 1
    Width = 20
    Height = 20
  end
  object Picture: TGIFImage
    Left = 200
    Top = 10
    Hint = 'Treinador: Ash'
    Color = clBackground
    ParentShowHint = False
    ShowHint = True
    Animate = False
    AutoSize = False
    Center = True
    FirstImageOnly = False
    Loop = False
    Opaque = True
    Stretch = False
    StretchRatio = False
    Tile = False
  end
  object MainMenu1: TMainMenu
    Left = 520
    Top = 160
    object Arquivo1: TMenuItem
      Caption = '&Arquivo'
      object Sair1: TMenuItem
        Caption = '&Sair'
        ShortCut = 32883
      end
    end
  end
end
)";
    std::unique_ptr<TTestForm> first(ReadTestForm(text));
    // Each widget took its whole font (the Font.X lines arrive one by one),
    // and the controls in the group took the group's.
    auto widget = [&](const char* name) { return dynamic_cast<TControl*>(first->FindComponent(name))->Widget(); };
    auto font = [&](const char* name) { return widget(name)->font().toString().toStdString(); };
    TFont bold;
    bold.Style = fsBold;
    EXPECT_EQ(font("Label1"), bold.ToQFont().toString().toStdString());
    EXPECT_EQ(widget("Label1")->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(font("Combo"), bold.ToQFont().toString().toStdString());
    EXPECT_EQ(widget("Combo")->palette().color(QPalette::Text), QColor(Qt::darkBlue));
    EXPECT_EQ(font("Button1"), TFont().ToQFont().toString().toStdString());
    // A combo box waits for its Style before building an edit field: the
    // default keeps one with its text; a drop-down list, read the same way,
    // has none (and none was built and thrown away).
    auto* combo = dynamic_cast<TComboBox*>(first->FindComponent("Combo"));
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->Text(), "Escolha uma Cidade");
    EXPECT_NE(combo->lineEdit()->validator(), nullptr);
    {
        std::unique_ptr<TTestForm> list(
            ReadTestForm(replace(text, "      Text = 'Escolha uma Cidade'", "      Style = csDropDownList")));
        auto* box = dynamic_cast<TComboBox*>(list->FindComponent("Combo"));
        EXPECT_FALSE(box->isEditable());
        EXPECT_EQ(box->lineEdit(), nullptr);
        EXPECT_EQ(box->ItemIndex(), -1);
        EXPECT_EQ(box->Items().Count(), 1);
        EXPECT_EQ(box->findChildren<QLineEdit*>().size(), 0);
    }
    const std::string once = WriteDefinition(ComponentToTree(*first));
    std::unique_ptr<TTestForm> second(ReadTestForm(once));
    EXPECT_EQ(WriteDefinition(ComponentToTree(*second)), once);
    // Nothing the definition said was lost on the way.
    const DfmObject a = ParseDefinition(text, "a"), b = ParseDefinition(once, "b");
    std::function<void(const DfmObject&, const DfmObject&)> same = [&](const DfmObject& x, const DfmObject& y) {
        for (const auto& p : x.props) {
            if (p.name == "Width" || p.name == "Height")
                continue; // a label sizes itself to its caption
            const DfmProperty* q = y.Property(p.name);
            ASSERT_NE(q, nullptr) << x.name << "." << p.name;
            EXPECT_EQ(q->value, p.value) << x.name << "." << p.name;
        }
        ASSERT_EQ(x.children.size(), y.children.size()) << x.name;
        for (std::size_t i = 0; i < x.children.size(); ++i)
            same(x.children[i], y.children[i]);
    };
    same(a, b);
    // Defaults are left out: a picture of 105 x 105 writes no size, a
    // control that is enabled writes no Enabled.
    EXPECT_EQ(b.Find("Picture")->Property("Width"), nullptr);
    EXPECT_EQ(b.Find("ListBox1")->Property("Enabled"), nullptr);
}

TEST_F(Reader, FieldsAreNamedByTheirLabelsOrGroups)
{
    const std::string text = R"(object TestForm: TTestForm
  object Label2: TLabel
    Left = 179
    Top = 27
    Caption = 'Nome'
  end
  object Edit1: TEdit
    Left = 213
    Top = 23
    Width = 102
  end
  object Group: TGroupBox
    Left = 216
    Top = 224
    Width = 185
    Height = 57
    Caption = 'Localização'
    object Edit2: TEdit
      Left = 8
      Top = 24
      Width = 169
      ReadOnly = True
      Text = 'Rota 25, ao norte da cidade, depois da ponte e da casa do Bill'
    end
  end
  object Button1: TButton
    Caption = '&OK'
  end
  object ListBox1: TListBox
    Left = 300
    Top = 8
    Hint = 'Escolha uma linha|Lista das linhas'
  end
end
)";
    std::unique_ptr<TTestForm> f(ReadTestForm(text));
    auto name = [&](const char* n) {
        return FromQt(dynamic_cast<TControl*>(f->FindComponent(n))->Widget()->accessibleName());
    };
    EXPECT_EQ(name("Edit1"), "Nome");
    EXPECT_EQ(name("Edit2"), std::string("Localização"_cp));
    EXPECT_EQ(name("Button1"), "OK");
    EXPECT_EQ(name("ListBox1"), "Escolha uma linha");
    EXPECT_EQ(name("Label2"), "Nome");
    // Hints and a read-only box's clipped text, given once the reading ends.
    const QWidget* list = dynamic_cast<TControl*>(f->FindComponent("ListBox1"))->Widget();
    EXPECT_EQ(list->accessibleDescription(), "Escolha uma linha");
    const QWidget* edit = dynamic_cast<TControl*>(f->FindComponent("Edit2"))->Widget();
    EXPECT_EQ(edit->toolTip(), "Rota 25, ao norte da cidade, depois da ponte e da casa do Bill");
    EXPECT_EQ(edit->accessibleDescription(), edit->toolTip());
}

TEST_F(Reader, RegistryKnowsTheLayersClasses)
{
    for (const char* name : {"TLabel", "TBevel", "TImage", "TButton", "TBitBtn", "TEdit", "TListBox", "TRichEdit",
                             "TComboBox", "TGroupBox", "TMainMenu", "TMenuItem", "TGIFImage"}) {
        const ClassInfo* c = Registry::Find(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_TRUE(c->Creatable());
        std::unique_ptr<TComponent> made(c->Create(nullptr));
        EXPECT_EQ(made->ClassName(), name);
    }
    EXPECT_EQ(Registry::Find("TForm"), nullptr);
    EXPECT_TRUE(TBitBtn::StaticClass().InheritsFrom(TButton::StaticClass()));
}

} // namespace

namespace {

TEST(DefinitionEditing, SetsPicturesAndIconsByName)
{
    const std::string text = "object Form1: TForm1\n"
                             "  Caption = 'Fauneta '\n"
                             "  object GIFImage2: TGIFImage\n"
                             "    Left = 5\n"
                             "  end\n"
                             "end\n";
    const std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a'};
    const DfmValue data = DfmValue::Bin(PictureDataValue(gif));
    EXPECT_EQ(data.bytes.size(), 10u);
    EXPECT_EQ(data.bytes[0], 6);
    std::string edited = SetDefinitionProperty(text, "f", "GIFImage2", "Data", &data);
    const DfmValue icon = DfmValue::Bin({0, 0, 1, 0});
    edited = SetDefinitionProperty(edited, "f", "Form1", "Icon.Data", &icon);
    const DfmObject o = ParseDefinition(edited, "f");
    EXPECT_EQ(o.Property("Icon.Data")->value, icon);
    EXPECT_EQ(o.Find("GIFImage2")->Property("Data")->value, data);
    EXPECT_EQ(o.Find("GIFImage2")->Property("Left")->value, DfmValue::Int(5));
    // Setting it again replaces; removing takes it out.
    edited = SetDefinitionProperty(edited, "f", "GIFImage2", "Data", &data);
    edited = SetDefinitionProperty(edited, "f", "GIFImage2", "Data", nullptr);
    EXPECT_EQ(ParseDefinition(edited, "f").Find("GIFImage2")->Property("Data"), nullptr);

    EXPECT_THROW(SetDefinitionProperty(text, "f", "GIFImage9", "Data", &data), EDefinitionError);
    EXPECT_THROW(SetDefinitionProperty(text, "f", "GIFImage2", "Dados", &data), EDefinitionError);
    EXPECT_THROW(SetDefinitionProperty(text, "f", "Form1", "Data", &data), EDefinitionError);
}

} // namespace
