// Every window renders exactly as its reference image (tests/windows/renders):
// the seven windows as created, the main window with an entry shown, the
// moves window on Thunderbolt and #025, the "where to find" window on #025 and
// a place, the damage calculator on one case, and the About window's mascot
// at each of its frames. A change to how pictures are
// composed or painted must leave these pixel for pixel the same.
// the seven windows as created, the main window with an entry shown, the type
// chart opened over it, and the About window's mascot at each of its frames.
// A change to how pictures are composed or painted must leave these pixel for
// pixel the same.
//
// The program draws with its own light palette whatever the desktop's: the
// same references hold under a light desktop palette and a dark one, and
// every text shown (windows, menus) stands out from what lies under it by at
// least 4.5 : 1, measured on the rendered pixels.
//
// The references are rendered at scale factor 1 with the fonts the program
// maps its definitions' fonts to. After an intended change of the look,
// regenerate them with FAUNETA_UPDATE_RENDERS=1 and look at them. A mismatch
// writes the render and a difference image to <build>/tests/renders-diff.
#include "WindowsFixture.h"

#include "../support/Contrast.h"

#include "data/Moves.h"
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
#include "widgets/Button.h"
#include "widgets/CheckBox.h"
#include "widgets/Colors.h"
#include "widgets/ComboBox.h"
#include "widgets/ControlSupport.h"
#include "widgets/Edit.h"
#include "widgets/GIFImage.h"
#include "widgets/GroupBox.h"
#include "widgets/Label.h"
#include "widgets/ListBox.h"
#include "widgets/RichEdit.h"
#include "widgets/SysUtils.h"

#include <QAction>
#include <QDir>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <set>

namespace {

const QString kReferences = QStringLiteral(FAUNETA_SOURCE_DIR "/tests/windows/renders/");

struct Renders : Windows {
    std::vector<std::string> failures;
    int compared = 0;
    int measured = 0;
    const char* desktop = "none";

    void RenderAll();
    void MeasureEveryText();

    // One text: where it shows (each area measured apart: a list's rows may
    // lie on different grounds) and how to take it away and put it back.
    struct Text {
        std::string name;
        std::vector<QRect> areas;
        std::function<void(bool shown)> show;
    };

    // Renders `widget` with the text and without it; in each area, of the
    // pixels the text changed, the one that stands out most from what lies
    // under it gives the text's contrast (its glyphs' full colour). A text
    // that changes no pixel is invisible: contrast 1.
    void Measure(QWidget* widget, const std::string& where, const Text& t)
    {
        QApplication::processEvents();
        const QImage with = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        t.show(false);
        QApplication::processEvents();
        const QImage without = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        t.show(true);
        QApplication::processEvents();
        for (const QRect& area : t.areas) {
            ++measured;
            double best = 1.0;
            const QRect r = area & with.rect() & without.rect();
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (with.pixel(x, y) != without.pixel(x, y))
                        best = std::max(best, testcolor::Contrast(with.pixel(x, y), without.pixel(x, y)));
            if (best < 4.5) {
                char ratio[32];
                std::snprintf(ratio, sizeof ratio, "%.2f", best);
                failures.push_back(std::string(desktop) + " desktop: " + where + " " + t.name + " at " +
                                   std::to_string(area.x()) + "," + std::to_string(area.y()) + ": contrast " + ratio +
                                   " : 1");
            }
        }
    }

