// The whole program's windows, built offscreen, with the main window shown and
// its pictures read from a temporary folder that each test fills as it needs.
#pragma once

#include "MessageBoxRecorder.h"
#include "catalogue/Catalogue.h"
#include "forms/Startup.h"
#include "forms/UnitPrincipal.h"
#include "text/Cp1252.h"
#include "widgets/Application.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <string>

class MainWindow : public ::testing::Test {
protected:
    TApplication app;
    MessageBoxRecorder boxes;
    QTemporaryDir dir;

    void SetUp() override
    {
        app.SetTitle("Fauneta");
        CreateAllForms();
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkpath("Imagens");
        QDir(dir.path()).mkpath("Dados");
        for (int r = 1; r <= 6; ++r)
            WriteBar(r);
        Form1->SetAppDir(dir.path().toStdString() + "/");
        Form1->SetVisible(true);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
        Form1->activateWindow();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        for (int fd : sockets_)
            ::close(fd);
        DestroyAllForms();
    }

    std::string AppDir() const { return Form1->GetAppDir(); }

    // Rating bar r: a 129 x 9 bitmap whose colour tells which file it was.
    static QRgb BarColor(int r) { return qRgb(40 * r, 255 - 40 * r, 17 * r); }
    void WriteBar(int r) const
    {
        QImage bar(129, 9, QImage::Format_RGB32);
        bar.fill(BarColor(r));
        ASSERT_TRUE(bar.save(QString::fromStdString(BarPath(r)), "BMP"));
    }
    std::string BarPath(int rating) const
    {
        return dir.path().toStdString() + "/Dados/" + std::to_string(rating) + ".bmp";
    }
    // The rating file an image box shows, found by its colour; 0 for none.
    static int BarShown(TImage* image)
    {
        if (image->Picture().Empty())
            return 0;
        const QRgb c = image->Picture().Image().pixel(0, 0);
        for (int r = 1; r <= 6; ++r)
            if (qRed(c) == qRed(BarColor(r)) && qGreen(c) == qGreen(BarColor(r)))
                return r;
        return -1;
    }
    std::array<int, 5> BarsShown() const
    {
        return {BarShown(Form1->Image1), BarShown(Form1->Image2), BarShown(Form1->Image3), BarShown(Form1->Image4),
                BarShown(Form1->Image5)};
    }

    // A path that exists but cannot be opened for reading, even as root: a
    // listening socket.
    void MakeUnopenable(const std::string& path)
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        ASSERT_LT(path.size(), sizeof addr.sun_path);
        path.copy(addr.sun_path, path.size());
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0) << path;
        sockets_.push_back(fd);
    }

    static std::vector<std::string> Lines(TRichEdit* box) { return box->Lines().ToVector(); }

    // The description a screen reader reads for a control, through Qt's
    // accessibility interface (what the AT-SPI bridge serves).
    static std::string Said(TControl* c)
    {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c->Widget());
        return a ? a->text(QAccessible::Description).toStdString() : "<no interface>";
    }
    static std::array<std::string, 5> BarsSaid()
    {
        return {Said(Form1->Image1), Said(Form1->Image2), Said(Form1->Image3), Said(Form1->Image4),
                Said(Form1->Image5)};
    }
    // A one-pixel GIF as the sprite of creature n.
    void WriteSprite(int n) const
    {
        static const unsigned char gif[] = {'G', 'I',  'F',  '8',  '9', 'a', 1, 0,    1, 0, 0x80, 0,
                                            0,   0xFF, 0xFF, 0xFF, 0,   0,   0, 0x2C, 0, 0, 0,    0,
                                            1,   0,    1,    0,    0,   2,   2, 0x44, 1, 0, 0x3B};
        char name[32];
        std::snprintf(name, sizeof name, "/Imagens/%03d.gif", n);
        QFile f(dir.path() + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(reinterpret_cast<const char*>(gif), sizeof gif);
    }

    static void ClickLine(TListBox* list, int line)
    {
        const QRect r = list->visualItemRect(list->item(line));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

    // Types text key by key as a keyboard would, accented letters included.
    static void Type(QWidget* w, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
            QApplication::sendEvent(w, &release);
        }
    }

    static int VisiblePage()
    {
        int shown = 0;
        for (int p = 1; p <= 6; ++p)
            if (Form1->PageList(p)->isVisible())
                shown = shown ? -1 : p;
        return shown;
    }

    static std::string Text(std::string_view utf8) { return cp1252::fromUtf8(utf8); }

private:
    std::vector<int> sockets_;
};
