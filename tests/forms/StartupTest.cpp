// The whole program built in a test: start state, menu, modal windows from
// their shortcuts, ending the program, AppDir.
#include "MessageBoxRecorder.h"
#include "forms/Startup.h"
#include "forms/UnitAtual.h"
#include "forms/UnitAtualizado.h"
#include "forms/UnitPokeMart.h"
#include "forms/UnitPrincipal.h"
#include "forms/UnitSobre.h"
#include "forms/UnitTipos.h"
#include "forms/UnitTmHm.h"
#include "forms/UnitWeb.h"
#include "text/Cp1252.h"
#include "text/DefinitionText.h"
#include "widgets/Application.h"
#include "widgets/DefinitionReader.h"
#include "widgets/Form.h"
#include "widgets/SysUtils.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <set>

using namespace cp1252::literals;

namespace {

struct Program : ::testing::Test {
    TApplication app;
    MessageBoxRecorder boxes;
    void SetUp() override
    {
        app.SetTitle("Fauneta");
        CreateAllForms();
    }
    void TearDown() override
    {
        DestroyAllForms();
        EXPECT_TRUE(boxes.boxes.empty()) << boxes.boxes.front().text;
    }
    // Shows the main window as the event loop's start does.
    void showMain()
    {
        Form1->SetVisible(true);
        QApplication::setActiveWindow(Form1);
        QApplication::processEvents();
    }
};

TEST_F(Program, SevenWindowsInOrderTheFirstIsTheMainWindow)
{
    const std::vector<TForm*> expected = {Form1, FormSobre, FormWeb, FormAtual, FormAtualizado, FormPokeMart, FormTmHm};
    EXPECT_EQ(app.Forms(), expected);
    // The type chart waits for its menu item: start-up does not grow.
    EXPECT_EQ(FormTipos, nullptr);
    EXPECT_EQ(app.MainForm(), Form1);
    EXPECT_EQ(QCoreApplication::applicationName(), "Fauneta");
    EXPECT_EQ(Form1->GetText(), "Fauneta ");
    struct Window {
        TForm* form;
        std::string caption;
        int width, height;
    } windows[] = {
        {Form1, "Fauneta ", 552, 355},
        {FormSobre, "Sobre...", 539, 462},
        {FormWeb, "Web Site", 395, 266},
        {FormAtual, std::string("Atualizações"_cp), 401, 273},
        {FormAtualizado, std::string("Sobre a Atualização"_cp), 401, 273},
        {FormPokeMart, std::string("Lista de Itens dos Poké-Marts"_cp), 427, 273},
        {FormTmHm, "Lista de TMs e HMs", 427, 305},
    };
    for (const auto& w : windows) {
        EXPECT_FALSE(w.form->Visible()) << w.caption;
        EXPECT_EQ(w.form->GetText(), w.caption);
        EXPECT_EQ(w.form->ClientWidth(), w.width) << w.caption;
        EXPECT_EQ(w.form->ClientHeight(), w.height) << w.caption;
        EXPECT_EQ(w.form->BorderStyle(), TFormBorderStyle::bsSingle) << w.caption;
        EXPECT_EQ(w.form->Position(), TPosition::poScreenCenter) << w.caption;
    }
}

// The client area is the designed one whatever the fonts; the menu bar above
// it is drawn in the desktop's font, like the frame the desktop draws, so the
// main window's full height follows that font (374 pixels with the tests'
// fonts, 377 with a desktop whose default font is taller).
TEST_F(Program, OnlyTheMenuBarFollowsTheDesktopsFont)
{
    showMain();
    QMenuBar* bar = Form1->menuBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(Form1->size(), QSize(552, 374));
    EXPECT_EQ(Form1->ClientWidget()->geometry(), QRect(0, bar->height(), 552, 355));

    const QFont desktop = QApplication::font();
    const auto settle = [] {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
            Form1->layout()->activate();
        }
    };
    QFont taller = desktop;
    taller.setPointSizeF(desktop.pointSizeF() * 1.5);
    QApplication::setFont(taller);
    settle();
    EXPECT_GT(bar->height(), 19);
    EXPECT_EQ(Form1->size(), QSize(552, 355 + bar->height()));
    EXPECT_EQ(Form1->ClientWidget()->size(), QSize(552, 355));

