#pragma once

#include <cmath>

// Positions, directions, camera offsets and sizes. Points carry w = 1. Arithmetic works on x, y
// and z only and keeps w from the left operand.
struct Vector4 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 1.0f;

    constexpr Vector4() = default;
    constexpr Vector4(float ax, float ay, float az = 0.0f, float aw = 1.0f) : x(ax), y(ay), z(az), w(aw) {}

    void set(float ax, float ay, float az = 0.0f, float aw = 1.0f)
    {
        x = ax;
        y = ay;
        z = az;
        w = aw;
    }

    Vector4 operator+(const Vector4& o) const { return {x + o.x, y + o.y, z + o.z, w}; }
    Vector4 operator-(const Vector4& o) const { return {x - o.x, y - o.y, z - o.z, w}; }
    Vector4 operator*(float s) const { return {x * s, y * s, z * s, w}; }
    Vector4 operator/(float s) const { return {x / s, y / s, z / s, w}; }
    Vector4& operator+=(const Vector4& o) { return *this = *this + o; }
    Vector4& operator-=(const Vector4& o) { return *this = *this - o; }
    Vector4& operator*=(float s) { return *this = *this * s; }
    Vector4& operator/=(float s) { return *this = *this / s; }
    bool operator==(const Vector4&) const = default;

    float squaredLength() const { return x * x + y * y + z * z; }
    float length() const { return std::sqrt(squaredLength()); }
};
