// The picture control's face: defaults, stored rules, the Data format, the
// loaded step and the load results.
#include "TestForms.h"

#include "widgets/Application.h"
#include "widgets/DefinitionWriter.h"
#include "widgets/SysUtils.h"

#include <QLoggingCategory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

// A control whose decoding step accepts anything that starts "GIF8", so the
// face can be tested before and apart from the decoder.
class TAcceptingGIF : public TGIFImage {
public:
    using TGIFImage::TGIFImage;
    int reads = 0;
    bool ReadGIF() override
    {
        ++reads;
        std::uint8_t sig[4] = {};
        rawData_.SetPosition(0);
        if (rawData_.Read(sig, 4) != 4 || sig[0] != 'G' || sig[1] != 'I' || sig[2] != 'F' || sig[3] != '8')
            return false;
        empty_ = false;
        imageWidth_ = 7;
        imageHeight_ = 5;
        return true;
    }
};

std::vector<std::uint8_t> bytesOf(const std::string& s)
{
    return {s.begin(), s.end()};
}

std::vector<std::string> storedNames(const TComponent& c)
{
    std::vector<std::string> names;
    for (const auto& p : ComponentToTree(c).props)
        names.push_back(p.name);
    return names;
}

struct GIFFace : ::testing::Test {
    TApplication app;
    QTemporaryDir dir;
    std::string path(const char* name) const { return FromQt(dir.filePath(QString::fromUtf8(name))); }
    void write(const std::string& p, const std::string& bytes) const { std::ofstream(p, std::ios::binary) << bytes; }
};

TEST_F(GIFFace, ConstructorDefaultsAndStoredRules)
{
    TGIFImage g;
    EXPECT_EQ(g.Width(), 105);
    EXPECT_EQ(g.Height(), 105);
    EXPECT_TRUE(g.DoubleBuffered());
    EXPECT_TRUE(g.Empty());
    EXPECT_EQ(g.Speed(), 100);
    EXPECT_TRUE(g.Visible());
    EXPECT_TRUE(g.Threaded());
    EXPECT_EQ(g.ThreadPriority(), TThreadPriority::tpNormal);
    EXPECT_EQ(g.CurrentFrame(), 1);
    EXPECT_EQ(g.Color(), clWindow);
    EXPECT_TRUE(g.ParentShowHint());
    // The nine flags without a declared default are always written; the
    // rest only when changed; CurrentFrame and Version never.
    const std::vector<std::string> always = {"Animate", "AutoSize",     "Center", "FirstImageOnly", "Loop", "Opaque",
                                             "Stretch", "StretchRatio", "Tile"};
    std::vector<std::string> expected = {"Left", "Top"};
    expected.insert(expected.end(), always.begin(), always.end());
    EXPECT_EQ(storedNames(g), expected);
    g.SetSpeed(0);
    EXPECT_EQ(g.Speed(), 1);
    g.SetCurrentFrame(3);
    g.SetWidth(88);
    g.SetThreaded(false);
    const auto names = storedNames(g);
    EXPECT_NE(std::find(names.begin(), names.end(), "Speed"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "Width"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "Threaded"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "CurrentFrame"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "Data"), names.end());
}

TEST_F(GIFFace, DataIsACountThenTheBytes)
{
    TGIFImage g;
    TMemoryStream in(bytesOf(std::string("\x06\x00\x00\x00GIF89a", 10)));
    g.ReadData(in);
    EXPECT_EQ(g.DataBytes().Bytes(), bytesOf("GIF89a"));
    TMemoryStream out;
    g.WriteData(out);
    EXPECT_EQ(out.Bytes(), bytesOf(std::string("\x06\x00\x00\x00GIF89a", 10)));
    // A count of zero leaves the stored bytes alone.
    TMemoryStream zero(bytesOf(std::string(4, '\0')));
    g.ReadData(zero);
    EXPECT_EQ(g.DataBytes().Size(), 6);
}