    QApplication::setFont(desktop);
    settle();
    EXPECT_EQ(Form1->size(), QSize(552, 374));
}

TEST_F(Program, StartStateIsPageOneWithAnEmptyPanel)
{
    EXPECT_FALSE(Form1->Button1->Enabled());
    for (TButton* b : {Form1->Button2, Form1->Button3, Form1->Button4, Form1->Button5, Form1->Button6})
        EXPECT_TRUE(b->Enabled()) << b->Name();
    EXPECT_TRUE(Form1->ListBox1->Visible());
    const std::vector<TListBox*> lists = {Form1->ListBox1, Form1->ListBox2, Form1->ListBox3,
                                          Form1->ListBox4, Form1->ListBox5, Form1->ListBox6};
    for (std::size_t i = 1; i < lists.size(); ++i)
        EXPECT_FALSE(lists[i]->Visible()) << lists[i]->Name();
    for (TListBox* l : lists)
        EXPECT_EQ(l->ItemIndex(), -1) << l->Name();
    for (TEdit* e : {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4, Form1->Edit5, Form1->Edit6})
        EXPECT_EQ(e->Text(), "") << e->Name();
    EXPECT_EQ(Form1->RichEdit1->Lines().Count(), 0);
    EXPECT_EQ(Form1->RichEdit2->Lines().Count(), 0);
    for (TImage* i : {Form1->Image1, Form1->Image2, Form1->Image3, Form1->Image4, Form1->Image5})
        EXPECT_TRUE(i->Picture().Empty()) << i->Name();
    EXPECT_TRUE(Form1->GIFImage1->Empty());
    showMain();
    // Showing selects nothing either, even with the list focused.
    for (TListBox* l : lists)
        EXPECT_EQ(l->ItemIndex(), -1) << l->Name();
    EXPECT_TRUE(Form1->ListBox1->isVisible());
    EXPECT_FALSE(Form1->ListBox2->isVisible());
}

TEST_F(Program, ListsHoldTheSixPages)
{
    const std::vector<TListBox*> lists = {Form1->ListBox1, Form1->ListBox2, Form1->ListBox3,
                                          Form1->ListBox4, Form1->ListBox5, Form1->ListBox6};
    const int counts[] = {30, 30, 30, 30, 30, 2};
    for (int p = 0; p < 6; ++p) {
        ASSERT_EQ(lists[p]->Items().Count(), counts[p]) << p;
        for (int i = 0; p < 5 && i < 30; ++i) {
            char number[8];
            std::snprintf(number, sizeof number, "#%03d - ", p * 30 + i + 1);
            EXPECT_EQ(lists[p]->Items()[i].substr(0, 7), number);
        }
    }
    EXPECT_EQ(Form1->ListBox1->Items()[0], "#001 - Bulbasaur");
    EXPECT_EQ(Form1->ListBox2->Items()[1], "#032 - Nidoran (M)");
    EXPECT_EQ(Form1->ListBox3->Items()[22], "#083 - Farfetch'd");
    EXPECT_EQ(Form1->ListBox5->Items()[1], "#122 - Mr.Mime");
    EXPECT_EQ(Form1->ListBox5->Items()[29], "#150 - Mewtwo");
    EXPECT_EQ(Form1->ListBox6->Items()[0], "#000 - Missingno");
    EXPECT_EQ(Form1->ListBox6->Items()[1], "#151 - Mew");
}

