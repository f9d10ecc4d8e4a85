#include "pack/PackTool.h"

#include "content/PackFile.h"
#include "content/PackWriter.h"
#include "content/ResourceArchive.h"
#include "content/Scramble.h"

#include <fnmatch.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace fs = std::filesystem;

namespace {

// Pack names must stay inside the folder they are unpacked into.
bool isSafeRelativePath(const std::string& name)
{
    if (name.empty() || name[0] == '/')
        return false;
    for (const auto& part : fs::path(name))
        if (part == ".." || part == ".")
            return false;
    return true;
}

} // namespace

int PackTool::usage()
{
    m_err << "usage:\n"
             "  pack create DIR OUT.pk [--password TEXT] [--scramble GLOB]...\n"
             "  pack list PACK\n"
             "  pack extract PACK NAME [--password TEXT]\n"
             "  pack extract-all PACK DIR [--password TEXT]\n";
    return 2;
}

int PackTool::run(const std::vector<std::string>& args)
{
    if (args.empty())
        return usage();
    const std::string& command = args[0];

    std::vector<std::string> positional;
    std::vector<std::string> globs;
    std::string password = NLib::ResourceArchive::kGamePassword;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--password" || args[i] == "--scramble") {
            if (i + 1 >= args.size())
                return usage();
            (args[i] == "--password" ? password : globs.emplace_back()) = args[i + 1];
            ++i;
        } else {
            positional.push_back(args[i]);
        }
    }

    if (command == "create" && positional.size() == 2)
        return create(positional[0], positional[1], password, globs);
    if (command == "list" && positional.size() == 1 && globs.empty())
        return list(positional[0]);
    if (command == "extract" && positional.size() == 2 && globs.empty())
        return extract(positional[0], positional[1], password);
    if (command == "extract-all" && positional.size() == 2 && globs.empty())
        return extractAll(positional[0], positional[1], password);
    return usage();
}

int PackTool::create(const std::string& dir, const std::string& pack, const std::string& password,
                     const std::vector<std::string>& globs)
{
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) {
        m_err << "pack: " << dir << " is not a folder\n";
        return 1;
    }
    std::vector<std::string> names;
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::end(it); it.increment(ec)) {
        if (it->is_regular_file(ec))
            names.push_back(fs::relative(it->path(), dir, ec).generic_string());
    }
    if (ec) {
        m_err << "pack: cannot read " << dir << ": " << ec.message() << "\n";
        return 1;
    }
    std::sort(names.begin(), names.end());

    NLib::PackWriter writer(password);
    for (const std::string& name : names) {
        std::ifstream in(fs::path(dir) / name, std::ios::binary);
        if (!in) {
            m_err << "pack: cannot read " << name << "\n";
            return 1;
        }
        std::vector<std::uint8_t> content((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
        const bool scrambled = std::any_of(globs.begin(), globs.end(), [&](const std::string& g) {
            return fnmatch(g.c_str(), name.c_str(), 0) == 0;
        });
        writer.add(name, std::move(content), scrambled);
    }
    if (!writer.write(pack)) {
        m_err << "pack: cannot write " << pack << "\n";
        return 1;
    }
    return 0;
}

int PackTool::list(const std::string& pack)
{
    std::vector<NLib::PackEntry> entries;
    if (!NLib::PackFile::readIndex(pack, entries)) {
        m_err << "pack: " << pack << " is not a data pack\n";
        return 1;
    }
    for (const NLib::PackEntry& e : entries)
        m_out << e.size << '\t' << e.name << '\n';
    return 0;
}

int PackTool::extract(const std::string& pack, const std::string& name, const std::string& password)
{
    NLib::ResourceArchive archive;
    archive.setPassword(password);
    if (!archive.open(pack)) {
        m_err << "pack: " << pack << " is not a data pack\n";
        return 1;
    }
    if (!archive.contains(name)) {
        m_err << "pack: no entry " << name << "\n";
        return 1;
    }
    const NLib::ByteBuffer data = archive.readFile(name);
    m_out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    return m_out ? 0 : 1;
}

int PackTool::extractAll(const std::string& pack, const std::string& dir, const std::string& password)
{
    std::vector<NLib::PackEntry> entries;
    if (!NLib::PackFile::readIndex(pack, entries)) {
        m_err << "pack: " << pack << " is not a data pack\n";
        return 1;
    }
    // What the game sees: names lower-cased, the last entry of a repeated name wins.
    std::map<std::string, const NLib::PackEntry*> visible;
    for (const NLib::PackEntry& e : entries)
        visible[NLib::ResourceArchive::entryKey(e.name)] = &e;

    std::FILE* file = std::fopen(pack.c_str(), "rb");
    if (!file) {
        m_err << "pack: cannot read " << pack << "\n";
        return 1;
    }
    int status = 0;
    for (const auto& [name, entry] : visible) {
        if (name.find('\\') != std::string::npos) {
            m_err << "pack: skipping " << entry->name << ": the game cannot ask for a name with \\\n";
            continue;
        }
        if (!isSafeRelativePath(name)) {
            m_err << "pack: skipping unsafe name " << entry->name << "\n";
            status = 1;
            continue;
        }
        std::vector<std::uint8_t> data = NLib::PackFile::readContent(file, *entry);
        if (entry->scrambled)
            NLib::scrambleBuffer(data.data(), data.size(), password);
        const fs::path target = fs::path(dir) / name;
        std::error_code ec;
        fs::create_directories(target.parent_path(), ec);
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        if (!out) {
            m_err << "pack: cannot write " << target.string() << "\n";
            status = 1;
            break;
        }
    }
    std::fclose(file);
    return status;
}
