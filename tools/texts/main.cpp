// The texts tool: compiles the language edition chosen at configure time into
// data/texts/codetexts.txt. Usage: pendrel_texts OUTPUT_FOLDER (the build folder).
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

#include "common/tool_main.h"
#include "edition.h"

namespace {

tools::Bytes readSource(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return tools::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
    return runDataTool(argc, argv, [](const std::filesystem::path& out) {
        const std::set<std::string> keys = texts::readKeyList(readSource(PENDREL_TEXT_KEYS));
        const tools::Bytes file = texts::compileEdition(readSource(PENDREL_TEXT_EDITION), keys);
        tools::writeFile(out / "data/texts/codetexts.txt", file);
    });
}
