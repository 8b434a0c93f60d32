// The program's own pictures: every picture control of the seven window
// definitions holds its picture as soon as its window has been created, and
// only the About window's small picture plays.
#include "MessageBoxRecorder.h"
#include "forms/Startup.h"
#include "widgets/Application.h"
#include "widgets/Form.h"
#include "widgets/GIFImage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::vector<TGIFImage*> Pictures(const TComponent& c)
{
    std::vector<TGIFImage*> out;
    for (TComponent* child : c.Components()) {
        if (auto* g = dynamic_cast<TGIFImage*>(child))
            out.push_back(g);
        for (TGIFImage* g : Pictures(*child))
            out.push_back(g);
    }
    return out;
}

TEST(ProgramPictures, EveryDefinitionsPictureIsDecodedWhenItsWindowIsCreated)
{
    TApplication app;
    MessageBoxRecorder boxes;
    CreateAllForms();
    int pictures = 0, playing = 0;
    for (TForm* form : app.Forms()) {
        for (TGIFImage* g : Pictures(*form)) {
            SCOPED_TRACE(form->Name() + "." + g->Name());
            ++pictures;
            if (g->DataBytes().Size() == 0) {
                // The main window's sprite: loaded from a file when an entry is shown.
                EXPECT_EQ(form->Name() + "." + g->Name(), "Form1.GIFImage1");
                EXPECT_TRUE(g->Empty());
                continue;
            }
            EXPECT_FALSE(g->Empty());
            EXPECT_GE(g->FrameCount(), 1);
            EXPECT_GT(g->ImageWidth(), 0);
            // A decoded picture has its composed frame 1.
            EXPECT_EQ(g->Animation().Composer().Width(), g->ImageWidth());
            EXPECT_FALSE(g->GetBitmap().isNull());
            playing += g->Animate() && g->IsAnimated();
        }
    }
    EXPECT_EQ(pictures, 6);
    EXPECT_EQ(playing, 1); // the About window's small picture

    // Showing the About window starts its animated picture.
    TForm* about = nullptr;
    for (TForm* f : app.Forms())
        if (f->Name() == "FormSobre")
            about = f;
    ASSERT_NE(about, nullptr);
    about->SetVisible(true);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    for (TGIFImage* g : Pictures(*about))
        if (g->Animate() && g->IsAnimated()) {
            EXPECT_TRUE(g->Timer().Enabled()) << g->Name();
        }
    // Closed, it stops at its next tick and stays still until shown again.
    about->SetVisible(false);
    t.restart();
    while (t.elapsed() < 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    for (TGIFImage* g : Pictures(*about))
        EXPECT_FALSE(g->Timer().Enabled()) << g->Name();
    DestroyAllForms();
}

} // namespace
