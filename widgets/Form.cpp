#include "widgets/Form.h"

#include "widgets/Application.h"
#include "widgets/DefinitionReader.h"
#include "widgets/Dispatch.h"
#include "widgets/GroupBox.h"
#include "widgets/Label.h"
#include "widgets/ListView.h"
#include "widgets/Menus.h"
#include "widgets/SysUtils.h"
#include "widgets/ToolPlaces.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include <algorithm>

TForm::TForm() : QMainWindow(nullptr), TWinControl(nullptr, this), client_(new QWidget(this))
{
    visible_ = false;
    parentFont_ = false;
    parentShowHint_ = false;
    tabStop_ = false;
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Every role set here, so the controls take the program's colours from
    // their window, over any palette a desktop theme gives their classes.
    setPalette(ProgramPalette());
    setCentralWidget(client_);
    client_->setAutoFillBackground(true);
    client_->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::NoFocus);
    updateWindowFlags();
    FontChanged();
    ColorChanged();
}

TForm::~TForm()
{
    // A tool window open as the program ends opens there next time.
    if (tool_ && isVisible())
        keepPlace();
    if (Application) {
        auto& forms = Application->forms_;
        forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
        if (Application->mainForm_ == this)
            Application->mainForm_ = nullptr;
        auto& stack = Application->ModalStack;
        stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
    }
    if (modalLoop_)
        modalLoop_->exit();
    if (OnDestroy)
        Dispatch([this] { OnDestroy(this); });
}

void TForm::Initialize()
{
    const FormClass& fc = FormClassInfo();
    ReadForm(*this, LoadDefinitionText(fc.Definition()), fc.Definition());
    if (OnCreate)
        Dispatch([this] { OnCreate(this); });
}

void TForm::AfterDefinitionRead()
{
    // Alt+F4 closes any window, as the system menu's Close does; desktops
    // without a window manager do not provide it. A menu item that claims
    // the key itself (the main window's "Sair") keeps it.
    if (!altF4_ && !(menu_ && menu_->FindItem(scAlt | 0x73))) {
        altF4_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
        connect(altF4_, &QShortcut::activated, this, [this] { Close(); });
    }
    makeSortKeys();
    BuildTabChain(nullptr);
    UpdateHints();
    AssignAccessibleNames();
    updateWindowFlags();
    updateClientSize();
}

namespace {
// A key that is a menu item's shortcut goes to the menu, wherever the focus
// is: a text field would otherwise claim some as its own editing keys (Ctrl+E,
// "end of line", in the main window's search field, where the focus stays
// after every search). When no shortcut takes the key there (a modal window
// holds the input), the field still gets it as a key press.
class ShortcutsFirst : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::ShortcutOverride || !qobject_cast<QWindow*>(watched))
            return false;
        auto* key = static_cast<QKeyEvent*>(e);
        if (!TMenuItem::IsShortCutKey(QKeySequence(key->keyCombination())))
            return false;
        key->ignore();
        return true;
    }
};
} // namespace

void TForm::makeSortKeys()
{
    const QList<TListView*> tables = findChildren<TListView*>();
    if (tables.isEmpty() || !sortKeys_.empty())
        return;
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (dynamic_cast<TListView*>(now) && now->window() == this)
            lastTable_ = now;
    });
    for (int column = 0; column < 9; ++column) {
        auto* key = new QShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + column)), this);
        connect(key, &QShortcut::activated, this, [this, column] {
            // The table in focus, else the one that had it last, else the
            // first one shown (the moves window's filter sorts its table).
            auto* table = dynamic_cast<TListView*>(focusWidget());
            if (!table)
                table = dynamic_cast<TListView*>(lastTable_.data());
            if (!table)
                for (TListView* t : findChildren<TListView*>())
                    if (t->isVisible()) {
                        table = t;
                        break;
                    }
            if (table && !BlockedByModal())
                table->SortFromKey(column);
        });
        sortKeys_.push_back(key);
    }
}

namespace {
void collect(TWinControl* parent, std::vector<TControl*>& out)
{
    for (TControl* c : parent->Controls()) {
        out.push_back(c);
        if (auto* w = dynamic_cast<TWinControl*>(c))
            collect(w, out);
    }
}

// Blanks and line breaks at the ends (a box's text "\r\n" says nothing).
std::string trim(const std::string& s)
{
    constexpr const char* kBlank = " \t\r\n";
    const auto b = s.find_first_not_of(kBlank);
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(kBlank) - b + 1);
}
} // namespace

