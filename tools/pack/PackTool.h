#pragma once

#include <ostream>
#include <string>
#include <vector>

// The "pack" command: builds, lists and unpacks the game's data packs. Kept apart from main()
// so that the tests drive it directly.
class PackTool final {
public:
    PackTool(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    // args excludes the program name. Returns the process exit status.
    int run(const std::vector<std::string>& args);

private:
    int create(const std::string& dir, const std::string& pack, const std::string& password,
               const std::vector<std::string>& globs);
    int list(const std::string& pack);
    int extract(const std::string& pack, const std::string& name, const std::string& password);
    int extractAll(const std::string& pack, const std::string& dir, const std::string& password);
    int usage();

    std::ostream& m_out;
    std::ostream& m_err;
};
