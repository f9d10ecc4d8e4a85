#pragma once

namespace datagen::audio {

// A phase-accumulating oscillator. Saw, square and pulse are band-limited with polyBLEP so high
// notes do not alias into whistles. The phase is kept in double precision: loops rely on an
// oscillator that completes a whole number of cycles landing back exactly where it started.
class Oscillator final {
public:
    enum class Shape { Sine, Triangle, Saw, Square, Pulse };

    explicit Oscillator(Shape shape, double phase = 0.0) : m_shape(shape), m_phase(phase) {}

    void setShape(Shape shape) { m_shape = shape; }
    void setPulseWidth(double width) { m_width = width; }
    void setPhase(double phase) { m_phase = phase; }
    double phase() const { return m_phase; }

    // One sample at the given frequency, then the phase advances.
    float next(double frequency);

private:
    Shape m_shape;
    double m_phase;
    double m_width = 0.5;
};

// Naive waveforms of a phase in cycles, for low-frequency modulation where aliasing cannot occur.
float sineOf(double phase);
float triangleOf(double phase);

} // namespace datagen::audio