void TForm::AssignAccessibleNames()
{
    std::vector<TControl*> all;
    collect(this, all);
    std::vector<TLabel*> labels;
    for (TControl* c : all)
        if (auto* l = dynamic_cast<TLabel*>(c))
            labels.push_back(l);
    auto rectOf = [this](TControl* c) {
        return QRect(c->Widget()->mapTo(client_, QPoint(0, 0)), QSize(c->Width(), c->Height()));
    };
    for (TControl* c : all) {
        if (!c->Widget()->accessibleName().isEmpty())
            continue;
        const QRect r = rectOf(c);
        std::vector<TLabel*> beside;
        TLabel* above = nullptr;
        int aboveGap = 1 << 30;
        for (TLabel* l : labels) {
            const QRect lr = rectOf(l);
            const bool rowOverlap = lr.bottom() >= r.top() && lr.top() <= r.bottom();
            const bool colOverlap = lr.left() <= r.right() && lr.right() >= r.left();
            if (rowOverlap && lr.right() < r.left() + 2 && r.left() - lr.right() <= 48)
                beside.push_back(l);
            else if (colOverlap && lr.bottom() < r.top() + 2 && r.top() - lr.bottom() <= 20 &&
                     r.top() - lr.bottom() < aboveGap) {
                above = l;
                aboveGap = r.top() - lr.bottom();
            }
        }
        std::string name;
        if (!beside.empty()) {
            std::sort(beside.begin(), beside.end(), [](TLabel* a, TLabel* b) { return a->Top() < b->Top(); });
            for (TLabel* l : beside) {
                if (!name.empty())
                    name += ' ';
                name += trim(l->Caption());
            }
        } else if (above) {
            name = trim(above->Caption());
        }
        // A field alone in a group box is named by the group's caption.
        if (name.empty())
            if (auto* group = dynamic_cast<TGroupBox*>(c->Parent())) {
                int fields = 0;
                for (TControl* sibling : group->Controls())
                    fields += dynamic_cast<TWinControl*>(sibling) != nullptr;
                if (fields == 1)
                    name = trim(group->Caption());
            }
        if (name.empty())
            name = trim(c->Hint().substr(0, c->Hint().find('|')));
        // Nothing meaningful: no name at all, rather than the component's
        // ("Label4") or stray text.
        if (name.empty())
            name = trim(c->GetText());
        if (!name.empty() && name.back() == ':')
            name.pop_back();
        c->SetAccessibleName(name);
    }
    SetAccessibleName(text_);
}

bool TForm::AcceptChild(TComponent* child)
{
    DoWaiting(&TForm::applyClientFont);
    if (dynamic_cast<TControl*>(child))
        return TWinControl::AcceptChild(child);
    return true;
}

void TForm::SetClientWidth(int v)
{
    clientWidth_ = std::max(0, v);
    updateClientSize();
}

void TForm::SetClientHeight(int v)
{
    clientHeight_ = std::max(0, v);
    updateClientSize();
}

bool TForm::sizeable() const
{
    return borderStyle_ == TFormBorderStyle::bsSizeable || borderStyle_ == TFormBorderStyle::bsSizeToolWin;
}

// A window of fixed size keeps its designed client area; one that may be
// resized opens at it and may grow from it, never shrink below it.
void TForm::updateClientSize()
{
    if (sizeable() && !Loading()) {
        client_->setMinimumSize(clientWidth_, clientHeight_);
        client_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        client_->resize(clientWidth_, clientHeight_);
        clientLaidOut_ = client_->size();
        client_->installEventFilter(this);
    } else {
        client_->setFixedSize(clientWidth_, clientHeight_);
    }
    adjustSize();
}

