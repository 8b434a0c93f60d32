#include "widgets/DefinitionReader.h"

#include "widgets/Form.h"
#include "widgets/Properties.h"
#include "widgets/SysUtils.h"

#include <QFile>

namespace {

struct Deferred {
    TComponent* component;
    const PropInfo* prop;
    const DfmProperty* value;
};

struct FormReader {
    TForm& form;
    ReadContext ctx;
    std::vector<TComponent*> created;
    std::vector<Deferred> deferred;

    void apply(TComponent& c, const DfmProperty& p, const PropInfo* info)
    {
        ctx.Line = p.line;
        ctx.Word = p.word;
        info->read(c, p.value, ctx);
    }

    void props(TComponent& c, const DfmObject& o)
    {
        for (const auto& p : o.props) {
            const PropInfo* info = c.Class().FindProperty(p.name);
            if (!info || !info->read)
                throw EDefinitionError(ctx.File(), p.line, p.name, "unknown property of " + o.className);
            if (info->deferred)
                deferred.push_back({&c, info, &p});
            else
                apply(c, p, info);
        }
    }

    void child(TComponent& parent, const DfmObject& o)
    {
        const ClassInfo* cls = Registry::Find(o.className);
        if (!cls || !cls->Creatable())
            throw EDefinitionError(ctx.File(), o.line, o.className, "unknown class");
        if (form.FindComponent(o.name) || o.name == form.Name())
            throw EDefinitionError(ctx.File(), o.line, o.name, "duplicate component name");
        TComponent* c = cls->Create(&form);
        c->SetName(o.name);
        c->SetLoading(true);
        created.push_back(c);
        if (!parent.InsertDefinitionChild(c))
            throw EDefinitionError(ctx.File(), o.line, o.className, parent.ClassName() + " cannot hold a");
        if (const FormField* f = form.FormClassInfo().FindField(o.name)) {
            if (!f->bind(form, c))
                throw EDefinitionError(ctx.File(), o.line, o.className,
                                       "field " + o.name + " of " + form.ClassName() + " is not a");
        }
        props(*c, o);
        for (const auto& k : o.children)
            child(*c, k);
    }
};

} // namespace

void ReadForm(TForm& form, const DfmObject& tree, const std::string& file)
{
    FormReader r{form, ReadContext(file, &form, &form.FormClassInfo()), {}, {}};
    if (tree.className != form.ClassName())
        throw EDefinitionError(file, tree.line, tree.className,
                               "definition is not for class " + form.ClassName() + ":");
    form.SetName(tree.name);
    form.SetLoading(true);
    r.created.push_back(&form);
    r.props(form, tree);
    for (const auto& c : tree.children)
        r.child(form, c);
    for (const auto& d : r.deferred)
        r.apply(*d.component, *d.value, d.prop);
    // Every field the form declares must have been read.
    for (const FormField& f : form.FormClassInfo().Fields())
        if (!form.FindComponent(f.name))
            throw EDefinitionError(file, tree.line, f.name, "no object for field");
    for (TComponent* c : r.created)
        c->Loaded();
    form.AfterDefinitionRead();
}

void ReadForm(TForm& form, std::string_view text, const std::string& file)
{
    ReadForm(form, ParseDefinition(text, file), file);
}

std::string LoadDefinitionText(const std::string& path)
{
    QFile f(ToQt(path));
    if (!f.open(QIODevice::ReadOnly))
        throw EFOpenError(path);
    const QByteArray data = f.readAll();
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}
