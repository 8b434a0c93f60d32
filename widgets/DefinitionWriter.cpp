#include "widgets/DefinitionWriter.h"

#include "widgets/Classes.h"
#include "widgets/Properties.h"

DfmObject ComponentToTree(const TComponent& root)
{
    DfmObject t;
    t.name = root.Name();
    t.className = root.ClassName();
    for (const PropInfo* p : root.Class().Properties())
        if (p->write)
            if (auto v = p->write(root))
                t.props.push_back({p->name, std::move(*v), 0, {}});
    for (const TComponent* c : root.DefinitionChildren())
        t.children.push_back(ComponentToTree(*c));
    return t;
}