bool TForm::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == client_ && e->type() == QEvent::Resize && clientLaidOut_.isValid()) {
        const QSize now = client_->size();
        const QSize grown = now - clientLaidOut_;
        clientLaidOut_ = now;
        if (!grown.isNull()) {
            ChildrenFollow(grown.width(), grown.height());
            if (OnResize)
                Dispatch([this] { OnResize(this); });
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    // The window's outer size follows from its client size and menu; the
    // stored position is used only when the form is placed as designed.
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TForm::SetBorderStyle(TFormBorderStyle s)
{
    borderStyle_ = s;
    updateWindowFlags();
}

void TForm::SetBorderIcons(unsigned icons)
{
    borderIcons_ = icons;
    updateWindowFlags();
}

void TForm::updateWindowFlags()
{
    const bool dialog = borderStyle_ == TFormBorderStyle::bsDialog;
    Qt::WindowFlags f = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (borderStyle_ == TFormBorderStyle::bsNone)
        f = Qt::Window | Qt::FramelessWindowHint;
    if (borderIcons_ & biSystemMenu)
        f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((borderIcons_ & biSystemMenu) && (borderIcons_ & biMinimize) && !dialog)
        f |= Qt::WindowMinimizeButtonHint;
    if ((borderIcons_ & biSystemMenu) && (borderIcons_ & biMaximize) && sizeable())
        f |= Qt::WindowMaximizeButtonHint;
    const bool wasVisible = isVisible();
    if (windowFlags() != f)
        setWindowFlags(f);
    layout()->setSizeConstraint(sizeable() ? QLayout::SetMinimumSize : QLayout::SetFixedSize);
    if (wasVisible && !isVisible())
        show();
}

void TForm::SetMenu(TMainMenu* menu)
{
    menu_ = menu;
    if (menu_) {
        menuBar()->setNativeMenuBar(false);
        menu_->BuildMenuBar(menuBar());
        menuBar()->show();
    } else if (QMenuBar* bar = qobject_cast<QMenuBar*>(menuWidget())) {
        bar->clear();
        bar->hide();
    }
    adjustSize();
}

void TForm::SetIconData(const std::vector<std::uint8_t>& bytes)
{
    QIcon icon;
    if (Application && !bytes.empty() && bytes == Application->iconBytes_) {
        // The windows all carry the same icon: decoded once.
        icon = Application->icon_;
    } else if (!bytes.empty()) {
        QPixmap pm;
        if (!pm.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size()), "ICO"))
            throw EInvalidGraphic("Icon image is not valid");
        icon = QIcon(pm);
        if (Application) {
            Application->iconBytes_ = bytes;
            Application->icon_ = icon;
        }
    }
    iconData_ = bytes;
    setWindowIcon(icon);
    if (Application && Application->MainForm() == this && !bytes.empty())
        QApplication::setWindowIcon(windowIcon());
}

void TForm::FontChanged()
{
    // A definition gives the font in five properties in a row: it is applied
    // once, before the first control comes in (or at the end of the reading).
    AfterLoading(&TForm::applyClientFont);
}

void TForm::applyClientFont()
{
    client_->setFont(font_.ToQFont());
    QPalette pal = client_->palette();
    const QColor col = ColorToQColor(font_.Color);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Active, role, col), pal.setColor(QPalette::Inactive, role, col);
    client_->setPalette(pal);
}

void TForm::ColorChanged()
{
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, ColorToQColor(color_));
    client_->setPalette(pal);
}

void TForm::TextChanged()
{
    setWindowTitle(ToQt(text_));
    SetAccessibleName(text_);
}

void TForm::SetVisible(bool v)
{
    if (v) {
        if (!shownOnce_ && tool_) {
            shownOnce_ = true;
            adjustSize();
            placeTool();
        }
        if (!shownOnce_) {
            shownOnce_ = true;
            adjustSize();
            QScreen* scr = screen() ? screen() : QGuiApplication::primaryScreen();
            QRect area = scr ? scr->availableGeometry() : QRect(0, 0, 1024, 768);
            if (position_ == TPosition::poMainFormCenter && Application && Application->MainForm() &&
                Application->MainForm() != this)
                area = Application->MainForm()->frameGeometry();
            switch (position_) {
            case TPosition::poScreenCenter:
            case TPosition::poDesktopCenter:
            case TPosition::poMainFormCenter:
            case TPosition::poOwnerFormCenter: move(area.center() - QPoint(width() / 2, height() / 2)); break;
            case TPosition::poDesigned: move(left_, top_); break;
            default: break;
            }
        }
        visible_ = true;
        show();
        if (QWindow* w = windowHandle()) {
            if (!shortcutsFirst_)
                shortcutsFirst_ = new ShortcutsFirst(this);
            w->installEventFilter(shortcutsFirst_);
        }
        raise();
        activateWindow();
        // Showing a window makes it the active one now, not whenever the
        // window system gets round to saying so: OnActivate runs before a
        // modal run starts.
        becameActive();
    } else {
        visible_ = false;
        hide();
    }
}

void TForm::ShowTool()
{
    if (Modal())
        throw EInvalidOperation("A modal window cannot become a tool window");
    if (isVisible()) {
        if (OnShow)
            Dispatch([this] { OnShow(this); });
    } else {
        tool_ = true;
        if (Application && Application->MainForm() && Application->MainForm() != this) {
            create();
            if (QWindow* w = windowHandle(); w && Application->MainForm()->windowHandle())
                w->setTransientParent(Application->MainForm()->windowHandle());
        }
        SetVisible(true);
    }
    raise();
    activateWindow();
}

