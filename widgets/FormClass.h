// Form class tables.
//
// A form class declares its fields and handlers in a table, which the window
// definition reader uses to bind `object ListBox1: TListBox` to the member
// ListBox1 and `OnClick = ListBox1Click` to the member function:
//
//   const FormClass& TFormX::StaticFormClass()
//   {
//       static const FormClass info = FormTable<TFormX>()
//           .Field("Button1", &TFormX::Button1)
//           .Handler("Button1Click", &TFormX::Button1Click)
//           .Build("TFormX", ":/forms/UnitX.form");
//       return info;
//   }
#pragma once

#include "widgets/Classes.h"
#include "widgets/Properties.h"

#include <any>
#include <functional>
#include <string>
#include <typeindex>
#include <vector>

class TForm;

struct FormField {
    std::string name;
    const ClassInfo* cls; // the member's declared class
    // Stores the component in the member; false when it is not of the member's class.
    std::function<bool(TForm&, TComponent*)> bind;
    std::function<TComponent*(const TForm&)> get;
};

struct FormHandler {
    std::string name;
    std::type_index signature;
    // std::function<std::function<void(Args...)>(TForm&)>: the member bound to a form.
    std::any binder;
};

class FormClass : public ClassInfo {
public:
    FormClass(std::string name, std::string definition, std::vector<FormField> fields,
              std::vector<FormHandler> handlers);
    // Path of the window definition (a Qt resource such as ":/forms/UnitX.form").
    const std::string& Definition() const { return definition_; }
    const std::vector<FormField>& Fields() const { return fields_; }
    const std::vector<FormHandler>& Handlers() const { return handlers_; }
    const FormField* FindField(const std::string& name) const;
    const FormHandler* FindHandler(const std::string& name) const;

private:
    std::string definition_;
    std::vector<FormField> fields_;
    std::vector<FormHandler> handlers_;
};

namespace prop {
// Event property: the value names a handler of the form being read.
template <class C, class... A>
PropInfo Event(std::string name, TEvent<A...> C::*member)
{
    return {name,
            [member](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                ctx.Expect(v, DfmValue::Kind::Ident);
                const FormHandler* h = ctx.FormClassInfo() ? ctx.FormClassInfo()->FindHandler(v.text) : nullptr;
                if (!h)
                    ctx.Fail("unknown handler");
                using Binder = std::function<std::function<void(A...)>(TForm&)>;
                const Binder* b = std::any_cast<Binder>(&h->binder);
                if (!b)
                    ctx.Fail("handler does not fit the event");
                prop::as<C>(c).*member = TEvent<A...>((*b)(*ctx.Form()), v.text);
            },
            [member](const TComponent& c) -> std::optional<DfmValue> {
                const auto& e = prop::as<C>(c).*member;
                if (e.HandlerName.empty())
                    return std::nullopt;
                return DfmValue::Id(e.HandlerName);
            }};
}
} // namespace prop

template <class F>
class FormTable {
public:
    template <class T>
    FormTable& Field(const char* name, T* F::*member)
    {
        fields_.push_back({name, &T::StaticClass(),
                           [member](TForm& f, TComponent* c) {
                               T* t = dynamic_cast<T*>(c);
                               if (!t)
                                   return false;
                               static_cast<F&>(f).*member = t;
                               return true;
                           },
                           [member](const TForm& f) -> TComponent* { return static_cast<const F&>(f).*member; }});
        return *this;
    }
    template <class... A>
    FormTable& Handler(const char* name, void (F::*h)(A...))
    {
        std::function<std::function<void(A...)>(TForm&)> binder = [h](TForm& f) {
            F* self = static_cast<F*>(&f);
            return std::function<void(A...)>([self, h](A... a) { (self->*h)(a...); });
        };
        handlers_.push_back({name, std::type_index(typeid(void(A...))), binder});
        return *this;
    }
    FormClass Build(const char* className, const char* definition)
    {
        return FormClass(className, definition, std::move(fields_), std::move(handlers_));
    }

private:
    std::vector<FormField> fields_;
    std::vector<FormHandler> handlers_;
};
