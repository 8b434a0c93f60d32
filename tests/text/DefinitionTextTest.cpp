// The definition text (no Qt): values, errors that name file, line and word,
// and the writer's output read back unchanged.
#include "fuzz/definition/DefinitionCheck.h"
#include "text/Cp1252.h"
#include "text/DefinitionText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace cp1252::literals;

namespace {

DfmObject parse(const std::string& text)
{
    return ParseDefinition(text, "t.form");
}

// The error raised by parsing text, or a failure when there is none.
EDefinitionError parseError(const std::string& text)
{
    try {
        parse(text);
    } catch (const EDefinitionError& e) {
        return e;
    }
    ADD_FAILURE() << "no error for:\n" << text;
    return EDefinitionError("", 0, "", "");
}

TEST(DefinitionParser, ReadsEveryKindOfValue)
{
    const DfmObject o = parse("object A: TX\n"
                              "  N = -11\n"
                              "  H = $1F\n"
                              "  I = clMenu\n"
                              "  S = 'It''s '#13#10'Poké' +\n"
                              "    'mon'\n"
                              "  E = ''\n"
                              "  Set = [fsBold, fsItalic]\n"
                              "  None = []\n"
                              "  Items.Strings = (\n"
                              "    'a'\n"
                              "    'b''c'#9)\n"
                              "  Data = {\n"
                              "    0A0b\n"
                              "    FF0123456789abcdefABCDEF}\n"
                              "  object B: TY\n"
                              "  end\n"
                              "end\n");
    EXPECT_EQ(o.name, "A");
    EXPECT_EQ(o.className, "TX");
    ASSERT_EQ(o.props.size(), 9u);
    EXPECT_EQ(o.Property("N")->value, DfmValue::Int(-11));
    EXPECT_EQ(o.Property("H")->value, DfmValue::Int(31));
    EXPECT_EQ(o.Property("I")->value, DfmValue::Id("clMenu"));
    EXPECT_EQ(o.Property("S")->value, DfmValue::Str(std::string("It's \r\nPokémon"_cp)));
    EXPECT_EQ(o.Property("E")->value, DfmValue::Str(""));
    EXPECT_EQ(o.Property("Set")->value, DfmValue::SetOf({"fsBold", "fsItalic"}));
    EXPECT_EQ(o.Property("None")->value, DfmValue::SetOf({}));
    EXPECT_EQ(o.Property("Items.Strings")->value, DfmValue::ListOf({"a", "b'c\t"}));
    // Every digit, in either case.
    EXPECT_EQ(o.Property("Data")->value,
              DfmValue::Bin({0x0A, 0x0B, 0xFF, 0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0xAB, 0xCD, 0xEF}));
    ASSERT_EQ(o.children.size(), 1u);
    EXPECT_EQ(o.children[0].name, "B");
    EXPECT_EQ(o.Property("Data")->line, 13);
}

TEST(DefinitionParser, TextIsWindows1252WithByteCodes)
{
    // 0x80 is the euro sign in the code page, not a C1 control.
    const DfmObject o = parse("object A: TX\n  S = '€'#128'Farfetch´d'\nend\n");
    EXPECT_EQ(o.Property("S")->value.text, "\x80\x80"
                                           "Farfetch\xB4"
                                           "d");
}

TEST(DefinitionParser, ErrorsNameFileLineAndWord)
{
    struct Case {
        const char* text;
        int line;
        const char* word;
    } cases[] = {
        {"object A: TX\n  Left = 12x\nend\n", 2, "12x"},
        {"object A: TX\n  Caption = 'open\nend\n", 2, "'open"},
        {"object A: TX\n  Caption = 'Ω'\nend\n", 2, "Ω"},
        {"object A: TX\n  Data = {ABC}\nend\n", 2, "{"},
        {"object A: TX\n  Data = {AZ}\nend\n", 2, "Z"},
        {"object A: TX\n  S = #300\nend\n", 2, "#300"},
        {"object A: TX\n  Left 5\nend\n", 2, "5"},
        {"object A: TX\n  object B: TY\n  end\n  Left = 1\nend\n", 4, "Left"},
        {"object A: TX\n  Left = 1\n", 3, "end of file"},
        {"thing A: TX\nend\n", 1, "thing"},
        {"object A: TX\nend\nend\n", 3, "end"},
    };
    for (const auto& c : cases) {
        const EDefinitionError e = parseError(c.text);
        EXPECT_EQ(e.File(), "t.form") << c.text;
        EXPECT_EQ(e.Line(), c.line) << c.text;
        EXPECT_EQ(e.Word(), c.word) << c.text;
        EXPECT_NE(e.Message().find("t.form(" + std::to_string(c.line) + ")"), std::string::npos) << e.Message();
    }

    // Nesting is bounded: deep text is refused where it passes the bound
    // instead of exhausting the stack.
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "object A: T\n";
    const EDefinitionError e = parseError(deep);
    EXPECT_EQ(e.Line(), MaxDefinitionNesting + 1);
    EXPECT_EQ(e.Word(), "object");
    std::string fits;
    for (int i = 0; i < MaxDefinitionNesting; ++i)
        fits = "object A: T\n" + fits + "end\n";
    EXPECT_NO_THROW(parse(fits));
}

TEST(DefinitionWriter, WritesWhatTheParserReadsBack)
{
    DfmObject o;
    o.name = "Form1";
    o.className = "TForm1";
    o.props = {{"Caption", DfmValue::Str(std::string("Fauneta "_cp)), 0, {}},
               {"Quote", DfmValue::Str("a'b\r\n\x81\xB4\x80"), 0, {}},
               {"Empty", DfmValue::Str(""), 0, {}},
               {"Left", DfmValue::Int(-7), 0, {}},
               {"BorderIcons", DfmValue::SetOf({"biSystemMenu", "biMinimize"}), 0, {}},
               {"Items.Strings", DfmValue::ListOf({"#083 - Farfetch'd", ""}), 0, {}}};
    std::vector<std::uint8_t> big(100);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<std::uint8_t>(i * 7);
    o.props.push_back({"Data", DfmValue::Bin(big), 0, {}});
    DfmObject child;
    child.name = "Edit1";
    child.className = "TEdit";
    child.props = {{"Text", DfmValue::Str("x"), 0, {}}};
    o.children.push_back(child);

    const std::string text = WriteDefinition(o);
    const DfmObject back = parse(text);
    ASSERT_EQ(back.props.size(), o.props.size());
    for (std::size_t i = 0; i < o.props.size(); ++i) {
        EXPECT_EQ(back.props[i].name, o.props[i].name);
        EXPECT_EQ(back.props[i].value, o.props[i].value) << o.props[i].name;
    }
    ASSERT_EQ(back.children.size(), 1u);
    EXPECT_EQ(back.children[0].Property("Text")->value, DfmValue::Str("x"));
    // Readable: accented letters stay letters, control bytes become codes.
    EXPECT_NE(text.find("'Fauneta '"), std::string::npos);
    EXPECT_NE(text.find("'a''b'#13#10#129'´€'"), std::string::npos) << text;
    EXPECT_EQ(WriteDefinition(back), text);
}

TEST(DefinitionTree, SetsAndRemovesProperties)
{
    DfmObject o = parse("object A: TX\n  object B: TY\n    Left = 1\n  end\nend\n");
    DfmObject* b = o.Find("B");
    ASSERT_NE(b, nullptr);
    b->SetProperty("Left", DfmValue::Int(2));
    b->SetProperty("Data", DfmValue::Bin({1, 2}));
    EXPECT_EQ(b->props.size(), 2u);
    EXPECT_EQ(b->Property("Left")->value, DfmValue::Int(2));
    EXPECT_TRUE(b->RemoveProperty("Left"));
    EXPECT_FALSE(b->RemoveProperty("Left"));
    EXPECT_EQ(o.Find("C"), nullptr);
}

// A picture control's Data, as the generator writes it and the control reads it.
TEST(PictureData, IsTheLengthThenTheBytesAndNoLongerThanWhatFollows)
{
    std::vector<uint8_t> d = PictureDataValue({'G', 'I', 'F', 1, 2});
    EXPECT_EQ(d, (std::vector<uint8_t>{5, 0, 0, 0, 'G', 'I', 'F', 1, 2}));
    EXPECT_EQ(PictureDataBytes(d), (std::vector<uint8_t>{'G', 'I', 'F', 1, 2}));
    std::vector<uint8_t> big(70000, 7);
    std::vector<uint8_t> db = PictureDataValue(big);
    EXPECT_EQ((std::vector<uint8_t>(db.begin(), db.begin() + 4)), (std::vector<uint8_t>{0x70, 0x11, 0x01, 0x00}));
    EXPECT_EQ(PictureDataBytes(db), big);
    // Bytes past the count are not the picture's; a count past the end, or no
    // whole count, is no picture at all.
    d.push_back('x');
    EXPECT_EQ(PictureDataBytes(d)->size(), 5u);
    EXPECT_EQ(PictureDataBytes({0xFF, 0xFF, 0xFF, 0x7F, 'G', 'I', 'F'}), std::nullopt);
    EXPECT_EQ(PictureDataBytes({6, 0, 0, 0, 'G', 'I', 'F', '8', '9'}), std::nullopt);
    EXPECT_EQ(PictureDataBytes({0, 0, 0}), std::nullopt);
}

// The inputs the fuzzer keeps (its corpus) and the faults it found
// (regressions/), through the same checks it applies.
TEST(DefinitionFuzzInputs, ErrorOrTreeThatWritesBackTheSame)
{
    std::size_t files = 0;
    for (const char* dir : {"fuzz/definition/corpus", "tests/text/regressions"}) {
        const std::filesystem::path folder = std::filesystem::path(FAUNETA_SOURCE_DIR) / dir;
        if (!std::filesystem::exists(folder))
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string text((std::istreambuf_iterator<char>(in)), {});
            EXPECT_EQ(fuzzcheck::CheckDefinitionText(text), "") << entry.path();
            ++files;
        }
    }
    EXPECT_GT(files, 20u);
}

} // namespace
