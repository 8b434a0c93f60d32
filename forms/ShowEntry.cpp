#include "forms/ShowEntry.h"

#include "forms/UnitPrincipal.h"

void ShowEntry(const CatalogueEntry& entry)
{
    TForm1& f = *Form1;
    f.RichEdit1->Lines().Clear();
    f.RichEdit2->Lines().Clear();

    // Only a sprite that exists but cannot be opened raises; the result of
    // the load is not the panel's concern, but what a screen reader says of
    // the picture follows what it shows: the new creature once loaded, nothing
    // once cleared (an undecodable file), the creature before when the file is
    // missing and the picture stays.
    const bool loaded = f.GIFImage1->LoadFromFile(f.GetAppDir() + "Imagens/" + entry.NumberText() + ".gif");
    if (f.GIFImage1->Empty())
        f.GIFImage1->SetAccessibleDescription({});
    else if (loaded)
        f.GIFImage1->SetAccessibleDescription(std::string(entry.Name));

    for (const std::string_view line : entry.Description)
        f.RichEdit1->Lines().Add(std::string(line));
    for (const std::string_view line : entry.Learnset)
        f.RichEdit2->Lines().Add(std::string(line));

    // A bar that failed to load keeps its picture, so it keeps its words too.
    // The bars are drawn in six segments, one per rating step (6 only for
    // #000 and #151), so the rating is said out of 6, as it is seen.
    TImage* const bars[] = {f.Image1, f.Image2, f.Image3, f.Image4, f.Image5};
    for (std::size_t i = 0; i < std::size(bars); ++i) {
        const std::string rating = std::to_string(entry.Ratings[i]);
        bars[i]->Picture().LoadFromFile(f.GetAppDir() + "Dados/" + rating + ".bmp");
        bars[i]->SetAccessibleDescription(rating + " de 6");
    }

    f.Edit1->SetText(entry.Caption());
    f.SetShownEntry(&entry);
    f.Edit2->SetText(std::string(entry.Types));
    f.Edit3->SetText(std::string(entry.Versions));
    f.Edit4->SetText(std::string(entry.Evolution));
    f.Edit6->SetText(std::string(entry.Location));
}
