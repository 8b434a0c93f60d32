// The window definitions against their classes' field and handler
// tables, Form1's layout, read/write/read of a real window, and every text
// the program shows free of letters garbled by the wrong code page.
#include "catalogue/Catalogue.h"
#include "data/BaseStats.h"
#include "data/Encounters.h"
#include "data/Learners.h"
#include "data/MartStock.h"
#include "data/Moves.h"
#include "data/Species.h"
#include "data/TmHmLearners.h"
#include "data/TmHmLocations.h"
#include "data/TypeChart.h"
#include "data/Types.h"
#include "forms/Startup.h"
#include "forms/UnitAtual.h"
#include "forms/UnitAtualizado.h"
#include "forms/UnitCaptura.h"
#include "forms/UnitDano.h"
#include "forms/UnitEquipe.h"
#include "forms/UnitGolpes.h"
#include "forms/UnitOnde.h"
#include "forms/UnitPokeMart.h"
#include "forms/UnitPrincipal.h"
#include "forms/UnitSobre.h"
#include "forms/UnitTipos.h"
#include "forms/UnitTmHm.h"
#include "forms/UnitTreinadores.h"
#include "forms/UnitWeb.h"
#include "text/Cp1252.h"
#include "text/DefinitionText.h"
#include "views/BattleText.h"
#include "views/EncounterText.h"
#include "views/TrainersView.h"
#include "widgets/Application.h"
#include "widgets/DefinitionReader.h"
#include "widgets/DefinitionWriter.h"
#include "widgets/Form.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string_view>

