#include "catalogue/ShowEntry.h"

#include "forms/UnitPrincipal.h"

void ShowEntry(const CatalogueEntry& entry)
{
    TForm1& f = *Form1;
    f.RichEdit1->Lines().Clear();
    f.RichEdit2->Lines().Clear();

    // Only a sprite that exists but cannot be opened raises; the result of
    // the load is not the panel's concern.
    f.GIFImage1->LoadFromFile(f.GetAppDir() + "Imagens/" + entry.NumberText() + ".gif");

    for (const std::string_view line : entry.Description)
        f.RichEdit1->Lines().Add(std::string(line));
    for (const std::string_view line : entry.Learnset)
        f.RichEdit2->Lines().Add(std::string(line));

    TImage* const bars[] = {f.Image1, f.Image2, f.Image3, f.Image4, f.Image5};
    for (std::size_t i = 0; i < std::size(bars); ++i)
        bars[i]->Picture().LoadFromFile(f.GetAppDir() + "Dados/" + std::to_string(entry.Ratings[i]) + ".bmp");

    f.Edit1->SetText(entry.Caption());
    f.Edit2->SetText(std::string(entry.Types));
    f.Edit3->SetText(std::string(entry.Versions));
    f.Edit4->SetText(std::string(entry.Evolution));
    f.Edit6->SetText(std::string(entry.Location));
}
