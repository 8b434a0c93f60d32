#include "Embed.h"

#include "widgets/Definition.h"

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

} // namespace

std::vector<uint8_t> controlData(const std::vector<uint8_t>& gif)
{
    std::vector<uint8_t> out;
    const auto n = uint32_t(gif.size());
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(n >> (8 * i)));
    out.insert(out.end(), gif.begin(), gif.end());
    return out;
}

void embedPicture(const std::filesystem::path& form, const std::string& object, const std::filesystem::path& picture,
    const std::filesystem::path& out)
{
    std::vector<uint8_t> textBytes = readAll(form);
    std::string text(textBytes.begin(), textBytes.end());
    DfmObject root = ParseDefinition(text, form.string());
    std::vector<uint8_t> bytes = readAll(picture);
    if (picture.extension() == ".ico") {
        if (root.name != object)
            throw std::runtime_error("the icon belongs to the form " + root.name + ", not to " + object);
        root.SetProperty("Icon.Data", DfmValue::Bin(std::move(bytes)));
    } else {
        DfmObject* target = root.Find(object);
        if (!target)
            throw std::runtime_error(form.string() + " has no object " + object);
        if (target->className != "TGIFImage")
            throw std::runtime_error(object + " is a " + target->className + ", not a TGIFImage");
        target->SetProperty("Data", DfmValue::Bin(controlData(bytes)));
    }
    std::string written = WriteDefinition(root);
    std::ofstream o(out, std::ios::binary | std::ios::trunc);
    o.write(written.data(), std::streamsize(written.size()));
    if (!o)
        throw std::runtime_error("cannot write " + out.string());
}

} // namespace artgen