    // Every text of a window's controls and menu bar, as shown now. Texts of
    // disabled controls (the current page's button) are exempt, as for any
    // inactive control.
    void MeasureTexts(TForm* form)
    {
        // No caret blinking into the renders.
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        auto in = [form](QWidget* w, QRect r) { return QRect(w->mapTo(form, r.topLeft()), r.size()); };
        std::vector<Text> texts;
        for (TComponent* comp : form->Components()) {
            auto* c = dynamic_cast<TControl*>(comp);
            if (!c)
                continue;
            QWidget* w = c->Widget();
            if (!w->isVisibleTo(form) || !w->isEnabled() || !QRect(QPoint(), form->size()).intersects(in(w, w->rect())))
                continue;
            const std::string name = c->Name();
            if (auto* l = dynamic_cast<TLabel*>(c)) {
                if (!l->Caption().empty())
                    texts.push_back({name, {in(w, w->rect())}, [w](bool on) { w->setVisible(on); }});
            } else if (auto* e = dynamic_cast<TEdit*>(c)) {
                const QString saved = e->text();
                if (!saved.isEmpty())
                    texts.push_back({name, {in(w, w->rect())}, [e, saved](bool on) {
                                         const QSignalBlocker quiet(e);
                                         e->setText(on ? saved : QString());
                                         e->setCursorPosition(0);
                                     }});
            } else if (auto* r = dynamic_cast<TRichEdit*>(c)) {
                const QString saved = r->toPlainText();
                if (!saved.isEmpty())
                    texts.push_back({name, {in(r->viewport(), r->viewport()->rect())}, [r, saved](bool on) {
                                         const QSignalBlocker quiet(r);
                                         const int top = r->verticalScrollBar()->value();
                                         r->setPlainText(on ? saved : QString());
                                         r->verticalScrollBar()->setValue(top);
                                     }});
            } else if (auto* lb = dynamic_cast<TListBox*>(c)) {
                Text t{name, {}, nullptr};
                QStringList saved;
                for (int i = 0; i < lb->count(); ++i) {
                    saved << lb->item(i)->text();
                    const QRect row = lb->visualItemRect(lb->item(i)) & lb->viewport()->rect();
                    if (!row.isEmpty())
                        t.areas.push_back(in(lb->viewport(), row));
                }
                t.show = [lb, saved](bool on) {
                    const QSignalBlocker quiet(lb);
                    for (int i = 0; i < lb->count(); ++i)
                        lb->item(i)->setText(on ? saved[i] : QString());
                };
                texts.push_back(t);
            } else if (auto* cb = dynamic_cast<TComboBox*>(c)) {
                QLineEdit* le = cb->lineEdit();
                const QString saved = le ? le->text() : QString();
                if (!saved.isEmpty())
                    texts.push_back({name, {in(le, le->rect())}, [cb, le, saved](bool on) {
                                         const QSignalBlocker quiet(cb), quietToo(le);
                                         le->setText(on ? saved : QString());
                                         le->setCursorPosition(0);
                                     }});
            } else if (auto* tick = dynamic_cast<TCheckBox*>(c)) {
                const QString saved = tick->text();
                texts.push_back(
                    {name, {in(w, w->rect())}, [tick, saved](bool on) { tick->setText(on ? saved : QString()); }});
            } else if (auto* b = dynamic_cast<TButton*>(c)) {
                const QString saved = b->text();
                texts.push_back(
                    {name, {in(w, w->rect())}, [b, saved](bool on) { b->setText(on ? saved : QString()); }});
            } else if (auto* g = dynamic_cast<TGroupBox*>(c)) {
                const QString saved = g->title();
                if (!saved.isEmpty())
                    texts.push_back({name,
                                     {in(w, QRect(0, 0, w->width(), w->fontMetrics().height()))},
                                     [g, saved](bool on) { g->setTitle(on ? saved : QString()); }});
            }
        }
        if (form->Menu()) {
            QMenuBar* bar = form->menuBar();
            Text t{"menu bar", {}, nullptr};
            QStringList saved;
            for (QAction* a : bar->actions()) {
                saved << a->text();
                t.areas.push_back(in(bar, bar->actionGeometry(a)));
            }
            t.show = [bar, saved](bool on) {
                for (int i = 0; i < bar->actions().size(); ++i)
                    bar->actions()[i]->setText(on ? saved[i] : QString());
            };
            texts.push_back(t);
        }
        for (const Text& t : texts)
            Measure(form, form->Name(), t);
    }

