// The pack reader on arbitrary bytes: the table of contents of any file, then every entry read
// back through the archive. Nothing may read outside the file or allocate absurd amounts.
#include "FuzzFile.h"

#include "content/ResourceArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    NLib::ResourceArchive archive;
    archive.setPassword("k7");
    archive.setLooseFolder("/nonexistent-skyvane-folder");
    if (archive.open(writeFuzzFile("input.pk", data, size))) {
        for (const char* name : {"a", "b/c.xml", "A", ""})
            archive.readFile(name);
    }
    return 0;
}