void TForm::placeTool()
{
    TForm* main = Application ? Application->MainForm() : nullptr;
    QScreen* scr = main && main->screen() ? main->screen() : QGuiApplication::primaryScreen();
    const QRect area = scr ? scr->availableGeometry() : QRect(0, 0, 1024, 768);
    // The window's frame is not known before it is shown: the main window's
    // stands in for it.
    const QSize frame = main && main->isVisible() ? main->frameGeometry().size() - main->size() : QSize(0, 0);
    if (const std::optional<QRect> saved = toolplaces::Load(Name())) {
        if (sizeable())
            resize(saved->size().expandedTo(minimumSize()));
        // The screen it was left on, if that is still there.
        QRect on = area;
        if (QScreen* was = QGuiApplication::screenAt(QRect(saved->topLeft(), size()).center()))
            on = was->availableGeometry();
        const QRect r = toolplaces::KeptOnScreen(QRect(saved->topLeft(), size() + frame), on);
        if (sizeable() && r.size() != size() + frame)
            resize(r.size() - frame);
        move(r.topLeft());
        return;
    }
    std::vector<QRect> others;
    if (Application)
        for (TForm* f : Application->Forms())
            if (f != this && f != main && f->isVisible())
                others.push_back(f->frameGeometry());
    const QRect mainPlace = main && main->isVisible() ? main->frameGeometry() : QRect();
    move(toolplaces::PlaceBeside(area, mainPlace, others, size() + frame).topLeft());
}

void TForm::keepPlace() const
{
    toolplaces::Save(Name(), QRect(pos(), size()));
}

int TForm::ShowModal()
{
    if (isVisible() || modalLoop_)
        throw EInvalidOperation("Cannot make a visible window modal");
    modalResult_ = mrNone;
    setWindowModality(Qt::ApplicationModal);
    if (Application)
        Application->ModalStack.push_back(this);
    // The window that had the input gets it back when the run ends.
    QPointer<QWidget> previous = QApplication::activeWindow();
    if (!previous && Application && Application->MainForm() && Application->MainForm() != this)
        previous = Application->MainForm();
    QEventLoop loop;
    modalLoop_ = &loop;
    if (previous && previous != this) {
        create();
        if (QWindow* w = windowHandle(); w && previous->windowHandle())
            w->setTransientParent(previous->windowHandle());
    }
    SetVisible(true);
    if (Application && Application->ModalHook)
        QTimer::singleShot(0, this, [this] {
            if (modalLoop_ && Application && Application->ModalHook) {
                const auto hook = Application->ModalHook;
                Dispatch([&] { hook(*this); });
            }
        });
    if (modalResult_ == mrNone && isVisible() && !(Application && Application->Terminated()))
        loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
    if (Application) {
        auto& stack = Application->ModalStack;
        stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
    }
    if (isVisible())
        SetVisible(false);
    setWindowModality(Qt::NonModal);
    if (previous && previous->isVisible()) {
        previous->activateWindow();
        QApplication::setActiveWindow(previous);
        if (auto* form = dynamic_cast<TForm*>(previous.data()))
            form->becameActive();
    }
    return modalResult_;
}

bool TForm::BlockedByModal() const
{
    return Application && !Application->ModalStack.empty() && Application->ModalStack.back() != this;
}

void TForm::SetModalResult(int r)
{
    modalResult_ = r;
    if (r != mrNone && modalLoop_)
        Close();
}

void TForm::Close()
{
    QWidget::close();
}

bool TForm::closeQuery()
{
    TCloseAction action = TCloseAction::caHide;
    bool failed = false;
    if (OnClose)
        Dispatch([&] {
            try {
                OnClose(this, action);
            } catch (...) {
                failed = true;
                throw;
            }
        });
    if (failed || action == TCloseAction::caNone) {
        if (modalLoop_)
            modalResult_ = mrNone;
        return false;
    }
    if (modalLoop_) {
        if (modalResult_ == mrNone)
            modalResult_ = mrCancel;
        modalLoop_->exit();
        return true;
    }
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return true;
    }
    if (action == TCloseAction::caMinimize) {
        showMinimized();
        return false;
    }
    if (action == TCloseAction::caFree)
        deleteLater();
    return true;
}

void TForm::closeEvent(QCloseEvent* e)
{
    if (closing_) {
        e->ignore();
        return;
    }
    closing_ = true;
    const bool ok = closeQuery();
    closing_ = false;
    if (ok) {
        visible_ = false;
        e->accept();
    } else {
        e->ignore();
    }
}

