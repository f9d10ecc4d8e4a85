#include "Generators.h"
#include "art/ArtSheet.h"
#include "common/DataTree.h"
#include "levels/LevelFiles.h"
#include "levels/LevelGenerator.h"
#include "levels/TerrainReview.h"
#include "levels/ThreatBalancer.h"
#include "levels/ThreatProfile.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

int usage(FILE* to = stderr)
{
    std::fprintf(to, "usage: datagen OUTDIR\n"
                         "       datagen --preview LEVEL FILE.png [TREE]\n"
                         "       datagen --sheet FILE.png\n"
                         "       datagen --review MATERIAL FILE.png\n"
                         "       datagen --difficulty TREE\n");
    return to == stdout ? 0 : 2;
}

// Renders one level for review. The levels are built against the art, so without a generated
// TREE the art is drawn into a scratch folder first.
int preview(int argc, char** argv)
{
    const int level = std::atoi(argv[2]);
    if (level < 1 || level > 30)
        return usage();
    try {
        if (argc == 5) {
            datagen::levels::writePreview(level, argv[4], argv[3]);
            return 0;
        }
        const std::filesystem::path scratch =
            std::filesystem::temp_directory_path() / ("datagen-preview-" + std::to_string(level));
        const datagen::DataTree tree(scratch.string());
        datagen::generateArt(tree);
        datagen::levels::writePreview(level, tree.root(), argv[3]);
        std::filesystem::remove_all(scratch);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}

// Draws every sprite with its collision shapes, and the menu pictures, for review.
int sheet(const char* file)
{
    try {
        const int pages = datagen::art::writeArtSheet(file);
        std::printf("%d page%s\n", pages, pages == 1 ? "" : "s");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}

// One landscape's ground for review: its variants, a screen of it and a screen along a river.
int review(const char* material, const char* file)
{
    const auto landscape = datagen::levels::landscapeNamed(material);
    if (!landscape)
        return usage();
    if (!datagen::levels::writePngFile(datagen::levels::terrainReviewPage(*landscape), file)) {
        std::fprintf(stderr, "datagen: cannot write %s\n", file);
        return 1;
    }
    return 0;
}

// The threat of every level in a generated TREE, as planned, and in its worst screen.
int difficulty(const std::string& treeRoot)
{
    using namespace datagen::levels;
    try {
        const UnitCatalog catalog = UnitCatalog::load(treeRoot);
        std::printf("level  minutes  threat  planned  worst screen  cap  at y\n");
        for (int n = 1; n <= 30; ++n) {
            LevelData level;
            std::string why;
            if (!readLevel(treeRoot, n, level, why))
                throw std::runtime_error(why);
            const ThreatProfile p(level, catalog);
            const LevelPlan plan = planFor(n);
            std::printf("%5d  %7.1f  %6.0f  %7.0f  %12.0f  %3.0f  %5.0f\n", n, level.height() / 6000.0f, p.total(), plan.threat,
                        p.peak(), ThreatBalancer::screenCap(plan), p.peakY());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--review")
        return review(argv[2], argv[3]);
    if (argc == 3 && std::string(argv[1]) == "--difficulty")
        return difficulty(argv[2]);
    if (argc == 3 && std::string(argv[1]) == "--sheet")
        return sheet(argv[2]);
    if (argc >= 4 && argc <= 5 && std::string(argv[1]) == "--preview")
        return preview(argc, argv);
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h"))
        return usage(stdout);
    // An option it does not know is never taken for the folder to write into.
    if (argc != 2 || argv[1][0] == '-')
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
