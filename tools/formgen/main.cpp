// fauneta_formgen <definition.form> <resource path> <header>: writes the
// header of a window's controls (FormGen.h). A build step: on an error it
// says where and fails, so the build stops there.
#include "FormGen.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: fauneta_formgen <definition.form> <resource path> <header>\n";
        return 2;
    }
    const std::filesystem::path definition = argv[1], header = argv[3];
    try {
        std::ifstream in(definition, std::ios::binary);
        if (!in)
            throw std::runtime_error("cannot open " + definition.string());
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string out =
            formgen::ControlsHeader(ParseDefinition(text, definition.string()), definition.string(), argv[2]);
        std::ofstream file(header, std::ios::binary | std::ios::trunc);
        file << out;
        if (!file.flush())
            throw std::runtime_error("cannot write " + header.string());
    } catch (const std::exception& e) {
        std::cerr << "fauneta_formgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
