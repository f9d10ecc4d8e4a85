#pragma once

namespace datagen {

class DataTree;

// The three halves of the content generator. Each writes its files into the tree and throws
// std::runtime_error on failure. Output is deterministic: the same bytes on every run.
void generateArt(const DataTree& tree);    // pictures, sprites, fonts, parameter and particle files
void generateLevels(const DataTree& tree); // the 30 level folders and their terrain pictures
void generateAudio(const DataTree& tree);  // sound effects and music

} // namespace datagen
