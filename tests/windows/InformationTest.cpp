// The four information windows through the real program: "OK" closes each,
// reopening shows the same contents, the texts and layout, and the About
// window's two pictures.
#include "WindowsFixture.h"

#include "forms/UnitAtual.h"
#include "forms/UnitAtualizado.h"
#include "forms/UnitPokeMart.h"
#include "forms/UnitSobre.h"
#include "forms/UnitTmHm.h"
#include "forms/UnitWeb.h"
#include "widgets/SysUtils.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>

#include <map>

namespace {

struct Info : Windows {
    struct Window {
        TForm* form;
        TMenuItem* item;
        TButton* ok;
    };
    std::vector<Window> All() const
    {
        return {{FormSobre, Form1->Sobre1, FormSobre->Button1},
                {FormWeb, Form1->WebSite1, FormWeb->Button1},
                {FormAtual, Form1->Atualizao1, FormAtual->Button1},
                {FormAtualizado, Form1->SobreaAtualizao1, FormAtualizado->Button1}};
    }
    // Every label's caption, by name.
    static std::map<std::string, std::string> Texts(TForm* f)
    {
        std::map<std::string, std::string> out;
        for (TComponent* c : f->Components())
            if (auto* l = dynamic_cast<TLabel*>(c))
                out[l->Name()] = l->Caption();
        return out;
    }
};

TEST_F(Info, OkClosesEachWindowAndReopeningShowsTheSame)
{
    // Esc leaves the main window as it is.
    QTest::keyClick(Form1->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_FALSE(app.Terminated());
    for (const Window& w : All()) {
        SCOPED_TRACE(w.form->Name());
        const auto before = Texts(w.form);
        int result = -1;
        Open(w.item, [&](TForm& f) {
            EXPECT_EQ(&f, w.form);
            EXPECT_FALSE(Form1->isEnabled() && Form1->isActiveWindow());
            PressMainShortcuts(f.windowHandle());
            PressMainShortcuts(Form1->windowHandle());
            EXPECT_TRUE(f.isVisible());
            ClickOn(w.ok);
            EXPECT_FALSE(f.isVisible());
            result = f.ModalResult();
        });
        EXPECT_EQ(result, mrCancel);
        Open(w.item, [&](TForm& f) {
            EXPECT_EQ(&f, w.form);
            EXPECT_EQ(Texts(w.form), before);
            AltF4(f);
        });
        Open(w.item, [&](TForm& f) { Escape(f); });
        Open(w.item, [&](TForm& f) { f.Close(); }); // the close box
        EXPECT_FALSE(w.form->Visible());
        EXPECT_EQ(w.ok->Caption(), "OK");
        EXPECT_EQ(QSize(w.ok->Width(), w.ok->Height()), QSize(75, 25));
    }
}

// The keyboard presses "OK" too: Enter where it has the focus on opening,
// Space after tabbing to it.
TEST_F(Info, KeyboardPressesOk)
{
    Open(Form1->Sobre1, [&](TForm& f) {
        EXPECT_TRUE(FormSobre->Button1->hasFocus());
        QTest::keyClick(f.windowHandle(), Qt::Key_Return);
        EXPECT_FALSE(f.isVisible());
    });
    Open(Form1->WebSite1, [&](TForm& f) {
        FormWeb->Button1->setFocus();
        QTest::keyClick(f.windowHandle(), Qt::Key_Space);
        EXPECT_FALSE(f.isVisible());
    });
}

// The Web Site window's texts can be selected with the mouse and copied; they
// look and read as before and open nothing.
TEST_F(Info, WebSiteTextsAreSelectable)
{
    FormWeb->SetVisible(true);
    QApplication::setActiveWindow(FormWeb);
    for (TLabel* l : {FormWeb->Label3, FormWeb->Label5, FormWeb->Label8}) {
        SCOPED_TRACE(l->Name());
        auto* text = l->findChild<QLabel*>();
        ASSERT_TRUE(text && l->Selectable());
        EXPECT_EQ(text->text(), ToQt(l->Caption()));
        EXPECT_EQ(text->textFormat(), Qt::PlainText);
        EXPECT_FALSE(text->textInteractionFlags() & Qt::LinksAccessibleByMouse);
        const int y = text->height() / 2;
        QTest::mousePress(text, Qt::LeftButton, {}, QPoint(1, y));
        QTest::mouseMove(text, QPoint(text->width() - 1, y));
        QTest::mouseRelease(text, Qt::LeftButton, {}, QPoint(text->width() - 1, y));
        EXPECT_EQ(text->selectedText(), ToQt(l->Caption()));
        // A screen reader reads the label once, by its caption.
        EXPECT_EQ(QAccessible::queryAccessibleInterface(l)->text(QAccessible::Name), ToQt(l->Caption()));
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(text)->state().invisible);
    }
    FormWeb->SetVisible(false);
}

TEST_F(Info, GivenTextsAreExact)
{
    EXPECT_EQ(FormSobre->Label1->Caption(), W("FAUNETA         -         Versão 1.4"));
    EXPECT_EQ(FormSobre->Label2->Caption(), std::string(69, '='));
    EXPECT_EQ(FormSobre->Label5->Caption(),
              W("tempo para ser atualizado (para o desespero de certos poké-maníacos), mas "));
    EXPECT_EQ(FormSobre->Label10->Caption(), W("sei que apesar da demora, todos irão gostar!!! "));
    EXPECT_EQ(FormSobre->Label13->Caption(),
              "tutorial de como acessar esse servidor. Aproveite os finais de semana para \"soltar\"");
    EXPECT_EQ(FormSobre->Label14->Caption(),
              W("o verbo, dando sugetões ou críticas para as futuras atualizações da Fauneta."));
    EXPECT_EQ(FormSobre->Label6->Caption(), W("Continuem mandando sugestões, correções; mande um e-mail para:"));
    EXPECT_EQ(FormWeb->Label2->Caption(), W("Caso você queira deixar em sua Home Page para Download, entre em "));
    EXPECT_EQ(FormWeb->Label4->Caption(), "");
    EXPECT_EQ(FormWeb->Label7->Caption(), W("Ou em novo endereço:"));
    EXPECT_EQ(FormAtual->Label2->Caption(), W("que utilizaram ou ainda continuam utilizando esse software. "));
    EXPECT_EQ(FormAtual->Label4->Caption(), "cada vez mais.");
    EXPECT_EQ(FormAtualizado->Label2->Caption(),
              W("Levels de evolução trocados, a inclusão de busca por Nome e Número  "));
    EXPECT_EQ(FormAtualizado->Label9->Caption(),
              W("na qual acho que todos gostaram :-) e ainda a localização dos pokémons."));
    EXPECT_EQ(FormAtualizado->Label4->Caption(),
              W("em contato conosco, entrando em Ajuda / Sobre.. e mande um e-mail."));
    for (TGroupBox* g : {FormWeb->GroupBox1, FormAtual->GroupBox1, FormAtualizado->GroupBox1})
        EXPECT_TRUE(g->Font().Style & fsBold) << g->Name();
    EXPECT_EQ(FormWeb->GroupBox1->Caption(), "Web Site");
    EXPECT_EQ(FormAtual->GroupBox1->Caption(), W("Atualizações"));
    EXPECT_EQ(FormAtualizado->GroupBox1->Caption(), W("Sobre a Atualização"));
}

// The texts written for their roles agree with one another across windows.
TEST_F(Info, SiteNameAddressesAndMailAgree)
{
    const std::string web1 = FormWeb->Label1->Caption();
    const std::string prefix = W("Este software só está disponível na Home Page - ");
    ASSERT_EQ(web1.rfind(prefix, 0), 0u);
    ASSERT_EQ(web1.back(), '.');
    const std::string site = web1.substr(prefix.size(), web1.size() - prefix.size() - 1);
    EXPECT_EQ(FormWeb->Label6->Caption(), W("Endereço da Home Page - ") + site + ":");
    const std::string atual5 = FormAtual->Label5->Caption();
    const std::string atualPrefix = W("As atualizações sempre poderão ser pegas na Home Page - ");
    ASSERT_EQ(atual5.rfind(atualPrefix, 0), 0u);
    EXPECT_EQ(atual5.substr(atualPrefix.size()) + FormAtual->Label6->Caption(), site + W(", no endereço:"));
    const std::string first = site.substr(0, site.find(' '));
    EXPECT_EQ(atual5.substr(atualPrefix.size()), first + " ");
    EXPECT_EQ(FormAtual->Label6->Caption(), site.substr(first.size() + 1) + W(", no endereço:"));
    EXPECT_NE(FormSobre->Label11->Caption().find(site), std::string::npos);

    const std::string addr1 = FormWeb->Label5->Caption(), addr2 = FormWeb->Label8->Caption();
    EXPECT_NE(addr1, addr2);
    for (const std::string& a : {addr1, addr2})
        EXPECT_NE(a.find("example.org"), std::string::npos) << a;
    EXPECT_EQ(FormAtual->Label7->Caption(), addr1);
    EXPECT_EQ(FormAtual->Label9->Caption(), addr2);
    EXPECT_EQ(FormAtualizado->Label7->Caption(), addr1);
    EXPECT_EQ(FormAtualizado->Label6->Caption(), addr2);

    const std::string mail = FormSobre->Label7->Caption();
    EXPECT_EQ(mail.substr(mail.find('@')), "@example.org");
    EXPECT_EQ(FormWeb->Label3->Caption(), W("contato comigo, pelo endereço: ") + mail);
    // The sentence split over Label4, Label5 and Label10 reads on.
    EXPECT_EQ(FormSobre->Label4->Caption().back(), ' ');
}

TEST_F(Info, EveryLabelFitsInItsParent)
{
    for (TForm* f : std::initializer_list<TForm*>{FormSobre, FormWeb, FormAtual, FormAtualizado})
        for (TComponent* c : f->Components())
            if (auto* l = dynamic_cast<TLabel*>(c)) {
                const QWidget* parent = l->Widget()->parentWidget();
                EXPECT_LE(l->Left() + l->Width(), parent->width() - 2) << f->Name() << "." << l->Name();
                EXPECT_TRUE(l->AutoSize());
                EXPECT_EQ(l->Font().Color, clBlack) << l->Name();
            }
}

TEST_F(Info, Layout)
{
    struct P {
        TControl* c;
        TWinControl* parent;
        int left, top, height; // font height
        bool bold;
    } sobre[] = {
        {FormSobre->Label1, FormSobre, 105, 190, -13, true},
        {FormSobre->Label2, FormSobre, 32, 206, -13, false},
        {FormSobre->Label3, FormSobre, 51, 222, -13, false},
        {FormSobre->Label4, FormSobre, 29, 238, -13, false},
        {FormSobre->Label5, FormSobre, 29, 254, -13, false},
        {FormSobre->Label10, FormSobre, 29, 270, -13, false},
        {FormSobre->Label11, FormSobre, 51, 286, -13, false},
        {FormSobre->Label12, FormSobre, 29, 302, -13, false},
        {FormSobre->Label13, FormSobre, 29, 318, -13, false},
        {FormSobre->Label14, FormSobre, 29, 334, -13, false},
        {FormSobre->Label6, FormSobre, 50, 352, -13, false},
        {FormSobre->Label7, FormSobre, 39, 368, -13, false},
        {FormSobre->Label8, FormSobre, 52, 390, -13, false},
        {FormSobre->Label9, FormSobre, 7, 406, -13, false},
        {FormWeb->Label1, FormWeb->GroupBox1, 24, 40, -11, false},
        {FormWeb->Label3, FormWeb->GroupBox1, 8, 72, -11, false},
        {FormWeb->Label4, FormWeb->GroupBox1, 24, 88, -11, false},
        {FormWeb->Label6, FormWeb->GroupBox1, 8, 114, -11, false},
        {FormWeb->Label5, FormWeb->GroupBox1, 39, 127, -16, true},
        {FormWeb->Label8, FormWeb->GroupBox1, 37, 167, -16, true},
        {FormAtual->Label1, FormAtual->GroupBox1, 41, 40, -11, false},
        {FormAtual->Label6, FormAtual->GroupBox1, 24, 125, -11, false},
        {FormAtual->Label7, FormAtual->GroupBox1, 35, 141, -16, true},
        {FormAtual->Label9, FormAtual->GroupBox1, 34, 177, -16, true},
        {FormAtualizado->Label9, FormAtualizado->GroupBox1, 19, 64, -11, false},
        {FormAtualizado->Label8, FormAtualizado->GroupBox1, 39, 116, -11, false},
        {FormAtualizado->Label6, FormAtualizado->GroupBox1, 35, 172, -16, true},
    };
    for (const P& p : sobre) {
        SCOPED_TRACE(p.c->Name());
        EXPECT_EQ(p.c->Parent(), p.parent);
        EXPECT_EQ(p.c->Widget()->pos(), QPoint(p.left, p.top));
        EXPECT_EQ(p.c->Font().Height, p.height);
        EXPECT_EQ(bool(p.c->Font().Style & fsBold), p.bold);
        EXPECT_EQ(p.c->Font().Name, p.height == -16 ? "Verdana" : "MS Sans Serif");
    }
    struct G {
        TControl* c;
        TWinControl* parent;
        QRect r;
        int tab;
    } boxes_[] = {
        {FormSobre->Button1, FormSobre, {232, 432, 75, 25}, 0},
        {FormWeb->GroupBox1, FormWeb, {8, 24, 377, 193}, 0},
        {FormWeb->Button1, FormWeb, {160, 232, 75, 25}, 1},
        {FormAtual->GroupBox1, FormAtual, {16, 28, 369, 205}, 0},
        {FormAtual->Button1, FormAtual, {163, 240, 75, 25}, 1},
        {FormAtualizado->Button1, FormAtualizado, {163, 240, 75, 25}, 0},
        {FormAtualizado->GroupBox1, FormAtualizado, {16, 28, 369, 205}, 1},
    };
    for (const G& g : boxes_) {
        SCOPED_TRACE(g.c->ParentForm()->Name() + "." + g.c->Name());
        EXPECT_EQ(g.c->Parent(), g.parent);
        EXPECT_EQ(g.c->Widget()->geometry(), g.r);
        EXPECT_EQ(dynamic_cast<TWinControl*>(g.c)->TabOrder(), g.tab);
    }
    EXPECT_EQ(FormSobre->Color(), clWhite);
}

// Every secondary window is a fixed dialog with the program's one icon: the
// main window's, which the application takes from it, so a window whose
// definition holds no icon of its own shows the same picture.
TEST_F(Info, FixedWindowsWithTheProgramIcon)
{
    EXPECT_EQ(Form1->IconData().size(), 766u);
    const QImage icon = Form1->windowIcon().pixmap(32, 32).toImage();
    ASSERT_FALSE(icon.isNull());
    for (TForm* f : app.Forms()) {
        if (f == Form1)
            continue;
        SCOPED_TRACE(f->Name());
        EXPECT_EQ(f->windowIcon().pixmap(32, 32).toImage(), icon);
        EXPECT_EQ(f->BorderIcons(), unsigned(biSystemMenu | biMinimize));
        EXPECT_EQ(f->BorderStyle(), TFormBorderStyle::bsSingle);
        EXPECT_EQ(f->Font().Name, "MS Sans Serif");
        EXPECT_EQ(f->Font().Height, -11);
    }
}

// Each picture held in a definition decodes at start-up, with its size.
TEST_F(Info, EmbeddedPictures)
{
    struct Pic {
        TGIFImage* g;
        int w, h, frames;
    } pics[] = {{FormPokeMart->GIFImage1, 154, 131, 1},
                {FormTmHm->GIFImage1, 145, 200, 1},
                {FormSobre->GIFImage3, 293, 187, 1},
                {FormSobre->GIFImage1, 94, 61, 6}};
    for (const Pic& p : pics) {
        SCOPED_TRACE(p.g->ParentForm()->Name() + "." + p.g->Name());
        EXPECT_FALSE(p.g->Empty());
        EXPECT_EQ(p.g->ImageWidth(), p.w);
        EXPECT_EQ(p.g->ImageHeight(), p.h);
        EXPECT_EQ(p.g->FrameCount(), p.frames);
        EXPECT_EQ(p.g->Version(), TGIFVersion::gvGIF89a);
    }
}

TEST_F(Info, AboutPictures)
{
    TGIFImage* small = FormSobre->GIFImage1;
    TGIFImage* large = FormSobre->GIFImage3;
    EXPECT_EQ(small->Widget()->geometry(), QRect(8, 16, 96, 63));
    // The large picture starts 7 pixels above the client area and is cut there.
    EXPECT_EQ(large->Widget()->geometry(), QRect(130, -7, 311, 187));
    EXPECT_EQ(large->Widget()->parentWidget(), FormSobre->ClientWidget());
    EXPECT_EQ(small->Hint(), W("Essa é a Fauneta."));
    EXPECT_EQ(large->Hint(), "Ash e Pikachu");
    EXPECT_EQ(small->toolTip(), QString::fromUtf8("Essa é a Fauneta."));
    EXPECT_EQ(large->toolTip(), "Ash e Pikachu");
    for (TGIFImage* g : {small, large}) {
        EXPECT_FALSE(g->OnClick);
        EXPECT_FALSE(g->AutoSize() || g->Center() || g->Loop() || g->Opaque() || g->Stretch() || g->Tile());
    }
    EXPECT_TRUE(small->Animate());
    EXPECT_FALSE(large->Animate());

    Open(Form1->Sobre1, [&](TForm& f) {
        // Neither picture reacts to a click.
        ClickOn(small);
        ClickOn(large);
        EXPECT_TRUE(f.isVisible());
        if (small->FrameCount() > 1) {
            // The small one plays while the window is open; the large one stays.
            const int start = small->CurrentFrame();
            QElapsedTimer t;
            t.start();
            while (small->CurrentFrame() == start && t.elapsed() < 3000)
                QTest::qWait(50);
            EXPECT_NE(small->CurrentFrame(), start);
            EXPECT_EQ(large->CurrentFrame(), 1);
        } else {
            ADD_FAILURE() << "the small picture has no frames to play";
        }
        f.Close();
    });
}

} // namespace