TEST_F(GIFFace, ACountBeyondTheDataIsAReadError)
{
    TGIFImage g;
    TMemoryStream shortData(bytesOf(std::string("\xFF\xFF\xFF\x7FGIF", 7)));
    try {
        g.ReadData(shortData);
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
    TMemoryStream noCount(bytesOf("GI"));
    EXPECT_THROW(g.ReadData(noCount), EReadError);
    EXPECT_EQ(g.DataBytes().Size(), 0);
}

TEST_F(GIFFace, DefinitionDataIsLoadedWhenTheDefinitionHasBeenRead)
{
    const std::string data = "    Data = {\n      0A00000047494638396101000100}\n";
    const std::string text =
        std::string(kTestFormText)
            .replace(std::string(kTestFormText).rfind("end"), 3, "  object Pic: TGIFImage\n" + data + "  end\nend");
    // Until the decoder is plugged in the load fails, and the control is empty.
    std::unique_ptr<TTestForm> f(ReadTestForm(text));
    auto* pic = dynamic_cast<TGIFImage*>(f->FindComponent("Pic"));
    ASSERT_NE(pic, nullptr);
    EXPECT_TRUE(pic->Empty());
    EXPECT_EQ(pic->DataBytes().Size(), 0);

    const std::string bad = std::string(text).replace(text.find("0A000000"), 8, "0B000000");
    try {
        std::unique_ptr<TTestForm> g(ReadTestForm(bad));
        FAIL() << "no error";
    } catch (const EDefinitionError& e) {
        EXPECT_EQ(e.Word(), "Pic");
        EXPECT_NE(e.Message().find("Stream read error"), std::string::npos);
    }
}

TEST_F(GIFFace, LoadedStepHandsTheDataToTheDecoderAndDataIsWrittenBack)
{
    TAcceptingGIF g;
    g.SetLoading(true);
    TMemoryStream in(bytesOf(std::string("\x06\x00\x00\x00GIF89a", 10)));
    g.ReadData(in);
    EXPECT_EQ(g.reads, 0);
    g.Loaded();
    EXPECT_EQ(g.reads, 1);
    EXPECT_FALSE(g.Empty());
    const DfmObject tree = ComponentToTree(g);
    ASSERT_NE(tree.Property("Data"), nullptr);
    EXPECT_EQ(tree.Property("Data")->value.bytes, bytesOf(std::string("\x06\x00\x00\x00GIF89a", 10)));
}

TEST_F(GIFFace, LoadFromFileResults)
{
    TAcceptingGIF g;
    const std::string good = path("025.gif");
    write(good, "GIF89a and more");
    EXPECT_TRUE(g.LoadFromFile(good));
    EXPECT_EQ(g.DataBytes().Bytes(), bytesOf("GIF89a and more"));

    // Missing: false, and the picture stays.
    EXPECT_FALSE(g.LoadFromFile(path("999.gif")));
    EXPECT_FALSE(g.LoadFromFile(FromQt(dir.path())));
    EXPECT_FALSE(g.Empty());
    EXPECT_EQ(g.DataBytes().Size(), 15);

    // Exists but cannot be opened (a socket): the stream error, nothing changes.
    const std::string sock = path("s.gif");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", sock.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    try {
        g.LoadFromFile(sock);
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + sock);
    }
    ::close(fd);
    EXPECT_FALSE(g.Empty());

    // Too large for a picture's memory budget: not even read; cleared and
    // false, as for a picture that does not decode.
    const std::string big = path("big.gif");
    write(big, "GIF89a");
    ASSERT_EQ(::truncate(big.c_str(), off_t(gif::Limits{}.MaxInputBytes() + 1)), 0);
    EXPECT_FALSE(g.LoadFromFile(big));
    EXPECT_TRUE(g.Empty());
    EXPECT_EQ(g.reads, 1);
    ASSERT_TRUE(g.LoadFromFile(good));

    // Bytes that do not decode: cleared, false, no error.
    const std::string junk = path("junk.gif");
    write(junk, "PNG?");
    EXPECT_FALSE(g.LoadFromFile(junk));
    EXPECT_TRUE(g.Empty());
    EXPECT_EQ(g.DataBytes().Size(), 0);
}

TEST_F(GIFFace, TheUndecodedControlFailsLoadsQuietly)
{
    TGIFImage g;
    const std::string six = path("six.gif");
    write(six, "GIF89a");
    EXPECT_FALSE(g.LoadFromFile(six));
    EXPECT_TRUE(g.Empty());
    TMemoryStream s(bytesOf("GIF89a"));
    EXPECT_FALSE(g.LoadFromStream(s));
}

