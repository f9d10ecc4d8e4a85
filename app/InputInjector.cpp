#include "app/InputInjector.h"

#include "platform/KInjection.h"

#include <algorithm>

namespace NVolant {

void InputInjector::apply(const FrameInput& in)
{
    if (in.x != m_held.x || in.y != m_held.y)
        KInjection::mouseMove(in.x, in.y);
    if (in.left != m_held.left)
        KInjection::mouseButton(1, in.left, in.x, in.y);
    if (in.right != m_held.right)
        KInjection::mouseButton(2, in.right, in.x, in.y);
    for (const int key : m_held.keys)
        if (!std::binary_search(in.keys.begin(), in.keys.end(), key))
            KInjection::key(key, false);
    for (const int key : in.keys)
        if (!std::binary_search(m_held.keys.begin(), m_held.keys.end(), key))
            KInjection::key(key, true);
    m_held = in;
}

void InputInjector::releaseAll()
{
    FrameInput none = m_held;
    none.left = false;
    none.right = false;
    none.keys.clear();
    apply(none);
}

} // namespace NVolant