TEST_F(Program, MenuTreeWithStoredShortcuts)
{
    struct Item {
        const char* caption;
        int shortcut;
    };
    const std::vector<std::pair<std::string, std::vector<Item>>> expected = {
        {"&Arquivo",
         {{"Lista de &TMs e HMs", 16468},
          {"Lista de Itens dos Poké-&Marts", 16461},
          {"Tabela de T&ipos", 16457},
          {"Lista de &Golpes", 16455},
          {"Onde &Encontrar", 16453},
          {"Calculadora de &Dano", 16452},
          {"T&reinadores", 16466},
          {"Minha E&quipe", 16469},
          {"&Chance de Captura", 16450},
          {"-", 0},
          {"&Sair", 32883}}},
        {"Fauneta", {{"&Web Site", 0}, {"&Atualização", 0}, {"-", 0}, {"&Sobre a Atualização", 0}}},
        {"Ajuda", {{"Sobre...", 112}}},
    };
    const TMenuItem& root = Form1->MainMenu1->Items();
    ASSERT_EQ(root.Count(), 3);
    for (int m = 0; m < 3; ++m) {
        const TMenuItem* menu = root.Items(m);
        EXPECT_EQ(menu->Caption(), expected[m].first);
        ASSERT_EQ(menu->Count(), static_cast<int>(expected[m].second.size()));
        for (int i = 0; i < menu->Count(); ++i) {
            const Item& want = expected[m].second[i];
            EXPECT_EQ(menu->Items(i)->Caption(), cp1252::fromUtf8(want.caption));
            EXPECT_EQ(menu->Items(i)->ShortCut(), want.shortcut) << want.caption;
            EXPECT_EQ(menu->Items(i)->Action()->shortcut(), ShortCutToKeySequence(want.shortcut));
            EXPECT_EQ(menu->Items(i)->IsLine(), std::string(want.caption) == "-");
            if (menu->Items(i)->IsLine()) {
                // A separator line with no text to draw or say.
                EXPECT_TRUE(menu->Items(i)->Action()->isSeparator());
                EXPECT_EQ(menu->Items(i)->Action()->text(), "");
                QAccessibleInterface* item = QAccessible::queryAccessibleInterface(menu->SubMenu())->child(i);
                ASSERT_TRUE(item);
                EXPECT_EQ(item->text(QAccessible::Name), "");
                EXPECT_EQ(item->role(), QAccessible::Separator);
            }
        }
    }
    // No two items of a menu share an access letter, no two items anywhere a shortcut.
    std::set<int> shortcuts;
    for (int m = 0; m < 3; ++m) {
        std::set<char> letters;
        for (int i = 0; i < root.Items(m)->Count(); ++i) {
            const std::string caption = root.Items(m)->Items(i)->Caption();
            const auto amp = caption.find('&');
            if (amp != std::string::npos && amp + 1 < caption.size()) {
                EXPECT_TRUE(letters.insert(static_cast<char>(std::tolower(caption[amp + 1]))).second) << caption;
            }
            if (const int key = root.Items(m)->Items(i)->ShortCut()) {
                EXPECT_TRUE(shortcuts.insert(key).second) << caption;
            }
        }
    }
    EXPECT_EQ(Form1->Arquivo1->Items(2), Form1->TabeladeTipos1);
    EXPECT_EQ(Form1->Arquivo1->Items(3), Form1->ListadeGolpes1);
    EXPECT_EQ(Form1->Arquivo1->Items(4), Form1->OndeEncontrar1);
    EXPECT_EQ(Form1->Arquivo1->Items(5), Form1->CalculadoradeDano1);
    EXPECT_EQ(Form1->Arquivo1->Items(6), Form1->Treinadores1);
    EXPECT_EQ(Form1->Arquivo1->Items(7), Form1->MinhaEquipe1);
    EXPECT_EQ(Form1->Arquivo1->Items(8), Form1->ChancedeCaptura1);
    EXPECT_EQ(Form1->Arquivo1->Items(10), Form1->Sair1);
    EXPECT_TRUE(Form1->Sair1->Action()->isVisible());
}

