// The application object: the dispatch point and its error box, the
// message-box seam, modal runs and closing.
#include "TestForms.h"

#include "MessageBoxRecorder.h"

#include "text/Cp1252.h"
#include "widgets/Application.h"
#include "widgets/Dispatch.h"
#include "widgets/SysUtils.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <stdexcept>

using namespace cp1252::literals;

namespace {

struct App : ::testing::Test {
    TApplication app;
    MessageBoxRecorder boxes;
    void SetUp() override { app.SetTitle("Fauneta"); }
};

// Every escaped exception, ours, the standard library's or any other, from a
// handler or a widget's event, shows the error box and the program goes on; a
// silent abort shows nothing.
TEST_F(App, EscapedExceptionsShowTheErrorBoxAndTheProgramGoesOn)
{
    bool after = false;
    Dispatch([] { throw EFOpenError("/opt/fauneta/Dados/7.bmp"); });
    Dispatch([&] { after = true; });
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Cannot open file /opt/fauneta/Dados/7.bmp.");
    EXPECT_EQ(boxes.boxes[0].caption, "Fauneta");
    EXPECT_EQ(boxes.boxes[0].flags, MB_OK | MB_ICONERROR);
    EXPECT_TRUE(after);
    Dispatch([] { Abort(); });
    EXPECT_EQ(boxes.boxes.size(), 1u);
    Dispatch([] { throw std::runtime_error("vector too long"); });
    Dispatch([] { throw 42; });
    ASSERT_EQ(boxes.boxes.size(), 3u);
    EXPECT_EQ(boxes.boxes[1].text, "vector too long.");
    EXPECT_EQ(boxes.boxes[2].text, "Unknown exception.");
    std::unique_ptr<TTestForm> f(ReadTestForm());
    f->Button1->OnClick = TNotifyEvent([&](TObject* s) { f->Failing(s); });
    f->Button1->click();
    f->Button1->click();
    ASSERT_EQ(boxes.boxes.size(), 5u);
    EXPECT_EQ(boxes.boxes[3].text, "Lista vazia.");
}

TEST_F(App, MessageBoxGoesThroughTheResponder)
{
    boxes.answer = IDYES;
    const int r = app.MessageBox(std::string("Insira o nome ou número"_cp), "Campo em Branco", 48);
    EXPECT_EQ(r, IDYES);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Campo em Branco");
    EXPECT_EQ(boxes.boxes[0].flags, 48u);
}

// Qt's own words are Brazilian Portuguese: the text boxes' menus, and the
// real message boxes, whose caption and text stay the program's and whose
// buttons say what the program's boxes say ("OK") or Qt's translation.
TEST_F(App, QtsOwnTextsArePortuguese)
{
    QLineEdit field(QStringLiteral("abc"));
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList said;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            said << a->text().section(u'\t', 0, 0).remove(u'&');
    EXPECT_TRUE(said.contains(QStringLiteral("Copiar"))) << said.join(u'|').toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("Selecionar tudo"))) << said.join(u'|').toStdString();

    struct Shown {
        QString caption, text;
        QStringList buttons;
    };
    auto show = [](unsigned flags) {
        Shown seen;
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            seen.caption = box->windowTitle();
            seen.text = box->text();
            for (QAbstractButton* b : box->buttons())
                seen.buttons << b->text().remove(u'&');
            box->buttons().front()->click();
        });
        ShowMessageBox({std::string("Insira o nome ou número"_cp), "Campo em Branco", flags}, nullptr);
        seen.buttons.sort();
        return seen;
    };
    const Shown blank = show(MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(blank.caption, QStringLiteral("Campo em Branco"));
    EXPECT_EQ(blank.text, QStringLiteral("Insira o nome ou número"));
    EXPECT_EQ(blank.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(show(MB_YESNOCANCEL).buttons,
              (QStringList{QStringLiteral("Cancelar"), QStringLiteral("Não"), QStringLiteral("Sim")}));
}

struct Modal : App {
    std::unique_ptr<TTestForm> main{ReadTestForm()};
    std::unique_ptr<TTestForm> dialog{ReadTestForm()};

    // What the AT-SPI bridge does for a screen reader's "press" and "toggle".
    static void press(QWidget* w)
    {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_TRUE(a && a->actionInterface());
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    // A pressed button clicks when it is released, on a timer of its own
    // (100 ms): wait for that release, however long the machine takes to get
    // there, not for a fixed time after which the click might still come.
    static bool released(QAbstractButton* b)
    {
        QDeadlineTimer patience(std::chrono::seconds(20));
        while (b->isDown() && !patience.hasExpired())
            QTest::qWait(5);
        return !b->isDown();
    }
    static void toggle(QWidget* list, int line)
    {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(list);
        ASSERT_TRUE(a && a->childCount() > line);
        QAccessibleInterface* item = a->child(line);
        ASSERT_TRUE(item && item->actionInterface());
        item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    }
};

// The close box and a modal result (set or a button's) end the run, a
// refused close does not; a visible window cannot run modally.
TEST_F(Modal, TheWaysARunEnds)
{
    int seen = 0;
    app.ModalHook = [&](TForm& f) {
        ++seen;
        EXPECT_EQ(&f, dialog.get());
        EXPECT_TRUE(f.Visible());
        EXPECT_TRUE(f.Modal());
        f.Close();
    };
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(dialog->closes, 1);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(dialog->Modal());
    // The same object shows again.
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(seen, 2);

    dialog->closes = 0;
    app.ModalHook = [](TForm& f) { f.SetModalResult(mrOk); };
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(dialog->closes, 1);
    dialog->Button1->SetModalResult(mrYes);
    app.ModalHook = [&](TForm&) { dialog->Button1->click(); };
    EXPECT_EQ(dialog->ShowModal(), mrYes);
    EXPECT_EQ(dialog->clicks, 1);

    dialog->closes = 0;
    int tries = 0;
    dialog->closeAction = TCloseAction::caNone;
    app.ModalHook = [&](TForm& f) {
        f.Close();
        ++tries;
        EXPECT_TRUE(f.Visible());
        EXPECT_EQ(f.ModalResult(), mrNone);
        dialog->closeAction = TCloseAction::caHide;
        f.Close();
    };
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(tries, 1);
    EXPECT_EQ(dialog->closes, 2);

    dialog->SetVisible(true);
    EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
}

TEST_F(Modal, EveryShowingActivatesTheWindow)
{
    dialog->OnActivate = TNotifyEvent([&](TObject* s) { dialog->FormActivate(s); });
    main->SetVisible(true);
    QApplication::processEvents();
    int seenActive = -1;
    app.ModalHook = [&](TForm& f) {
        seenActive = dialog->activations;
        f.Close();
    };
    dialog->ShowModal();
    EXPECT_EQ(seenActive, 1);
    dialog->ShowModal();
    EXPECT_EQ(seenActive, 2);
    EXPECT_EQ(dialog->activations, 2);
}

TEST_F(Modal, OtherWindowsTakeNoInputMeanwhile)
{
    main->SetVisible(true);
    QApplication::processEvents();
    app.ModalHook = [&](TForm& f) {
        // A click and a key aimed at the main window go nowhere.
        QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {},
                          main->Button1->mapTo(main.get(), main->Button1->rect().center()));
        QTest::keyClick(main->windowHandle(), Qt::Key_Down);
        // Nor do a screen reader's actions, which Qt lets through: pressing
        // the button, choosing a list line.
        press(main->Button1);
        toggle(main->ListBox1, 1);
        EXPECT_TRUE(released(main->Button1));
        EXPECT_EQ(main->clicks, 0);
        EXPECT_EQ(main->listClicks, 0);
        EXPECT_EQ(main->ListBox1->ItemIndex(), -1);
        f.Close();
    };
    dialog->ShowModal();
    // Afterwards the main window answers again, to both.
    QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {},
                      main->Button1->mapTo(main.get(), main->Button1->rect().center()));
    EXPECT_EQ(main->clicks, 1);
    press(main->Button1);
    toggle(main->ListBox1, 1);
    EXPECT_TRUE(released(main->Button1));
    EXPECT_EQ(main->clicks, 2);
    EXPECT_EQ(main->listClicks, 1);
    EXPECT_EQ(main->ListBox1->ItemIndex(), 1);
}

// Last: the application stays terminated.
TEST_F(Modal, TerminateEndsTheRun)
{
    app.ModalHook = [&](TForm&) { app.Terminate(); };
    dialog->ShowModal();
    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(dialog->Visible());
}

} // namespace