    // The items of one of a window's menus, drawn as it pops up.
    void MeasureMenu(TForm* form, QMenu* menu)
    {
        menu->ensurePolished();
        menu->adjustSize();
        const QSize size = menu->size();
        Text t{WithoutMnemonic(menu->title()).toStdString() + " menu", {}, nullptr};
        std::vector<std::pair<QString, QKeySequence>> saved;
        for (QAction* a : menu->actions()) {
            saved.emplace_back(a->text(), a->shortcut());
            if (!a->isSeparator())
                t.areas.push_back(menu->actionGeometry(a));
        }
        t.show = [menu, saved, size](bool on) {
            menu->setFixedSize(size);
            for (std::size_t i = 0; i < saved.size(); ++i) {
                menu->actions()[int(i)]->setText(on ? saved[i].first : QString());
                menu->actions()[int(i)]->setShortcut(on ? saved[i].second : QKeySequence());
            }
        };
        Measure(menu, form->Name(), t);
    }

    // The damage calculator on one worked case, typed as a person would.
    static void SetUpDano()
    {
        FormDano->AttackerLevel->SetText("30");
        FormDano->ChooseDefender(130);
        FormDano->DefenderLevel->SetText("28");
        FormDano->ChooseMove(FindMove("Thunderbolt"));
    }

    // The trainers window on Misty's gym, her Starmie chosen.
    static void SetUpTreinadores()
    {
        FormTreinadores->ChoosePlace(encounters::Place::CeruleanGym);
        TListBox* trainers = FormTreinadores->TrainersList;
        trainers->SetItemIndex(trainers->Items().Count() - 1);
        FormTreinadores->TrainerChosen(trainers);
        FormTreinadores->PartyList->SetItemIndex(1);
        FormTreinadores->MemberChosen(FormTreinadores->PartyList);
        FormTreinadores->PartyList->setFocus();
    }

    // The team window: Pikachu at level 25 against Misty.
    static void SetUpEquipe()
    {
        FormEquipe->AddClicked(FormEquipe->AddButton);
        FormEquipe->Level->SetText("25");
        const auto& places = FormEquipe->View().Opponents().Places();
        FormEquipe->PlaceChooser->SetItemIndex(
            static_cast<int>(std::find(places.begin(), places.end(), encounters::Place::CeruleanGym) - places.begin()));
        FormEquipe->PlaceChosen(FormEquipe->PlaceChooser);
        FormEquipe->TrainerChooser->SetItemIndex(FormEquipe->TrainerChooser->Items().Count() - 1);
        FormEquipe->TrainerChosen(FormEquipe->TrainerChooser);
        FormEquipe->TeamList->setFocus(); // no blinking caret in the picture
    }

    // The catch panel on Mewtwo at level 70.
    static void SetUpCaptura()
    {
        FormCaptura->CreatureChooser->SetItemIndex(150);
        FormCaptura->CreatureChosen(FormCaptura->CreatureChooser);
        FormCaptura->Level->SetText("70");
        FormCaptura->ResultList->setFocus(); // no blinking caret in the picture
    }

    static QImage Shoot(TForm* form)
    {
        QApplication::processEvents();
        return form->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }

