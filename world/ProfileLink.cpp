#include "world/ProfileLink.h"

namespace NVolant {

namespace {

std::unique_ptr<ProfileLink>& installed()
{
    static std::unique_ptr<ProfileLink> link;
    return link;
}

} // namespace

ProfileLink* ProfileLink::current()
{
    return installed().get();
}

void ProfileLink::install(std::unique_ptr<ProfileLink> link)
{
    installed() = std::move(link);
}

std::unique_ptr<ProfileLink> ProfileLink::exchange(std::unique_ptr<ProfileLink> link)
{
    std::unique_ptr<ProfileLink> old = std::move(installed());
    installed() = std::move(link);
    return old;
}

} // namespace NVolant