namespace {

void collectObjects(const DfmObject& o, std::vector<const DfmObject*>& out)
{
    for (const auto& c : o.children) {
        out.push_back(&c);
        collectObjects(c, out);
    }
}

void collectHandlers(const DfmObject& o, std::set<std::string>& out)
{
    for (const auto& p : o.props)
        if (p.name.rfind("On", 0) == 0 && p.value.kind == DfmValue::Kind::Ident)
            out.insert(p.value.text);
    for (const auto& c : o.children)
        collectHandlers(c, out);
}

TEST(Definitions, EveryWindowMatchesItsClassTable)
{
    const FormClass* classes[] = {
        &TForm1::StaticFormClass(),      &TFormSobre::StaticFormClass(),      &TFormWeb::StaticFormClass(),
        &TFormAtual::StaticFormClass(),  &TFormAtualizado::StaticFormClass(), &TFormPokeMart::StaticFormClass(),
        &TFormTmHm::StaticFormClass(),   &TFormTipos::StaticFormClass(),      &TFormGolpes::StaticFormClass(),
        &TFormOnde::StaticFormClass(),   &TFormDano::StaticFormClass(),       &TFormTreinadores::StaticFormClass(),
        &TFormEquipe::StaticFormClass(), &TFormCaptura::StaticFormClass()};
    for (const FormClass* fc : classes) {
        SCOPED_TRACE(fc->Name());
        const DfmObject tree = ParseDefinition(LoadDefinitionText(fc->Definition()), fc->Definition());
        EXPECT_EQ(tree.className, fc->Name());
        std::vector<const DfmObject*> objects;
        collectObjects(tree, objects);
        // Each field has an object of its class; each object has a field.
        for (const FormField& f : fc->Fields()) {
            const DfmObject* o = tree.Find(f.name);
            ASSERT_NE(o, nullptr) << f.name;
            const ClassInfo* cls = Registry::Find(o->className);
            ASSERT_NE(cls, nullptr) << o->className;
            EXPECT_TRUE(cls->InheritsFrom(*f.cls)) << f.name;
        }
        for (const DfmObject* o : objects)
            EXPECT_NE(fc->FindField(o->name), nullptr) << o->name;
        // Each handler is bound by the definition, each bound name is a handler.
        std::set<std::string> used;
        collectHandlers(tree, used);
        for (const std::string& h : used)
            EXPECT_NE(fc->FindHandler(h), nullptr) << h;
        for (const FormHandler& h : fc->Handlers())
            EXPECT_TRUE(used.count(h.name)) << h.name << " is bound by nothing";
    }
}

TEST(Definitions, MainWindowLayout)
{
    TApplication app;
    CreateAllForms();
    struct Row {
        TControl* c;
        int left, top, width, height, tab;
    } rows[] = {
        {Form1->GIFImage1, 321, 18, 88, 81, -1},   {Form1->Image1, 423, 195, 129, 9, -1},
        {Form1->Image2, 423, 219, 129, 9, -1},     {Form1->Image3, 423, 243, 129, 9, -1},
        {Form1->Image4, 423, 267, 129, 9, -1},     {Form1->Image5, 423, 292, 129, 9, -1},
        {Form1->GIFImage2, 5, 9, 137, 145, -1},    {Form1->Bevel1, 319, 16, 92, 84, -1},
        {Form1->ListBox1, 8, 176, 145, 137, 0},    {Form1->Edit1, 213, 23, 102, 21, 1},
        {Form1->Edit2, 213, 50, 102, 21, 2},       {Form1->Edit3, 213, 76, 102, 21, 3},
        {Form1->Edit4, 214, 102, 334, 21, 4},      {Form1->RichEdit1, 416, 18, 132, 81, 5},
        {Form1->RichEdit2, 168, 176, 169, 136, 6}, {Form1->Button1, 8, 319, 49, 17, 7},
        {Form1->Button2, 56, 319, 49, 17, 8},      {Form1->Button3, 104, 319, 49, 17, 9},
        {Form1->Button4, 8, 335, 49, 17, 10},      {Form1->Button5, 56, 335, 49, 17, 11},
        {Form1->Button6, 104, 335, 49, 17, 12},    {Form1->ListBox2, 8, 176, 145, 137, 13},
        {Form1->ListBox3, 8, 176, 145, 137, 14},   {Form1->ListBox4, 8, 176, 145, 137, 15},
        {Form1->ListBox5, 8, 176, 145, 137, 16},   {Form1->ListBox6, 8, 176, 143, 137, 17},
        {Form1->Edit5, 280, 330, 153, 21, 18},     {Form1->BitBtn1, 453, 329, 77, 23, 19},
        {Form1->Edit6, 214, 127, 334, 21, 20},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.c->Name());
        EXPECT_EQ(r.c->Left(), r.left);
        EXPECT_EQ(r.c->Top(), r.top);
        EXPECT_EQ(r.c->Width(), r.width);
        EXPECT_EQ(r.c->Height(), r.height);
        EXPECT_EQ(r.c->Widget()->geometry(), QRect(r.left, r.top, r.width, r.height));
        if (auto* w = dynamic_cast<TWinControl*>(r.c)) {
            EXPECT_EQ(w->TabOrder(), r.tab);
        }
    }
    for (TEdit* e : {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4, Form1->Edit6})
        EXPECT_TRUE(e->ReadOnly()) << e->Name();
    EXPECT_FALSE(Form1->Edit5->ReadOnly());
    EXPECT_EQ(Form1->Edit5->CharCase(), TEditCharCase::ecUpperCase);
    EXPECT_TRUE(Form1->Edit5->Font().Style & fsBold);
    EXPECT_EQ(Form1->RichEdit1->ScrollBars(), TScrollStyle::ssVertical);
    EXPECT_TRUE(Form1->RichEdit2->ReadOnly());
    EXPECT_FALSE(Form1->BitBtn1->Default());
    EXPECT_EQ(Form1->Color(), clMenu);
    EXPECT_EQ(Form1->Font().Name, "MS Sans Serif");
    EXPECT_EQ(Form1->Font().Height, -11);
    EXPECT_TRUE(Form1->GIFImage1->Center());
    EXPECT_TRUE(Form1->GIFImage1->Opaque());
    EXPECT_EQ(Form1->GIFImage1->Color(), clWhite);
    EXPECT_EQ(Form1->GIFImage2->Hint(), "Treinador: Ash");
    EXPECT_TRUE(Form1->GIFImage2->ShowHint());
    EXPECT_FALSE(Form1->GIFImage2->ParentShowHint());
    for (TComponent* c : Form1->Components())
        if (auto* l = dynamic_cast<TLabel*>(c)) {
            EXPECT_FALSE(l->ParentFont()) << l->Name();
            EXPECT_EQ(l->Font().Style, unsigned(fsBold)) << l->Name();
            EXPECT_EQ(l->Font().Color, clBlack) << l->Name();
        }
    DestroyAllForms();
}