    void Check(const QImage& got, const QString& name)
    {
        ++compared;
        const QString file = kReferences + name + QStringLiteral(".png");
        if (std::getenv("FAUNETA_UPDATE_RENDERS")) {
            QDir().mkpath(kReferences);
            ASSERT_TRUE(got.save(file, "PNG", 0)) << qPrintable(file); // smallest file
            return;
        }
        const QImage want = QImage(file).convertToFormat(QImage::Format_ARGB32);
        if (want.isNull()) {
            failures.push_back(name.toStdString() + ": no reference image");
            return;
        }
        if (want.size() != got.size()) {
            failures.push_back(name.toStdString() + ": " + std::to_string(got.width()) + "x" +
                               std::to_string(got.height()) + " instead of " + std::to_string(want.width()) + "x" +
                               std::to_string(want.height()));
            return;
        }
        QImage diff(got.size(), QImage::Format_ARGB32);
        diff.fill(Qt::white);
        int wrong = 0;
        QRect where;
        for (int y = 0; y < got.height(); ++y)
            for (int x = 0; x < got.width(); ++x)
                if (got.pixel(x, y) != want.pixel(x, y)) {
                    ++wrong;
                    where |= QRect(x, y, 1, 1);
                    diff.setPixel(x, y, qRgb(255, 0, 0));
                }
        if (wrong == 0)
            return;
        const QString out = QStringLiteral(FAUNETA_OUT_DIR "/../tests/renders-diff/");
        QDir().mkpath(out);
        got.save(out + name + QStringLiteral(".png"));
        diff.save(out + name + QStringLiteral("-diff.png"));
        failures.push_back(name.toStdString() + ": " + std::to_string(wrong) + " pixels differ in " +
                           std::to_string(where.x()) + "," + std::to_string(where.y()) + " " +
                           std::to_string(where.width()) + "x" + std::to_string(where.height()));
    }
};

void Renders::RenderAll()
{
    // The references hold device pixels at scale 1, drawn with the stand-in fonts.
    ASSERT_EQ(Form1->devicePixelRatioF(), 1.0) << "render at scale factor 1 (QT_SCALE_FACTOR unset)";
    for (const FontStandIn& s : FontStandIns()) {
        QFont f;
        f.setFamilies({s.family});
        ASSERT_EQ(QFontInfo(f).family(), s.family) << "font missing: " << qPrintable(s.family);
    }

    for (TForm* form : app.Forms()) {
        const bool wasVisible = form->isVisible();
        form->SetVisible(true);
        // The mascot plays; its first frame stays on show until the first
        // frame delay (a second) is over, long after this render.
        Check(Shoot(form), ToQt(form->Name()));
        form->SetVisible(wasVisible);
    }

    // The main window with an entry shown: its sprite read from "Imagens".
    Form1->SetAppDir(FAUNETA_OUT_DIR "/");
    Form1->ListBox1->SetItemIndex(24); // #025
    Form1->ListBox1Click(Form1->ListBox1);
    Check(Shoot(Form1), QStringLiteral("Form1-entry"));
    if (const char* dir = std::getenv("FAUNETA_RENDERS_OUT")) // for a person to look at
        Shoot(Form1).save(QString::fromLocal8Bit(dir) + QStringLiteral("/Form1-entry-%1.png").arg(desktop));

    // The moves window, created as its menu item does, on a move and on the
    // creature the main window shows.
    Application->CreateForm(FormGolpes);
    FormGolpes->SetVisible(true);
    FormGolpes->NameFilter->SetText("thunder");
    FormGolpes->ChooseMove(*MovesView::Move::Named("Thunderbolt"));
    FormGolpes->MovesTable->setFocus(); // no blinking caret in the picture
    Check(Shoot(FormGolpes), QStringLiteral("FormGolpes"));
    FormGolpes->SetVisible(false);
    // The type chart, created on first use as its menu item does, opened
    // over the entry shown.
    app.CreateForm(FormTipos);
    FormTipos->SetVisible(true);
    Check(Shoot(FormTipos), QStringLiteral("FormTipos"));
    FormTipos->SetVisible(false);
    // The "where to find" window, made on first use: on the entry shown
    // (#025) and on the place where it is found first in the game.
    app.CreateForm(FormOnde);
    FormOnde->SetVisible(true);
    FormOnde->ChoosePlace(encounters::Place::ViridianForest);
    Check(Shoot(FormOnde), QStringLiteral("FormOnde"));
    FormOnde->SetVisible(false);
    // The damage calculator, created on first use and opened over the entry
    // shown (#025 attacks): level 30, Thunderbolt, on a level 28 Gyarados.
    app.CreateForm(FormDano);
    FormDano->SetVisible(true);
    SetUpDano();
    FormDano->MoveChooser->setFocus(); // no blinking caret in the picture
    Check(Shoot(FormDano), QStringLiteral("FormDano"));
    FormDano->SetVisible(false);
    // The trainers window, made on first use: Misty's gym, her Starmie chosen.
    app.CreateForm(FormTreinadores);
    FormTreinadores->SetVisible(true);
    SetUpTreinadores();
    Check(Shoot(FormTreinadores), QStringLiteral("FormTreinadores"));
    FormTreinadores->SetVisible(false);
    // The team window, made on first use: Pikachu (the entry shown) at
    // level 25 against Misty.
    app.CreateForm(FormEquipe);
    FormEquipe->SetVisible(true);
    SetUpEquipe();
    Check(Shoot(FormEquipe), QStringLiteral("FormEquipe"));
    FormEquipe->SetVisible(false);
    // The catch panel, made on first use: Mewtwo at level 70, full HP.
    app.CreateForm(FormCaptura);
    FormCaptura->SetVisible(true);
    SetUpCaptura();
    Check(Shoot(FormCaptura), QStringLiteral("FormCaptura"));
    FormCaptura->SetVisible(false);

    // The mascot at each frame, as playing composes them one after another.
    // Stopping first keeps the clock from moving it on between the renders.
    FormSobre->SetVisible(true);
    TGIFImage* mascot = FormSobre->GIFImage1;
    ASSERT_GE(mascot->FrameCount(), 2);
    mascot->SetAnimate(false);
    const QRect area(mascot->mapTo(FormSobre, QPoint(0, 0)), mascot->size());
    for (int n = 1; n <= mascot->FrameCount(); ++n) {
        mascot->SetCurrentFrame(n);
        Check(Shoot(FormSobre).copy(area), QStringLiteral("FormSobre-mascot-%1").arg(n));
    }
    FormSobre->SetVisible(false);

    // The chart and the moves window are among the forms by now.
    EXPECT_EQ(compared, int(app.Forms().size()) + 1 + mascot->FrameCount());
    for (const std::string& f : failures)
        ADD_FAILURE() << f;
}

void Renders::MeasureEveryText()
{
    // Every field and box holds a text: the entry, a typed search, a TM's
    // place, a shop's list (the TM/HM lists highlight their first rows).
    Form1->SetAppDir(FAUNETA_OUT_DIR "/");
    Form1->ListBox1->SetItemIndex(24);
    Form1->ListBox1Click(Form1->ListBox1);
    Form1->Edit5->SetText("PIKACHU");
    // The windows made on first use too, the moves window with a move chosen.
    app.CreateForm(FormTipos);
    app.CreateForm(FormGolpes);
    FormGolpes->ChooseMove(*MovesView::Move::Named("Thunderbolt"));
    app.CreateForm(FormOnde);
    app.CreateForm(FormDano);
    SetUpDano();
    app.CreateForm(FormTreinadores);
    SetUpTreinadores();
    app.CreateForm(FormEquipe);
    SetUpEquipe();
    app.CreateForm(FormCaptura);
    SetUpCaptura();
    for (TForm* form : app.Forms()) {
        const bool wasVisible = form->isVisible();
        form->SetVisible(true);
        if (form == FormTmHm) {
            FormTmHm->ListBox1->SetItemIndex(28);
            FormTmHm->ListBox1Click(FormTmHm->ListBox1);
        } else if (form == FormPokeMart) {
            FormPokeMart->ComboBox1->SetItemIndex(6);
            FormPokeMart->ComboBox1Click(FormPokeMart->ComboBox1);
        }
        MeasureTexts(form);
        if (form->Menu())
            for (QAction* a : form->menuBar()->actions())
                if (a->menu())
                    MeasureMenu(form, a->menu());
        form->SetVisible(wasVisible);
    }
    // Labels, fields, lists and their highlighted rows, boxes, captions,
    // buttons, the menu bar and the three menus' items.
    EXPECT_GE(measured, 100);
    for (const std::string& f : failures)
        ADD_FAILURE() << f;
}

TEST_F(Renders, EveryWindowAndEveryMascotFrameAsTheReference)
{
    RenderAll();
}

TEST_F(Renders, EveryTextReadable)
{
    MeasureEveryText();
}

// Every control that Tab reaches looks different while it has the keyboard.
TEST_F(Renders, FocusShowsInEveryControlTabReaches)
{
    std::set<QWidget*> reached;
    for (TForm* form : app.Forms()) {
        const bool wasVisible = form->isVisible();
        form->SetVisible(true);
        QApplication::setActiveWindow(form);
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        const QImage without = Shoot(form);
        for (int step = 0; step < 40; ++step) {
            QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
            QWidget* w = QApplication::focusWidget();
            ASSERT_TRUE(w && w->window() == form) << form->Name();
            if (!reached.insert(w).second)
                break; // round the chain
            const QImage with = Shoot(form);
            const QRect area(w->mapTo(form, QPoint()), w->size());
            int changed = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    changed += with.pixel(x, y) != without.pixel(x, y);
            EXPECT_GE(changed, 20) << form->Name() << " " << qPrintable(w->objectName()) << " "
                                   << w->metaObject()->className() << " shows no focus";
        }
        form->SetVisible(wasVisible);
    }
    // Main window: the list shown, six fields, two boxes, five page buttons
    // (not the current page's) and "Procurar"; the four "OK" buttons; the
    // mart's combo box and box; the TM/HM window's two lists and field.
    EXPECT_EQ(reached.size(), 24u);
}

// A desktop theme sets its palette before the program starts: for the
// application, for the widget classes it colours apart, and for tooltips.
void SetDesktopPalette(const QPalette& pal)
{
    QApplication::setPalette(pal);
    for (const char* name : {"QAbstractButton", "QAbstractItemView", "QLabel", "QGroupBox", "QMenu", "QMenuBar",
                             "QTextEdit", "QTextControl", "QLineEdit", "QComboBox"})
        QApplication::setPalette(pal, name);
    QToolTip::setPalette(pal);
}

QPalette DesktopPalette(bool dark)
{
    // Light: a desktop's own light greys, not the program's; dark: light
    // text on dark greys, as dark themes have it.
    const QColor window = dark ? QColor(0x35, 0x35, 0x35) : QColor(0xF6, 0xF5, 0xF4);
    const QColor base = dark ? QColor(0x2D, 0x2D, 0x2D) : QColor(0xFF, 0xFF, 0xFF);
    const QColor text = dark ? QColor(0xEE, 0xEE, 0xEC) : QColor(0x2E, 0x34, 0x36);
    QPalette pal(text, window, window.lighter(130), window.darker(130), window.darker(115), text, text.lighter(), base,
                 window);
    pal.setColor(QPalette::Highlight, dark ? QColor(0x15, 0x53, 0x9E) : QColor(0x35, 0x84, 0xE4));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    pal.setColor(QPalette::ToolTipBase, dark ? Qt::black : Qt::white);
    pal.setColor(QPalette::ToolTipText, text);
    return pal;
}

struct LightDesktop {
    LightDesktop() { SetDesktopPalette(DesktopPalette(false)); }
};
struct DarkDesktop {
    DarkDesktop() { SetDesktopPalette(DesktopPalette(true)); }
};
// The desktop's palette is in place before the application object exists.
struct RendersOnLightDesktop : LightDesktop, Renders {
    RendersOnLightDesktop() { desktop = "light"; }
};
struct RendersOnDarkDesktop : DarkDesktop, Renders {
    RendersOnDarkDesktop() { desktop = "dark"; }
};

TEST_F(RendersOnLightDesktop, TheSameWindowsEveryTextReadable)
{
    RenderAll();
    MeasureEveryText();
}

TEST_F(RendersOnDarkDesktop, TheSameWindowsEveryTextReadable)
{
    RenderAll();
    MeasureEveryText();
}

TEST_F(RendersOnDarkDesktop, ANewThemeChangesNothing)
{
    // The desktop switches theme while the program runs: its palettes come
    // back, and the windows keep the program's.
    SetDesktopPalette(DesktopPalette(true));
    QEvent change(QEvent::ThemeChange);
    QApplication::sendEvent(Form1, &change);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::palette(), ProgramPalette());
    EXPECT_EQ(QApplication::palette("QMenu"), ProgramPalette());
    EXPECT_EQ(QToolTip::palette(), ProgramPalette());
    RenderAll();
}

} // namespace
