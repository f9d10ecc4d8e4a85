// The pack reader on arbitrary bytes: the table of contents of any file, then every entry read
// back through the archive. Nothing may read outside the file or allocate absurd amounts.
#include "content/ResourceArchive.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = "/tmp/skyvane-pack-fuzz-" + std::to_string(getpid()) + ".pk";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    NLib::ResourceArchive archive;
    archive.setPassword("k7");
    archive.setLooseFolder("/nonexistent-skyvane-folder");
    if (archive.open(path)) {
        for (const char* name : {"a", "b/c.xml", "A", ""})
            archive.readFile(name);
    }
    return 0;
}
