#pragma once

#include <cstdint>

// A small generator of our own: the standard distributions differ between
// library versions, and our pictures and sounds must come out the same on
// every machine.
class CXorShift {
public:
    explicit CXorShift(uint32_t seed) : mState(seed ? seed : 0x9E3779B9u) {}

    uint32_t Next()
    {
        mState ^= mState << 13;
        mState ^= mState >> 17;
        mState ^= mState << 5;
        return mState;
    }
    // Uniform in [0, 1).
    double Unit() { return (Next() >> 8) * (1.0 / 16777216.0); }
    // A 16-bit sample value, -32768 to 32767.
    int32_t Sample() { return int32_t(Next() >> 16) - 32768; }

private:
    uint32_t mState;
};