void TForm::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && Application &&
        Application->MainForm() != this) {
        Close();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

void TForm::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (e->spontaneous())
        return;
    visible_ = true;
    if (OnShow)
        Dispatch([this] { OnShow(this); });
}

void TForm::hideEvent(QHideEvent* e)
{
    QMainWindow::hideEvent(e);
    if (e->spontaneous())
        return;
    if (tool_)
        keepPlace();
    visible_ = false;
    if (OnHide)
        Dispatch([this] { OnHide(this); });
}

void TForm::becameActive()
{
    // OnActivate marks a change of the program's active window, not the
    // program coming back from another one.
    if (!Application || Application->activeForm_ == this)
        return;
    TForm* previous = Application->activeForm_;
    Application->activeForm_ = this;
    if (previous && previous->OnDeactivate)
        Dispatch([previous] { previous->OnDeactivate(previous); });
    if (OnActivate)
        Dispatch([this] { OnActivate(this); });
}

bool TForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        becameActive();
    // A new desktop theme may bring its palettes back: the program keeps its own.
    if (e->type() == QEvent::ThemeChange)
        ApplyProgramPalette();
    return QMainWindow::event(e);
}

namespace {
PropInfo formIconProp()
{
    return {"Icon.Data",
            [](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                ctx.Expect(v, DfmValue::Kind::Binary);
                try {
                    prop::as<TForm>(c).SetIconData(v.bytes);
                } catch (const Exception& e) {
                    ctx.Fail(e.Message() + " in");
                }
            },
            [](const TComponent& c) -> std::optional<DfmValue> {
                const auto& bytes = prop::as<TForm>(c).IconData();
                if (bytes.empty())
                    return std::nullopt;
                return DfmValue::Bin(bytes);
            }};
}

PropInfo formMenuProp()
{
    PropInfo p{"Menu",
               [](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                   ctx.Expect(v, DfmValue::Kind::Ident);
                   auto& form = prop::as<TForm>(c);
                   auto* menu = dynamic_cast<TMainMenu*>(form.FindComponent(v.text));
                   if (!menu)
                       ctx.Fail("no main menu named");
                   form.SetMenu(menu);
               },
               [](const TComponent& c) -> std::optional<DfmValue> {
                   const auto* m = prop::as<TForm>(c).Menu();
                   if (!m)
                       return std::nullopt;
                   return DfmValue::Id(m->Name());
               }};
    p.deferred = true;
    return p;
}
} // namespace

const ClassInfo& TForm::StaticClass()
{
    static const ClassInfo info(
        "TForm", &TWinControl::StaticClass(), nullptr,
        {
            prop::Inert("Width", std::nullopt),
            prop::Inert("Height", std::nullopt),
            prop::Inert("HorzScrollBar.Visible", std::nullopt),
            prop::Inert("VertScrollBar.Visible", std::nullopt),
            prop::Inert("AutoScroll", std::nullopt),
            prop::Set<TForm>("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons,
                             {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"},
                             biSystemMenu | biMinimize | biMaximize),
            prop::Enum<TForm, TFormBorderStyle>(
                "BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle,
                {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
                TFormBorderStyle::bsSizeable),
            prop::Str<TControl>("Caption", &TControl::GetText, &TControl::SetText),
            prop::Int<TForm>("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight, std::nullopt),
            prop::Int<TForm>("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth, std::nullopt),
            prop::Bool<TControl>("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, false),
            prop::Bool<TControl>("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, false),
            prop::Bool<TControl>("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false),
            prop::Bool<TWinControl>("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false),
            formIconProp(),
            formMenuProp(),
            prop::Inert("OldCreateOrder", std::nullopt),
            prop::Enum<TForm, TPosition>("Position", &TForm::Position, &TForm::SetPosition,
                                         {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                          "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"},
                                         TPosition::poDesigned),
            prop::Bool<TControl>("Visible", &TControl::Visible, &TControl::SetVisible, false),
            prop::Int<TForm>("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch, std::nullopt),
            prop::Int<TForm>("TextHeight", &TForm::TextHeight, &TForm::SetTextHeight, std::nullopt),
            prop::Event("OnActivate", &TForm::OnActivate),
            prop::Event("OnClose", &TForm::OnClose),
            prop::Event("OnCreate", &TForm::OnCreate),
            prop::Event("OnDeactivate", &TForm::OnDeactivate),
            prop::Event("OnDestroy", &TForm::OnDestroy),
            prop::Event("OnHide", &TForm::OnHide),
            prop::Event("OnResize", &TForm::OnResize),
            prop::Event("OnShow", &TForm::OnShow),
        });
    return info;
}
