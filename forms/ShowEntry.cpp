// TForm1::ShowEntry: the detail panel, in the documented order.
#include "forms/UnitPrincipal.h"

#include "data/BaseStats.h"
#include "views/Selection.h"

void TForm1::ShowEntry(const CatalogueEntry& entry)
{
    shownEntry_ = &entry;
    // What the tool windows come forward on.
    if (const auto creature = species::Creature::FromNumber(entry.Number))
        ShownCreature().SetCreature(*creature);
    RichEdit1->Lines().Clear();
    RichEdit2->Lines().Clear();

    // Only a sprite that exists but cannot be opened raises; the result of
    // the load is not the panel's concern, but what a screen reader says of
    // the picture follows what it shows: the new creature once loaded, nothing
    // once cleared (an undecodable file), the creature before when the file is
    // missing and the picture stays.
    const bool loaded = GIFImage1->LoadFromFile(GetAppDir() + "Imagens/" + entry.NumberText() + ".gif");
    if (GIFImage1->Empty())
        GIFImage1->SetAccessibleDescription({});
    else if (loaded)
        GIFImage1->SetAccessibleDescription(std::string(entry.Name));

    for (const std::string_view line : entry.Description)
        RichEdit1->Lines().Add(std::string(line));
    for (const std::string_view line : entry.Learnset)
        RichEdit2->Lines().Add(std::string(line));

    // A bar that failed to load keeps its picture, so it keeps its words too.
    // The bars are drawn in six segments, one per rating step (6 only for
    // #000 and #151), so the rating is said out of 6, as it is seen.
    // Each bar's hint gives the base stat it stands for ("Ataque: 49"), to
    // be read exactly where the bar only shows a step; #000 has no stats.
    TImage* const bars[] = {Image1, Image2, Image3, Image4, Image5};
    for (std::size_t i = 0; i < std::size(bars); ++i) {
        const std::string rating = std::to_string(entry.Ratings[i]);
        bars[i]->Picture().LoadFromFile(GetAppDir() + "Dados/" + rating + ".bmp");
        const Stat stat = static_cast<Stat>(i);
        const std::string base =
            entry.Number >= 1 && entry.Number <= SpeciesCount
                ? std::string(StatName(stat)) + ": " + std::to_string(BaseStatsOf(entry.Number).BaseOf(stat))
                : std::string();
        bars[i]->SetHint(base);
        bars[i]->SetAccessibleDescription(base.empty() ? rating + " de 6" : rating + " de 6, " + base);
    }

    Edit1->SetText(entry.Caption());
    Edit2->SetText(std::string(entry.Types));
    Edit3->SetText(std::string(entry.Versions));
    Edit4->SetText(std::string(entry.Evolution));
    Edit6->SetText(std::string(entry.Location));
}
