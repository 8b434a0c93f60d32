// Main menu and menu items. Shortcuts are stored as the 16-bit values the
// definitions hold: key code in the low byte, plus 0x2000 Shift, 0x4000 Ctrl,
// 0x8000 Alt.
#pragma once

#include "widgets/Classes.h"
#include "widgets/Properties.h"

#include <QKeySequence>
#include <QObject>

#include <cstdint>

class QAction;
class QMenu;
class QMenuBar;
class TForm;

using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
// The key sequence of a stored shortcut (empty for 0 or an unknown key).
QKeySequence ShortCutToKeySequence(TShortCut sc);

class TMenuItem : public QObject, public TComponent {
public:
    explicit TMenuItem(TComponent* owner = nullptr);
    ~TMenuItem() override;
    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    bool IsLine() const { return caption_ == "-"; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut sc);
    int ShortCutInt() const { return shortCut_; }
    void SetShortCutInt(int v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& h) { hint_ = h; }
    // The shortcut works from every window of the program that no modal
    // window blocks, not only from the menu's own (the tool windows' keys).
    bool GlobalShortCut() const { return global_; }
    void SetGlobalShortCut(bool v);
    // Whether a key is the shortcut of a menu item of the program: such a
    // key goes to the menu before a field's own editing keys (Ctrl+E is
    // "end of line" in a text field on Linux).
    static bool IsShortCutKey(const QKeySequence& key);

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    TMenuItem* ParentItem() const { return parentItem_; }
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);

    // The Qt action standing for this item (a submenu's title for items with children).
    QAction* Action() const { return action_; }
    QMenu* SubMenu() const { return submenu_; }

    TNotifyEvent OnClick;
    // Runs OnClick through the dispatch point (what choosing the item does).
    virtual void Click();

protected:
    bool AcceptChild(TComponent* child) override;
    void ChildRemoved(TComponent* child) override;

private:
    void updateAction();
    std::string caption_;
    TShortCut shortCut_ = 0;
    bool enabled_ = true, visible_ = true, checked_ = false, global_ = false;
    std::string hint_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parentItem_ = nullptr;
    QAction* action_;
    QMenu* submenu_ = nullptr;
};

class TMainMenu : public QObject, public TComponent {
public:
    explicit TMainMenu(TComponent* owner = nullptr);
    ~TMainMenu() override;
    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

    // The invisible root item whose children are the menu bar's menus.
    TMenuItem& Items() { return *root_; }
    const TMenuItem& Items() const { return *root_; }
    // Fills a menu bar with the top-level items.
    void BuildMenuBar(QMenuBar* bar);
    // Finds an item anywhere by its shortcut (0: none).
    TMenuItem* FindItem(TShortCut sc) const;

protected:
    bool AcceptChild(TComponent* child) override;
    void ChildRemoved(TComponent* child) override;

private:
    TMenuItem* root_;
    QMenuBar* bar_ = nullptr;
};
