#include "widgets/Menus.h"

#include "widgets/Dispatch.h"
#include "widgets/Form.h"
#include "widgets/SysUtils.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {
// Key code of the low byte to a Qt key (0: none).
int qtKey(unsigned vk, bool& keypad)
{
    keypad = false;
    if (vk >= 'A' && vk <= 'Z')
        return Qt::Key_A + static_cast<int>(vk - 'A');
    if (vk >= '0' && vk <= '9')
        return Qt::Key_0 + static_cast<int>(vk - '0');
    if (vk >= 0x70 && vk <= 0x87)
        return Qt::Key_F1 + static_cast<int>(vk - 0x70);
    if (vk >= 0x60 && vk <= 0x69) {
        keypad = true;
        return Qt::Key_0 + static_cast<int>(vk - 0x60);
    }
    switch (vk) {
    case 0x08: return Qt::Key_Backspace;
    case 0x09: return Qt::Key_Tab;
    case 0x0D: return Qt::Key_Return;
    case 0x1B: return Qt::Key_Escape;
    case 0x20: return Qt::Key_Space;
    case 0x21: return Qt::Key_PageUp;
    case 0x22: return Qt::Key_PageDown;
    case 0x23: return Qt::Key_End;
    case 0x24: return Qt::Key_Home;
    case 0x25: return Qt::Key_Left;
    case 0x26: return Qt::Key_Up;
    case 0x27: return Qt::Key_Right;
    case 0x28: return Qt::Key_Down;
    case 0x2D: return Qt::Key_Insert;
    case 0x2E: return Qt::Key_Delete;
    case 0x6A: keypad = true; return Qt::Key_Asterisk;
    case 0x6B: keypad = true; return Qt::Key_Plus;
    case 0x6D: keypad = true; return Qt::Key_Minus;
    case 0x6E: keypad = true; return Qt::Key_Period;
    case 0x6F: keypad = true; return Qt::Key_Slash;
    default: return 0;
    }
}
} // namespace

QKeySequence ShortCutToKeySequence(TShortCut sc)
{
    bool keypad = false;
    const int key = qtKey(sc & 0xFF, keypad);
    if (key == 0)
        return {};
    Qt::KeyboardModifiers mods;
    if (sc & scShift)
        mods |= Qt::ShiftModifier;
    if (sc & scCtrl)
        mods |= Qt::ControlModifier;
    if (sc & scAlt)
        mods |= Qt::AltModifier;
    if (keypad)
        mods |= Qt::KeypadModifier;
    return QKeySequence(QKeyCombination(mods, static_cast<Qt::Key>(key)));
}

// ---- TMenuItem ----

namespace {
// Every menu item alive, for IsShortCutKey (window thread only).
std::vector<TMenuItem*>& LiveItems()
{
    static std::vector<TMenuItem*> items;
    return items;
}
} // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), action_(new QAction(this))
{
    action_->setShortcutContext(Qt::WindowShortcut);
    connect(action_, &QAction::triggered, this, [this] { Click(); });
    LiveItems().push_back(this);
}

TMenuItem::~TMenuItem()
{
    auto& live = LiveItems();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    for (TMenuItem* child : items_)
        child->parentItem_ = nullptr;
    if (parentItem_)
        parentItem_->Remove(this);
    if (submenu_) {
        action_->setMenu(static_cast<QMenu*>(nullptr));
        delete submenu_;
    }
}

void TMenuItem::SetCaption(const std::string& c)
{
    if (caption_ == c)
        return;
    caption_ = c;
    updateAction();
}

void TMenuItem::SetShortCut(TShortCut sc)
{
    if (shortCut_ == sc)
        return;
    shortCut_ = sc;
    updateAction();
}

void TMenuItem::SetShortCutInt(int v)
{
    if (v < 0 || v > 0xFFFF)
        throw Exception("Invalid shortcut value " + std::to_string(v));
    SetShortCut(static_cast<TShortCut>(v));
}

void TMenuItem::SetGlobalShortCut(bool v)
{
    global_ = v;
    // Qt still holds it back while a modal window shadows the menu.
    action_->setShortcutContext(v ? Qt::ApplicationShortcut : Qt::WindowShortcut);
}

bool TMenuItem::IsShortCutKey(const QKeySequence& key)
{
    if (key.isEmpty())
        return false;
    return std::any_of(LiveItems().begin(), LiveItems().end(), [&key](const TMenuItem* item) {
        return item->shortCut_ != 0 && ShortCutToKeySequence(item->shortCut_) == key;
    });
}

void TMenuItem::SetEnabled(bool v)
{
    enabled_ = v;
    updateAction();
}

void TMenuItem::SetVisible(bool v)
{
    visible_ = v;
    updateAction();
}

void TMenuItem::SetChecked(bool v)
{
    checked_ = v;
    updateAction();
}

