// The generator of the windows' controls (tools/formgen): a small handmade
// definition gives the header below, to the letter; a definition it cannot
// serve stops the build with the file, the line and the word. That the
// generated tables fit the real windows is checked where they are used
// (DefinitionsTest.cpp: every window against its class table).
#include "FormGen.h"

#include <gtest/gtest.h>

namespace {

DfmObject parse(const std::string& text)
{
    return ParseDefinition(text, "forms/UnitX.form");
}

TEST(FormGen, WritesEveryObjectAsAMemberAndEachHandlerOnce)
{
    // Nested objects (a menu in a menu, a label in a box) are members too, in
    // the definition's order; the form's own event and a handler two controls
    // share are bound once; TButton and TBitBtn share one header; values that
    // only look like handlers (a string, a non-event) are not handlers.
    const DfmObject root = parse("object FormX: TFormX\n"
                                 "  Caption = 'OnClick'\n"
                                 "  OnCreate = FormCreate\n"
                                 "  object Menu1: TMainMenu\n"
                                 "    object Arquivo1: TMenuItem\n"
                                 "      object Sair1: TMenuItem\n"
                                 "        OnClick = Sair1Click\n"
                                 "      end\n"
                                 "    end\n"
                                 "  end\n"
                                 "  object GroupBox1: TGroupBox\n"
                                 "    object Label1: TLabel\n"
                                 "      FocusControl = Button1\n"
                                 "    end\n"
                                 "  end\n"
                                 "  object Button1: TButton\n"
                                 "    OnClick = AnyClick\n"
                                 "  end\n"
                                 "  object BitBtn1: TBitBtn\n"
                                 "    OnClick = AnyClick\n"
                                 "    OnEnter = FormCreate\n"
                                 "  end\n"
                                 "end\n");
    EXPECT_EQ(formgen::ControlsHeader(root, "forms/UnitX.form", ":/forms/UnitX.form"),
              R"(// Written by fauneta_formgen from UnitX.form: edit the definition, not this file.
#pragma once

#include "widgets/Button.h"
#include "widgets/FormClass.h"
#include "widgets/GroupBox.h"
#include "widgets/Label.h"
#include "widgets/Menus.h"

// The controls of FormX, in the definition's order: the reader sets each one.
struct TFormXControls {
    TMainMenu* Menu1 = nullptr;
    TMenuItem* Arquivo1 = nullptr;
    TMenuItem* Sair1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TButton* Button1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;

    // TFormX's table: these fields and the handlers the definition names.
    template <class F>
    static FormClass MakeFormClass()
    {
        FormTable<F> table;
        table.template Field<TMainMenu>("Menu1", &F::Menu1);
        table.template Field<TMenuItem>("Arquivo1", &F::Arquivo1);
        table.template Field<TMenuItem>("Sair1", &F::Sair1);
        table.template Field<TGroupBox>("GroupBox1", &F::GroupBox1);
        table.template Field<TLabel>("Label1", &F::Label1);
        table.template Field<TButton>("Button1", &F::Button1);
        table.template Field<TBitBtn>("BitBtn1", &F::BitBtn1);
        table.Handler("FormCreate", &F::FormCreate);
        table.Handler("Sair1Click", &F::Sair1Click);
        table.Handler("AnyClick", &F::AnyClick);
        return table.Build("TFormX", ":/forms/UnitX.form");
    }
};
)");
}

TEST(FormGen, AWindowWithoutControlsStillGetsItsTable)
{
    const std::string h =
        formgen::ControlsHeader(parse("object FormY: TFormY\nend\n"), "UnitY.form", ":/forms/UnitY.form");
    EXPECT_NE(h.find("struct TFormYControls {\n    // TFormY's table"), std::string::npos) << h;
    EXPECT_NE(h.find("return table.Build(\"TFormY\", \":/forms/UnitY.form\");"), std::string::npos) << h;
}

TEST(FormGen, RefusesWhatItCannotDeclare)
{
    // A class without a known header, and two objects of one name (two
    // members of one name would not compile, far from the cause).
    const struct {
        const char* text;
        int line;
        const char* word;
        const char* says;
    } cases[] = {
        {"object FormX: TFormX\n  object Label1: TLabel\n  end\n  object Tree1: TTreeView\n  end\nend\n", 4,
         "TTreeView",
         "forms/UnitX.form(4): unknown control class (not in formgen's table of widget headers) of Tree1: "
         "'TTreeView'"},
        {"object FormX: TFormX\n  object Label1: TLabel\n    object Label1: TLabel\n    end\n  end\nend\n", 3, "Label1",
         "forms/UnitX.form(3): a second object named 'Label1'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        try {
            formgen::ControlsHeader(parse(c.text), "forms/UnitX.form", ":/forms/UnitX.form");
            ADD_FAILURE() << "no error";
        } catch (const EDefinitionError& e) {
            EXPECT_EQ(e.Line(), c.line);
            EXPECT_EQ(e.Word(), c.word);
            EXPECT_STREQ(e.what(), c.says);
        }
    }
}

} // namespace
