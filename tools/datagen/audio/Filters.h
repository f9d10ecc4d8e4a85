#pragma once

namespace datagen::audio {

// Second-order section with the usual audio cookbook designs. Coefficients are set once or
// recomputed between blocks; for a cutoff that moves every sample use StateVariableFilter.
class Biquad final {
public:
    void lowpass(double frequency, double q);
    void highpass(double frequency, double q);
    void bandpass(double frequency, double q); // unity gain at the centre
    void peak(double frequency, double q, double gainDb);
    void lowShelf(double frequency, double gainDb);
    void highShelf(double frequency, double gainDb);
    // Raw coefficients, a0 already divided out.
    void set(double b0, double b1, double b2, double a1, double a2);

    float process(float x)
    {
        const double y = m_b0 * x + m_z1;
        m_z1 = m_b1 * x - m_a1 * y + m_z2;
        m_z2 = m_b2 * x - m_a2 * y;
        return static_cast<float>(y);
    }
    void reset() { m_z1 = m_z2 = 0.0; }

private:
    double m_b0 = 1.0, m_b1 = 0.0, m_b2 = 0.0, m_a1 = 0.0, m_a2 = 0.0;
    double m_z1 = 0.0, m_z2 = 0.0;
};

// First-order smoothing low-pass, and the high-pass that is its complement.
class OnePole final {
public:
    void setCutoff(double frequency);
    float lowpass(float x)
    {
        m_state += m_coefficient * (x - m_state);
        return m_state;
    }
    float highpass(float x) { return x - lowpass(x); }

private:
    float m_coefficient = 1.0f;
    float m_state = 0.0f;
};

// Topology-preserving state-variable filter: stable under fast cutoff sweeps, which the engine,
// wind and synthesiser sounds use all the time.
class StateVariableFilter final {
public:
    struct Outputs {
        float low;
        float band;
        float high;
    };

    void set(double frequency, double q);
    Outputs process(float x);
    float lowpass(float x) { return process(x).low; }
    // Normalised to unity gain at the centre frequency.
    float bandpass(float x) { return static_cast<float>(process(x).band * m_k); }
    float highpass(float x) { return process(x).high; }

private:
    double m_g = 0.1, m_k = 1.4, m_a1 = 0.0, m_a2 = 0.0, m_a3 = 0.0;
    double m_ic1 = 0.0, m_ic2 = 0.0;
};

} // namespace datagen::audio
