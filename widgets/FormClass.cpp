#include "widgets/FormClass.h"

#include "widgets/Form.h"

FormClass::FormClass(std::string name, std::string definition, std::vector<FormField> fields,
                     std::vector<FormHandler> handlers)
    : ClassInfo(std::move(name), &TForm::StaticClass(), nullptr, {}),
      definition_(std::move(definition)),
      fields_(std::move(fields)),
      handlers_(std::move(handlers))
{
}

const FormField* FormClass::FindField(const std::string& name) const
{
    for (const auto& f : fields_)
        if (f.name == name)
            return &f;
    return nullptr;
}

const FormHandler* FormClass::FindHandler(const std::string& name) const
{
    for (const auto& h : handlers_)
        if (h.name == name)
            return &h;
    return nullptr;
}