TEST_F(Program, ShortcutsOpenTheirWindowsModally)
{
    showMain();
    std::vector<TForm*> opened;
    app.ModalHook = [&](TForm& f) {
        opened.push_back(&f);
        EXPECT_TRUE(f.Modal());
        EXPECT_TRUE(f.isVisible());
        // While it is open the main window's shortcuts do nothing, and its
        // menu items do nothing when a screen reader presses them either.
        QTest::keyClick(Form1->windowHandle(), Qt::Key_M, Qt::ControlModifier);
        QTest::keyClick(Form1->windowHandle(), Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(Form1->windowHandle(), Qt::Key_F1);
        QTest::keyClick(Form1->windowHandle(), Qt::Key_F4, Qt::AltModifier);
        Form1->ListadeItensdosMarts1->Action()->trigger();
        Form1->Sair1->Action()->trigger();
        f.Close();
    };
    QTest::keyClick(Form1->windowHandle(), Qt::Key_T, Qt::ControlModifier);
    QTest::keyClick(Form1->windowHandle(), Qt::Key_M, Qt::ControlModifier);
    QTest::keyClick(Form1->windowHandle(), Qt::Key_F1);
    // The type chart, a tool window, is created by its first opening beside
    // the main window, and brought to the front again as is.
    QTest::keyClick(Form1->windowHandle(), Qt::Key_I, Qt::ControlModifier);
    TForm* const chart = FormTipos;
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_FALSE(chart->Modal());
    QApplication::setActiveWindow(Form1);
    QTest::keyClick(Form1->windowHandle(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(FormTipos, chart);
    QTest::keyClick(chart->windowHandle(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(chart->isVisible());
    QApplication::setActiveWindow(Form1);
    // Alt+F4 in a secondary window closes that window only.
    app.ModalHook = [&](TForm& f) {
        opened.push_back(&f);
        QTest::keyClick(f.windowHandle(), Qt::Key_F4, Qt::AltModifier);
    };
    QTest::keyClick(Form1->windowHandle(), Qt::Key_F1);
    const std::vector<TForm*> expected = {FormTmHm, FormPokeMart, FormSobre, FormSobre};
    EXPECT_EQ(opened, expected);
    EXPECT_FALSE(app.Terminated());
    for (TForm* f : expected)
        EXPECT_FALSE(f->Visible());
}

TEST_F(Program, MenuItemsWithoutShortcutsOpenTheirWindows)
{
    std::vector<TForm*> opened;
    app.ModalHook = [&](TForm& f) {
        opened.push_back(&f);
        f.Close();
    };
    Form1->WebSite1->Action()->trigger();
    Form1->Atualizao1->Action()->trigger();
    Form1->SobreaAtualizao1->Action()->trigger();
    const std::vector<TForm*> expected = {FormWeb, FormAtual, FormAtualizado};
    EXPECT_EQ(opened, expected);
}

TEST_F(Program, SairEndsTheProgram)
{
    showMain();
    Form1->Sair1->Action()->trigger();
    EXPECT_TRUE(app.Terminated());
}

TEST_F(Program, AltF4EndsTheProgram)
{
    showMain();
    QTest::keyClick(Form1->windowHandle(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(app.Terminated());
}

TEST_F(Program, CloseBoxEndsTheProgram)
{
    showMain();
    Form1->close();
    EXPECT_TRUE(app.Terminated());
}

TEST_F(Program, MainWindowIsFixedAndCanBeMinimised)
{
    showMain();
    const Qt::WindowFlags f = Form1->windowFlags();
    EXPECT_FALSE(f & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(f & Qt::WindowCloseButtonHint);
    EXPECT_EQ(Form1->minimumSize(), Form1->maximumSize());
    EXPECT_EQ(Form1->ClientWidget()->size(), QSize(552, 355));
}

TEST_F(Program, ControlsHaveSpeakableNames)
{
    EXPECT_EQ(Form1->Edit1->accessibleName(), "Nome");
    EXPECT_EQ(Form1->Edit2->accessibleName(), "Tipo");
    EXPECT_EQ(Form1->Edit4->accessibleName(), QString::fromUtf8("Evolução"));
    EXPECT_EQ(Form1->Edit6->accessibleName(), QString::fromUtf8("Localização"));
    EXPECT_EQ(Form1->Edit5->accessibleName(), QString::fromUtf8("Busca por Nome ou Número"));
    for (TListBox* l : {Form1->ListBox1, Form1->ListBox6})
        EXPECT_EQ(l->accessibleName(), QString::fromUtf8("Lista de Pokémons"));
    EXPECT_EQ(Form1->RichEdit2->accessibleName(), "Movimentos");
    EXPECT_EQ(Form1->Image4->accessibleName(), "Velocidade");
    EXPECT_EQ(Form1->GIFImage2->accessibleName(), "Treinador: Ash");
    EXPECT_EQ(Form1->Button6->accessibleName(), "Outros");
    EXPECT_EQ(Form1->BitBtn1->accessibleName(), "Procurar");
    // What a screen reader is told, role and name.
    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(Form1->Label1);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->role(), QAccessible::StaticText);
    EXPECT_EQ(label->text(QAccessible::Name), QString::fromUtf8("Lista de Pokémons"));
    QAccessibleInterface* edit = QAccessible::queryAccessibleInterface(Form1->Edit1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->role(), QAccessible::EditableText);
    EXPECT_EQ(edit->text(QAccessible::Name), "Nome");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Form1->GIFImage2)->role(), QAccessible::Graphic);
    // Every control of every window has a name, save those with nothing
    // meaningful to be called by: never a component name or stray text.
    std::vector<std::string> unnamed;
    for (TForm* form : app.Forms())
        for (TComponent* c : form->Components())
            if (auto* ctl = dynamic_cast<TControl*>(c)) {
                const QString name = ctl->Widget()->accessibleName();
                if (name.isEmpty())
                    unnamed.push_back(form->Name() + "." + c->Name());
                EXPECT_NE(name, ToQt(c->Name())) << form->Name();
                EXPECT_FALSE(name.contains(u'\r') || name.contains(u'\n')) << form->Name() << "." << c->Name();
            }
    // The frame around the sprite, an empty label and the mart's item box
    // (its text a lone line break).
    EXPECT_EQ(unnamed, (std::vector<std::string>{"Form1.Bevel1", "FormWeb.Label4", "FormPokeMart.RichEdit1"}));
}

TEST_F(Program, LabelsFitTheirDesignedSizes)
{
    // The stand-in fonts keep every label within a few pixels of the width
    // the layout was drawn for.
    for (TComponent* c : Form1->Components())
        if (auto* l = dynamic_cast<TLabel*>(c)) {
            const DfmObject def = ParseDefinition(LoadDefinitionText(":/forms/UnitPrincipal.form"), "d");
            const int designed = static_cast<int>(def.Find(l->Name())->Property("Width")->value.integer);
            EXPECT_NEAR(l->Width(), designed, 4) << l->Name() << " " << l->Caption();
            EXPECT_LE(l->Height(), 15) << l->Name();
        }
    // The hint shows on the trainer picture only.
    EXPECT_EQ(Form1->GIFImage2->toolTip(), "Treinador: Ash");
    EXPECT_TRUE(Form1->GIFImage1->toolTip().isEmpty());
}

// AppDir comes from the running executable, through symlinks to the real folder.
TEST_F(Program, AppDirIsTheExecutablesFolder)
{
    const std::string dir = Form1->GetAppDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(ToQt(dir), QDir(QCoreApplication::applicationDirPath()).canonicalPath() + "/");
    if (const char* out = std::getenv("FAUNETA_APPDIR_PROBE"))
        std::ofstream(out) << dir;
}

TEST(AppDirThroughALauncher, ResolvesToTheRealFolder)
{
    if (std::getenv("FAUNETA_APPDIR_PROBE"))
        return; // the probe run itself
    QTemporaryDir bin;
    const QString link = bin.filePath("launcher");
    ASSERT_TRUE(QFile::link(QCoreApplication::applicationFilePath(), link));
    const QString probe = bin.filePath("appdir.txt");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("FAUNETA_APPDIR_PROBE", probe);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(link, {"--gtest_filter=Program.AppDirIsTheExecutablesFolder"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString();
    QFile f(probe);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), QDir(QCoreApplication::applicationDirPath()).canonicalPath() + "/");
}

} // namespace
