#include "Generators.h"
#include "common/DataTree.h"

#include <cstdio>
#include <exception>
#include <string>
#include <thread>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: datagen OUTDIR\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return usage();
    try {
        const datagen::DataTree tree(argv[1]);
        // Audio is independent of the pictures and levels and takes as long, so it gets its own
        // core.
        std::exception_ptr audioError;
        std::thread audio([&] {
            try {
                datagen::generateAudio(tree);
            } catch (...) {
                audioError = std::current_exception();
            }
        });
        std::exception_ptr artError;
        try {
            datagen::generateArt(tree);
            datagen::generateLevels(tree);
        } catch (...) {
            artError = std::current_exception();
        }
        audio.join();
        if (artError)
            std::rethrow_exception(artError);
        if (audioError)
            std::rethrow_exception(audioError);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
