#include "widgets/StandardClasses.h"

#include "widgets/Bevel.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"
#include "widgets/ComboBox.h"
#include "widgets/Edit.h"
#include "widgets/GIFImage.h"
#include "widgets/GroupBox.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/ListBox.h"
#include "widgets/ListView.h"
#include "widgets/Menus.h"
#include "widgets/RichEdit.h"
#include "widgets/StringGrid.h"

void RegisterStandardClasses()
{
    for (const ClassInfo* c :
         {&TLabel::StaticClass(), &TBevel::StaticClass(), &TImage::StaticClass(), &TButton::StaticClass(),
          &TBitBtn::StaticClass(), &TEdit::StaticClass(), &TListBox::StaticClass(), &TRichEdit::StaticClass(),
          &TComboBox::StaticClass(), &TGroupBox::StaticClass(), &TMainMenu::StaticClass(), &TMenuItem::StaticClass(),
          &TGIFImage::StaticClass(), &TStringGrid::StaticClass(), &TListView::StaticClass(), &TCheckBox::StaticClass()})
        Registry::Register(*c);
}