void TMenuItem::updateAction()
{
    action_->setSeparator(IsLine());
    // "-" only marks a separator: drawn, a separator's text would show, and
    // a screen reader would say it.
    action_->setText(IsLine() ? QString() : ToQt(caption_));
    action_->setShortcut(ShortCutToKeySequence(shortCut_));
    action_->setEnabled(enabled_);
    action_->setVisible(visible_);
    action_->setCheckable(checked_);
    action_->setChecked(checked_);
}

void TMenuItem::Add(TMenuItem* item)
{
    if (item->parentItem_)
        item->parentItem_->Remove(item);
    items_.push_back(item);
    item->parentItem_ = this;
    if (!submenu_) {
        submenu_ = new QMenu();
        action_->setMenu(submenu_);
    }
    submenu_->addAction(item->action_);
}

void TMenuItem::Remove(TMenuItem* item)
{
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    item->parentItem_ = nullptr;
    if (submenu_)
        submenu_->removeAction(item->action_);
}

void TMenuItem::Click()
{
    if (!enabled_)
        return;
    for (TComponent* o = Owner(); o; o = o->Owner())
        if (auto* form = dynamic_cast<TForm*>(o)) {
            if (form->BlockedByModal())
                return;
            break;
        }
    if (OnClick)
        Dispatch([this] { OnClick(this); });
}

bool TMenuItem::AcceptChild(TComponent* child)
{
    auto* item = dynamic_cast<TMenuItem*>(child);
    if (!item)
        return false;
    Add(item);
    return true;
}

void TMenuItem::ChildRemoved(TComponent* child)
{
    if (auto* item = dynamic_cast<TMenuItem*>(child); item && item->parentItem_ == this)
        Remove(item);
}

const ClassInfo& TMenuItem::StaticClass()
{
    static const ClassInfo info(
        "TMenuItem", nullptr, [](TComponent* o) -> TComponent* { return new TMenuItem(o); },
        {
            prop::Str<TMenuItem>("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption),
            prop::Bool<TMenuItem>("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false),
            prop::Bool<TMenuItem>("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true),
            prop::Bool<TMenuItem>("GlobalShortCut", &TMenuItem::GlobalShortCut, &TMenuItem::SetGlobalShortCut, false),
            prop::Inert("GroupIndex", DfmValue::Int(0)),
            prop::Str<TMenuItem>("Hint", &TMenuItem::Hint, &TMenuItem::SetHint),
            prop::Inert("RadioItem", DfmValue::Id("False")),
            prop::Int<TMenuItem>("ShortCut", &TMenuItem::ShortCutInt, &TMenuItem::SetShortCutInt, 0),
            prop::Bool<TMenuItem>("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true),
            prop::Event("OnClick", &TMenuItem::OnClick),
        });
    return info;
}

// ---- TMainMenu ----

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), root_(new TMenuItem(nullptr)) {}

TMainMenu::~TMainMenu()
{
    // Items are owned by the form; they only leave the root here.
    while (root_->Count() > 0)
        root_->Remove(root_->Items(0));
    delete root_;
}

bool TMainMenu::AcceptChild(TComponent* child)
{
    auto* item = dynamic_cast<TMenuItem*>(child);
    if (!item)
        return false;
    root_->Add(item);
    if (bar_)
        bar_->addAction(item->Action());
    return true;
}

void TMainMenu::ChildRemoved(TComponent* child)
{
    if (auto* item = dynamic_cast<TMenuItem*>(child); item && item->ParentItem() == root_)
        root_->Remove(item);
    if (bar_)
        if (auto* item = dynamic_cast<TMenuItem*>(child))
            bar_->removeAction(item->Action());
}

void TMainMenu::BuildMenuBar(QMenuBar* bar)
{
    bar_ = bar;
    bar->clear();
    for (int i = 0; i < root_->Count(); ++i)
        bar->addAction(root_->Items(i)->Action());
}

TMenuItem* TMainMenu::FindItem(TShortCut sc) const
{
    if (sc == 0)
        return nullptr;
    std::vector<TMenuItem*> stack{root_};
    while (!stack.empty()) {
        TMenuItem* it = stack.back();
        stack.pop_back();
        if (it != root_ && it->ShortCut() == sc)
            return it;
        for (int i = 0; i < it->Count(); ++i)
            stack.push_back(it->Items(i));
    }
    return nullptr;
}

const ClassInfo& TMainMenu::StaticClass()
{
    static const ClassInfo info("TMainMenu", nullptr, [](TComponent* o) -> TComponent* { return new TMainMenu(o); },
                                {
                                    prop::Inert("AutoMerge", DfmValue::Id("False")),
                                    prop::Inert("Left", std::nullopt),
                                    prop::Inert("Top", std::nullopt),
                                });
    return info;
}
