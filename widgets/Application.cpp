#include "widgets/Application.h"

#include "text/Cp1252.h"
#include "widgets/Bevel.h"
#include "widgets/Colors.h"
#include "widgets/Form.h"
#include "widgets/Label.h"
#include "widgets/SysUtils.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

TApplication* Application = nullptr;

TApplication::TApplication()
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char arg0[] = "fauneta";
        static char* argv[] = {arg0, nullptr};
        ownQt_ = new QApplication(argc, argv);
    }
    init();
}

TApplication::TApplication(int& argc, char** argv)
{
    if (!QCoreApplication::instance())
        ownQt_ = new QApplication(argc, argv);
    init();
}

namespace {
// The text a selectable label draws: the label itself is what is read, so
// this stays out of a screen reader's way.
class HiddenFromReaders : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
    QString text(QAccessible::Text) const override { return {}; }
};

// A label is static text, unless an undrawn label stands in for it (one that
// names a control): then that one is read, and this one is not.
class LabelText : public QAccessibleWidget {
public:
    explicit LabelText(TLabel* label) : QAccessibleWidget(label, QAccessible::StaticText), label_(label) {}
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = s.invisible || label_->ReaderStandIn() != nullptr;
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        return label_->ReaderStandIn() ? QString() : QAccessibleWidget::text(t);
    }

private:
    TLabel* label_;
};

// Roles for the windowless controls, which Qt would otherwise present as
// plain client areas: labels are static text, pictures are graphics.
QAccessibleInterface* accessibleFor(const QString&, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        return nullptr;
    if (dynamic_cast<TLabel*>(w->parentWidget()))
        return new HiddenFromReaders(w, QAccessible::StaticText);
    if (auto* label = dynamic_cast<TLabel*>(object))
        return new LabelText(label);
    if (dynamic_cast<TBevel*>(object))
        return new QAccessibleWidget(w, QAccessible::Separator);
    if (dynamic_cast<TGraphicControl*>(object))
        return new QAccessibleWidget(w, QAccessible::Graphic);
    return nullptr;
}
} // namespace

void TApplication::init()
{
    previous_ = Application;
    Application = this;
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleFor), true);
    (void)factoryInstalled;
    QApplication::setQuitOnLastWindowClosed(false);
    // Menu bars are always drawn in their windows: saying so before the
    // first one is made spares it asking the desktop (over D-Bus) for a
    // global menu it would not use.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // One look everywhere, whatever the desktop: the layouts were drawn for
    // a classic flat-grey style.
    if (QStyle* s = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(s);
    // And one palette: the program's own light one (see Colors.h).
    ApplyProgramPalette();
    // Every word the user meets is Brazilian Portuguese, Qt's own ones too
    // ("Copiar", "Selecionar tudo" in the text boxes' menus), whatever the
    // desktop's language. Without the translations installed they stay English.
    qtTexts_ = new QTranslator;
    if (qtTexts_->load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts_);
}

TApplication::~TApplication()
{
    DestroyForms();
    if (qtTexts_)
        QCoreApplication::removeTranslator(qtTexts_);
    delete qtTexts_;
    Application = previous_;
    icon_ = QIcon();
    delete ownQt_;
}

void TApplication::SetTitle(const std::string& t)
{
    title_ = t;
    // The name desktops show for the program. (Not the display name: Qt
    // would append that to every window's caption.)
    QCoreApplication::setApplicationName(ToQt(t));
}

void TApplication::setMainForm(TForm* form)
{
    mainForm_ = form;
    if (!form->IconData().empty())
        QApplication::setWindowIcon(form->windowIcon());
}

void TApplication::DestroyForms()
{
    while (!forms_.empty()) {
        TForm* f = forms_.back();
        forms_.pop_back();
        delete f;
    }
    mainForm_ = nullptr;
    activeForm_ = nullptr;
}

void TApplication::Run()
{
    if (terminated_)
        return;
    if (mainForm_)
        mainForm_->SetVisible(true);
    if (!terminated_)
        QApplication::exec();
    terminated_ = true;
}

void TApplication::Terminate()
{
    terminated_ = true;
    QCoreApplication::exit(0);
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents();
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    const TMessageBoxRequest req{text, caption, flags};
    if (MessageBoxResponder)
        return MessageBoxResponder(req);
    QWidget* owner = !ModalStack.empty()                     ? static_cast<QWidget*>(ModalStack.back())
                     : (mainForm_ && mainForm_->isVisible()) ? static_cast<QWidget*>(mainForm_)
                                                             : nullptr;
    return ShowMessageBox(req, owner);
}

void TApplication::ShowException(const std::string& message)
{
    MessageBox(message + ".", title_, MB_OK | MB_ICONERROR);
}

void TApplication::HandleException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        ShowException(e.Message());
    } catch (const std::exception& e) {
        const auto text = cp1252::tryFromUtf8(e.what());
        ShowException(text ? *text : std::string(e.what()));
    } catch (...) {
        ShowException("Unknown exception");
    }
}