// What the control's logging category printed.
QStringList gifImageLog;
void RecordGifImageLog(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    if (context.category && std::string_view(context.category) == "fauneta.gifimage")
        gifImageLog << message;
}

TEST_F(GIFFace, AFailedLoadLogsTheDecodersReasonWhenAskedTo)
{
    gifImageLog.clear();
    const QtMessageHandler previous = qInstallMessageHandler(RecordGifImageLog);
    TGIFImage g;
    TMemoryStream cut(bytesOf("GIF89a\x01")); // the screen descriptor cut short
    EXPECT_FALSE(g.LoadFromStream(cut));
    EXPECT_TRUE(gifImageLog.isEmpty()) << "on by default";
    QLoggingCategory::setFilterRules("fauneta.gifimage.info=true");
    EXPECT_FALSE(g.LoadFromStream(cut));
    EXPECT_FALSE(g.LoadFromFile(path("missing.gif"))); // not a failed load: nothing to say
    QLoggingCategory::setFilterRules("");
    qInstallMessageHandler(previous);
    ASSERT_EQ(gifImageLog.size(), 1);
    EXPECT_EQ(gifImageLog[0], "stream: at byte 6: cut short (stream read error)");
}

TEST_F(GIFFace, AFaultDuringTheLoadIsNotTakenForABadPicture)
{
    struct Reporting : TAcceptingGIF {
        bool ReadGIF() override
        {
            DoProgress();
            return TAcceptingGIF::ReadGIF();
        }
    } g;
    TMemoryStream s(bytesOf("GIF89a"));
    ASSERT_TRUE(g.LoadFromStream(s));
    g.OnProgress = TProgressEvent([](TObject*, std::int32_t, std::int32_t, std::int32_t, bool&) {
        throw std::out_of_range("a bug in the handler");
    });
    EXPECT_THROW(g.LoadFromStream(s), std::out_of_range);
    EXPECT_TRUE(g.Empty());
    // The layer's own errors from a handler still fail the load quietly.
    g.OnProgress = TProgressEvent(
        [](TObject*, std::int32_t, std::int32_t, std::int32_t, bool&) { throw EReadError("Stream read error"); });
    EXPECT_FALSE(g.LoadFromStream(s));
}

TEST_F(GIFFace, AnAbortFromProgressFailsTheLoadQuietly)
{
    struct Aborting : TAcceptingGIF {
        bool ReadGIF() override
        {
            DoProgress();
            return TAcceptingGIF::ReadGIF();
        }
    } g;
    int calls = 0;
    g.OnProgress = TProgressEvent([&](TObject*, std::int32_t pos, std::int32_t size, std::int32_t pct, bool& keep) {
        ++calls;
        EXPECT_EQ(pos, 0);
        EXPECT_EQ(size, 6);
        EXPECT_EQ(pct, 0);
        keep = false;
    });
    TMemoryStream s(bytesOf("GIF89a"));
    EXPECT_FALSE(g.LoadFromStream(s));
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(g.Empty());
}

// The percentage is rounded to the nearest whole: 1 of 6 bytes is 17 %.
TEST_F(GIFFace, ProgressPercentageIsRounded)
{
    struct Reporting : TAcceptingGIF {
        bool ReadGIF() override
        {
            for (std::int64_t at : {0, 1, 3, 4, 6}) {
                rawData_.SetPosition(at);
                DoProgress();
            }
            return TAcceptingGIF::ReadGIF();
        }
    } g;
    std::vector<std::int32_t> percents;
    g.OnProgress =
        TProgressEvent([&](TObject*, std::int32_t, std::int32_t, std::int32_t pct, bool&) { percents.push_back(pct); });
    TMemoryStream s(bytesOf("GIF89a"));
    EXPECT_TRUE(g.LoadFromStream(s));
    EXPECT_EQ(percents, (std::vector<std::int32_t>{0, 17, 50, 67, 100}));
}

TEST_F(GIFFace, InvisibleStillTakesTheMouse)
{
    std::unique_ptr<TTestForm> f(ReadTestForm());
    auto* g = new TGIFImage(f.get());
    g->SetParent(f.get());
    g->SetVisible(false);
    EXPECT_FALSE(g->Visible());
    EXPECT_FALSE(g->isHidden());
}

} // namespace