TEST(Definitions, MainWindowReadWriteReadGivesTheSameWindow)
{
    TApplication app;
    CreateAllForms();
    const std::string once = WriteDefinition(ComponentToTree(*Form1));
    auto second = std::make_unique<TForm1>();
    ReadForm(*second, once, "written.form");
    EXPECT_EQ(WriteDefinition(ComponentToTree(*second)), once);
    EXPECT_EQ(second->ListBox3->Items()[22], "#083 - Farfetch'd");
    EXPECT_EQ(second->Sair1->ShortCut(), 32883);
    EXPECT_EQ(second->Menu(), second->MainMenu1);
    second.reset();
    DestroyAllForms();
}

// A text written in UTF-8 and taken as Windows-1252 shows its accented
// letters as two: "é" as "Ã©", "º" as "Âº", "—" as "â€”". The offset of the
// first such pair, or npos.
std::size_t GarbledAt(std::string_view text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]), next = static_cast<unsigned char>(text[i + 1]);
        if (((lead == 0xC3 || lead == 0xC2) && next >= 0x80 && next <= 0xBF) || (lead == 0xE2 && next == 0x80))
            return i;
    }
    return std::string_view::npos;
}

void collectStrings(const DfmObject& o, const std::string& where, std::vector<std::pair<std::string, std::string>>& out)
{
    for (const auto& p : o.props) {
        if (p.value.kind == DfmValue::Kind::String)
            out.push_back({where + "." + o.name + "." + p.name, p.value.text});
        if (p.value.kind == DfmValue::Kind::List)
            for (const std::string& item : p.value.items)
                out.push_back({where + "." + o.name + "." + p.name, item});
    }
    for (const auto& c : o.children)
        collectStrings(c, where, out);
}

