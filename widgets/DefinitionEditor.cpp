#include "widgets/DefinitionEditor.h"

#include "widgets/Form.h"
#include "widgets/Properties.h"

std::string SetDefinitionProperty(std::string_view text, const std::string& file, const std::string& objectName,
                                  const std::string& property, const DfmValue* value)
{
    DfmObject root = ParseDefinition(text, file);
    DfmObject* o = root.Find(objectName);
    if (!o)
        throw EDefinitionError(file, root.line, objectName, "no object named");
    const ClassInfo* cls = o == &root ? &TForm::StaticClass() : Registry::Find(o->className);
    if (!cls)
        throw EDefinitionError(file, o->line, o->className, "unknown class");
    const PropInfo* p = cls->FindProperty(property);
    if (!p || !p->read)
        throw EDefinitionError(file, o->line, property, "unknown property of " + o->className);
    if (value)
        o->SetProperty(property, *value);
    else
        o->RemoveProperty(property);
    return WriteDefinition(root);
}
