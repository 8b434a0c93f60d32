#include "Embed.h"

#include "Pictures.h"

#include "text/DefinitionText.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace artgen {

namespace {

std::vector<uint8_t> readAll(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + p.string());
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

DfmObject parseFile(const std::filesystem::path& form)
{
    std::vector<uint8_t> textBytes = readAll(form);
    return ParseDefinition(std::string(textBytes.begin(), textBytes.end()), form.string());
}

void writeFile(const std::filesystem::path& out, const DfmObject& root)
{
    std::string written = WriteDefinition(root);
    std::ofstream o(out, std::ios::binary | std::ios::trunc);
    o.write(written.data(), std::streamsize(written.size()));
    if (!o)
        throw std::runtime_error("cannot write " + out.string());
}

void setControlData(DfmObject& root, const std::string& object, const std::vector<uint8_t>& gif,
                    const std::string& where)
{
    DfmObject* target = root.Find(object);
    if (!target)
        throw std::runtime_error(where + " has no object " + object);
    if (target->className != "TGIFImage")
        throw std::runtime_error(object + " is a " + target->className + ", not a TGIFImage");
    target->SetProperty("Data", DfmValue::Bin(PictureDataValue(gif)));
}

} // namespace

void embedPicture(const std::filesystem::path& form, const std::string& object, const std::filesystem::path& picture,
                  const std::filesystem::path& out)
{
    DfmObject root = parseFile(form);
    std::vector<uint8_t> bytes = readAll(picture);
    if (picture.extension() == ".ico") {
        if (root.name != object)
            throw std::runtime_error("the icon belongs to the form " + root.name + ", not to " + object);
        root.SetProperty("Icon.Data", DfmValue::Bin(std::move(bytes)));
    } else {
        setControlData(root, object, bytes, form.string());
    }
    writeFile(out, root);
}

int embedAll(const std::filesystem::path& formsDir)
{
    const std::vector<uint8_t> icon = iconFile();
    const std::vector<Decoration> decos = decorations();
    int written = 0;
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(formsDir))
        if (e.path().extension() == ".form")
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const auto& path : files) {
        DfmObject root = parseFile(path);
        if (path.filename() == MainWindowDefinition || root.Property("Icon.Data"))
            root.SetProperty("Icon.Data", DfmValue::Bin(icon));
        for (const Decoration& d : decos)
            if (d.definition == path.filename().string())
                setControlData(root, d.control, d.gif, path.string());
        writeFile(path, root);
        ++written;
    }
    return written;
}

} // namespace artgen
