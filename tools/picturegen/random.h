#pragma once

#include <QtGlobal>

// xorshift32: the same seed always gives the same numbers, on every machine.
class Random {
public:
    explicit Random(quint32 seed) : m_state(seed ? seed : 1) {}
    quint32 next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    int between(int low, int high) { return low + int(next() % quint32(high - low + 1)); }

private:
    quint32 m_state;
};
