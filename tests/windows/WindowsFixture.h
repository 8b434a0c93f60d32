// The whole program built offscreen, with the main window shown as at start,
// and a way to act inside a secondary window while it runs modally.
#pragma once

#include "MessageBoxRecorder.h"
#include "forms/Startup.h"
#include "forms/UnitPrincipal.h"
#include "text/Cp1252.h"
#include "widgets/Application.h"
#include "widgets/Form.h"
#include "widgets/Menus.h"
#include "widgets/ToolPlaces.h"

#include <QAccessible>
#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class Windows : public ::testing::Test {
protected:
    TApplication app;
    MessageBoxRecorder boxes;
    std::vector<TForm*> opened; // every modal run, in order

    void SetUp() override
    {
        app.SetTitle("Fauneta");
        // Every test starts where a first run does: no place kept, no team.
        std::filesystem::remove(toolplaces::FilePath());
        std::filesystem::remove_all(
            (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Fauneta").toStdString());
        CreateAllForms();
        Form1->SetVisible(true);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
        QApplication::setActiveWindow(Form1);
        QApplication::processEvents();
    }
    void TearDown() override
    {
        app.ModalHook = nullptr;
        DestroyAllForms();
        for (const auto& b : boxes.boxes)
            ADD_FAILURE() << "message box: " << b.text;
    }

    // Opens a window from the main window's menu and runs `inside` while it
    // is shown modally. `inside` closes the window itself (or the test fails
    // by the window being closed here, after recording the failure).
    void Open(TMenuItem* item, const std::function<void(TForm&)>& inside)
    {
        app.ModalHook = [&, inside](TForm& f) {
            app.ModalHook = nullptr; // windows opened from inside are seen through `opened`
            opened.push_back(&f);
            QApplication::processEvents();
            // Application-modal: the main window takes no input meanwhile.
            EXPECT_TRUE(f.Modal());
            EXPECT_EQ(QGuiApplication::modalWindow(), f.windowHandle());
            EXPECT_TRUE(f.isActiveWindow());
            inside(f);
            if (f.Modal() && f.isVisible()) {
                ADD_FAILURE() << f.Name() << " was left open";
                f.Close();
            }
        };
        const std::size_t before = opened.size();
        item->Action()->trigger();
        app.ModalHook = nullptr;
        ASSERT_EQ(opened.size(), before + 1) << "no window opened";
    }

    // Opens a tool window from the main window's menu: it shows beside the
    // main window, modal to nothing, in front and active.
    TForm& OpenTool(TMenuItem* item)
    {
        app.ModalHook = [](TForm& f) { ADD_FAILURE() << f.Name() << " opened modally"; };
        item->Action()->trigger();
        app.ModalHook = nullptr;
        QApplication::processEvents();
        TForm* f = dynamic_cast<TForm*>(QApplication::activeWindow());
        EXPECT_NE(f, nullptr) << "no window came to the front";
        if (!f)
            return *Form1;
        EXPECT_TRUE(f->isVisible());
        EXPECT_FALSE(f->Modal());
        EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
        return *f;
    }

    // Opens a tool window and runs `inside`, which closes it.
    void WithTool(TMenuItem* item, const std::function<void(TForm&)>& inside)
    {
        TForm& f = OpenTool(item);
        inside(f);
        if (f.isVisible()) {
            ADD_FAILURE() << f.Name() << " was left open";
            f.Close();
        }
    }

    // The main window's shortcuts, pressed in the given window: none of them
    // may open a window or end the program while a modal window is open, and
    // none of the modal windows' keys may from a tool window.
    // (Keys reach the secondary window whichever window they are aimed at,
    // and Alt+F4 there closes it: see AltF4.)
    void PressMainShortcuts(QWindow* target)
    {
        int others = 0;
        app.ModalHook = [&](TForm& f) {
            ++others;
            f.Close();
        };
        QTest::keyClick(target, Qt::Key_T, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_M, Qt::ControlModifier);
        // The tool windows' keys work from a tool window (ShortcutsTest).
        if (QGuiApplication::modalWindow()) {
            QTest::keyClick(target, Qt::Key_G, Qt::ControlModifier);
            QTest::keyClick(target, Qt::Key_D, Qt::ControlModifier);
        }
        QTest::keyClick(target, Qt::Key_F1);
        QApplication::processEvents();
        app.ModalHook = nullptr;
        EXPECT_EQ(others, 0) << "a shortcut opened another window";
        EXPECT_FALSE(app.Terminated());
    }

    // Alt+F4 in a secondary window closes that window only.
    void AltF4(TForm& f)
    {
        QTest::keyClick(f.windowHandle(), Qt::Key_F4, Qt::AltModifier);
        QApplication::processEvents();
        EXPECT_FALSE(f.isVisible());
        EXPECT_FALSE(app.Terminated());
        EXPECT_TRUE(Form1->isVisible());
    }

    // Esc in a secondary window, wherever its focus is, closes it as its
    // close box does.
    void Escape(TForm& f)
    {
        const bool modal = f.Modal();
        QTest::keyClick(f.windowHandle(), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(f.isVisible());
        if (modal) {
            EXPECT_EQ(f.ModalResult(), mrCancel);
        }
        EXPECT_FALSE(app.Terminated());
        EXPECT_TRUE(Form1->isVisible());
    }

    // A real left click in the middle of a control.
    static void ClickOn(TControl* c)
    {
        QTest::mouseClick(c->Widget(), Qt::LeftButton, {}, c->Widget()->rect().center());
        QApplication::processEvents();
    }
};

// Windows-1252 from a readable literal.
// The label a screen reader says names a control (before any group's title).
inline QString LabelOf(QWidget* control)
{
    const auto labels = QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
}

// Line `i` of what a window shows; a failure that says so when there are
// fewer lines (a planted fault empties a list: the test fails, never crashes).
inline std::string LineAt(const std::vector<std::string>& lines, std::size_t i)
{
    if (i < lines.size())
        return lines[i];
    ADD_FAILURE() << "line " << i << " asked of " << lines.size() << " lines";
    return {};
}

inline std::string W(const char* utf8)
{
    return cp1252::fromUtf8(utf8);
}
