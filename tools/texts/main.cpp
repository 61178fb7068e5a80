// The texts tool: compiles the language edition chosen at configure time into
// data/texts/codetexts.txt. Usage: pendrel_texts OUTPUT_FOLDER (the build folder).
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>

#include "edition.h"

namespace {

tools::Bytes readSource(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return tools::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path out = argv[1];
    try {
        const std::set<std::string> keys = texts::readKeyList(readSource(PENDREL_TEXT_KEYS));
        const tools::Bytes file = texts::compileEdition(readSource(PENDREL_TEXT_EDITION), keys);
        tools::writeFile(out / "data/texts/codetexts.txt", file);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pendrel_texts: %s: %s\n", PENDREL_TEXT_EDITION, error.what());
        return 1;
    }
    return 0;
}
