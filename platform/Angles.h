#pragma once

// Headings and turns are kept in degrees; the drawing and the trigonometry take radians.
inline constexpr float kPi = 3.1415927f;

constexpr float degToRad(float degrees)
{
    return degrees * kPi / 180.0f;
}
