#include "LoaderSource.h"

#include <fstream>
#include <regex>

// Each loader reads "bool load_<entry>()" followed by one "fetch(<variable>, "<function>")" line per entry
// point.
std::map<std::string, std::vector<EntryPoint>> loaderEntryPoints()
{
    std::map<std::string, std::vector<EntryPoint>> loaders;
    std::ifstream source(QEL_LOADERS_SOURCE);
    const std::regex loader(R"(^bool load_(\w+)\(\))");
    const std::regex fetch(R"re(fetch\((\w+), "(\w+)"\))re");
    std::vector<EntryPoint>* entryPoints = nullptr;
    std::string line;
    std::smatch match;
    while (std::getline(source, line)) {
        if (std::regex_search(line, match, loader))
            entryPoints = &loaders[match[1]];
        else if (entryPoints != nullptr && std::regex_search(line, match, fetch))
            entryPoints->push_back({match[1], match[2]});
    }
    return loaders;
}
