#include "Generators.h"

namespace datagen {

void generateArt(const DataTree&)
{
}

}  // namespace datagen
