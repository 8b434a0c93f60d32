// Sets one property of a window definition file in place, through the
// definition writer (so the file keeps the layout the reader expects):
//
//   fauneta_formedit FILE OBJECT PROPERTY --gif PICTURE.gif   Data of a picture control
//                                                             (count + the GIF's bytes)
//   fauneta_formedit FILE OBJECT PROPERTY --binary FILE       raw bytes, e.g. Icon.Data
//                                                             of the form from a .ico file
//   fauneta_formedit FILE OBJECT PROPERTY --value TEXT        a value as definitions write
//                                                             it: 12, clWhite, 'text', [a, b]
//   fauneta_formedit FILE OBJECT PROPERTY --remove
//
// OBJECT is a component's name, or the form's own name (Form1) for the form.
#include "text/DefinitionText.h"
#include "widgets/DefinitionEditor.h"
#include "widgets/GIFImage.h"
#include "widgets/SysUtils.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {
int usage()
{
    std::fputs("usage: fauneta_formedit FILE OBJECT PROPERTY (--gif F | --binary F | --value TEXT | --remove)\n",
               stderr);
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    // Classes whose files define them; naming them links them in.
    Registry::Register(TGIFImage::StaticClass());
    if (argc < 5)
        return usage();
    const std::string file = argv[1], object = argv[2], property = argv[3], mode = argv[4];
    try {
        DfmValue value;
        bool remove = false;
        if (mode == "--gif" && argc == 6)
            value = DfmValue::Bin(PictureDataValue(ReadWholeFile(argv[5])));
        else if (mode == "--binary" && argc == 6)
            value = DfmValue::Bin(ReadWholeFile(argv[5]));
        else if (mode == "--value" && argc == 6)
            value =
                ParseDefinition("object V: TV\n  P = " + std::string(argv[5]) + "\nend\n", "--value").props.at(0).value;
        else if (mode == "--remove" && argc == 5)
            remove = true;
        else
            return usage();

        std::ifstream in(file, std::ios::binary);
        if (!in)
            throw EFOpenError(file);
        std::stringstream text;
        text << in.rdbuf();
        const std::string out = SetDefinitionProperty(text.str(), file, object, property, remove ? nullptr : &value);
        const std::string tmp = file + ".tmp";
        {
            std::ofstream o(tmp, std::ios::binary | std::ios::trunc);
            o << out;
            if (!o.flush())
                throw Exception("cannot write " + tmp);
        }
        if (std::rename(tmp.c_str(), file.c_str()) != 0)
            throw Exception("cannot replace " + file);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fauneta_formedit: %s\n", e.what());
        return 1;
    }
    return 0;
}
