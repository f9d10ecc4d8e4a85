#include "screens/ScreenHost.h"

namespace NVolant {

namespace {
ScreenHost* g_host = nullptr;
}

ScreenHost::ScreenHost()
{
    g_host = this;
}

ScreenHost::~ScreenHost()
{
    if (g_host == this)
        g_host = nullptr;
}

ScreenHost* ScreenHost::instance()
{
    return g_host;
}

} // namespace NVolant