// Every text the program shows: each string of each window's definition, and
// every table and line that data/ and catalogue/ give the windows.
TEST(Definitions, NoTextTheProgramShowsIsGarbled)
{
    std::vector<std::pair<std::string, std::string>> texts; // where, text (Windows-1252)
    const auto add = [&](const std::string& where, std::string_view text) {
        texts.push_back({where, std::string(text)});
    };
    for (const FormClass* fc :
         {&TForm1::StaticFormClass(), &TFormSobre::StaticFormClass(), &TFormWeb::StaticFormClass(),
          &TFormAtual::StaticFormClass(), &TFormAtualizado::StaticFormClass(), &TFormPokeMart::StaticFormClass(),
          &TFormTmHm::StaticFormClass(), &TFormTipos::StaticFormClass(), &TFormGolpes::StaticFormClass(),
          &TFormOnde::StaticFormClass(), &TFormDano::StaticFormClass(), &TFormTreinadores::StaticFormClass(),
          &TFormEquipe::StaticFormClass(), &TFormCaptura::StaticFormClass()})
        collectStrings(ParseDefinition(LoadDefinitionText(fc->Definition()), fc->Definition()), fc->Name(), texts);
    const std::size_t inDefinitions = texts.size();

    for (int row = 0; row < Catalogue::RowCount; ++row) {
        const CatalogueEntry& e = Catalogue::Entry(row);
        const std::string where = "catalogue #" + e.NumberText();
        for (std::string_view t : {e.Name, e.Types, e.Versions, e.Evolution, e.Location})
            add(where, t);
        for (std::string_view t : e.Description)
            add(where, t);
        for (std::string_view t : e.Learnset)
            add(where, t);
        add(where, e.Caption());
        add(where, Catalogue::ListLine(row));
    }
    for (int n = 0; n <= 151; ++n) {
        add("species", species::GamesName(n));
        for (encounters::Version v : {encounters::Version::Red, encounters::Version::Blue, encounters::Version::Both})
            for (const std::string& line : encounters::CreatureView(*species::Creature::FromNumber(n), v))
                add("where to find #" + std::to_string(n), line);
    }
    for (const std::string& line : species::ChooserLines())
        add("chooser", line);
    for (auto s : {species::Stone::Fire, species::Stone::Thunder, species::Stone::Water, species::Stone::Leaf,
                   species::Stone::Moon})
        add("stone", species::StoneName(s));
    for (int p = 0; p < encounters::PlaceCount; ++p) {
        const auto place = static_cast<encounters::Place>(p);
        add("place", encounters::PlaceName(place));
        for (encounters::Version v : {encounters::Version::Red, encounters::Version::Blue, encounters::Version::Both})
            for (const std::string& line : encounters::PlaceView(place, v))
                add("where to find " + cp1252::toUtf8(encounters::PlaceName(place)), line);
    }
    for (const encounters::OtherSource& o : encounters::OtherSources)
        for (std::string_view t : {o.Gives, o.Nickname, o.Fossil, o.Note})
            add("other source", t);
    for (int m = 0; m <= static_cast<int>(encounters::Method::Trade); ++m)
        add("method", encounters::MethodName(static_cast<encounters::Method>(m)));
    for (encounters::Version v : {encounters::Version::Red, encounters::Version::Blue, encounters::Version::Both})
        add("version", encounters::VersionName(v));
    for (Type t : AllTypes)
        add("type", TypeName(t));
    for (const EffectTexts& e : Effects)
        for (std::string_view t : {e.Symbol, e.Words, e.Legend})
            add("type chart", t);
    add("type chart", ChartLegend());
    for (const ProfileGroup& g : ProfileGroups)
        for (std::string_view t : {g.Label, g.Words})
            add("type profile", t);
    for (int s = 0; s < StatCount; ++s)
        add("stat", StatName(static_cast<Stat>(s)));
    for (const MartStockRow& row : MartStockTable) {
        add("mart", row.Entry);
        for (const std::string& line : MartLines(row))
            add("mart " + cp1252::toUtf8(row.Entry), line);
    }
    for (const auto& table : {TmLocationTable, HmLocationTable})
        for (const MachineLocation& m : table)
            for (std::string_view t : {m.Line, m.Location})
                add("TM/HM", t);
    for (int m = 0; m < MachineCount; ++m)
        add("TM/HM", MachineName(m));
    for (int level = 0; level <= 100; ++level)
        add("learnt", LearnText(level));
    BattleSide attacker, defender;
    attacker.Species = 25; // Pikachu on Golem: damage, no damage and immunity all said
    defender.Species = 76;
    for (int move = 0; move < static_cast<int>(MoveTable.size()); ++move) {
        const std::string where = "move " + std::string(MoveTable[static_cast<std::size_t>(move)].Name);
        for (std::string_view t :
             {MoveTable[static_cast<std::size_t>(move)].Name, MoveTable[static_cast<std::size_t>(move)].Effect})
            add(where, t);
        for (const std::string& t : {PowerText(move), PowerMeaning(move), AccuracyText(move)})
            add(where, t);
        for (const std::string& line : ResultLines(ComputeBattle(attacker, defender, move), move, 76))
            add(where + " on #076", line);
    }
    // Every trainer by place and by battle, each party line, for each starter.
    for (int starter = 0; starter < 3; ++starter) {
        TrainersView trainers;
        trainers.ChooseStarterLine(starter);
        const auto addTrainers = [&](const std::string& where) {
            add(where, trainers.TrainersHeading());
            const auto lines = trainers.TrainerLines();
            for (int t = 0; t < static_cast<int>(lines.size()); ++t) {
                add(where, lines[static_cast<std::size_t>(t)]);
                trainers.ChooseTrainerLine(t);
                add(where, trainers.PartyHeading());
                for (const std::string& line : trainers.MemberLines())
                    add(where, line);
                if (const auto side = trainers.ChosenSide(Combatant::Defender))
                    add(where, side->Source);
            }
        };
        for (int p = 0; p < static_cast<int>(trainers.Places().size()); ++p) {
            trainers.ChoosePlaceLine(p);
            addTrainers("trainers by place");
        }
        for (int b = 0; b < static_cast<int>(TrainersView::BattleChooserLines().size()); ++b) {
            trainers.ChooseBattleLine(b);
            addTrainers("trainers by battle");
        }
        trainers.ChooseCreatureLine(151);
        addTrainers("trainers of no creature");
    }
    add("trainers", TrainersView::Legend());

    // A walk that read nothing would pass: both kinds are there in number.
    EXPECT_GT(inDefinitions, 300u);
    EXPECT_GT(texts.size() - inDefinitions, 5000u);
    for (const auto& [where, text] : texts) {
        const std::size_t at = GarbledAt(text);
        EXPECT_EQ(at, std::string_view::npos) << where << ": \"" << cp1252::toUtf8(text) << "\" at " << at;
    }
}

} // namespace
