#include "combat/TargetLookup.h"

namespace NVolant {

namespace {

TargetLookup*& currentLookup()
{
    static TargetLookup* lookup = nullptr;
    return lookup;
}

} // namespace

TargetLookup* TargetLookup::current()
{
    return currentLookup();
}

TargetLookup::TargetLookup()
{
    currentLookup() = this;
}

TargetLookup::~TargetLookup()
{
    if (currentLookup() == this)
        currentLookup() = nullptr;
}

} // namespace NVolant
