#include "Generators.h"

namespace datagen {

void generateAudio(const DataTree&)
{
}

}  // namespace datagen
