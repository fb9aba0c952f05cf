#pragma once

#include <QString>

#include <random>

// The demo data's one source of chance: a seeded generator, so a seed gives the same data.
class DemoRandom
{
public:
    explicit DemoRandom(quint32 seed) : m_engine(seed) {}

    // From lo to hi, both included.
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_engine); }
    double real(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(m_engine); }
    bool chance(double probability) { return real(0, 1) < probability; }
    QString digits(int count)
    {
        QString s;
        for (int i = 0; i < count; ++i)
            s += QChar(u'0' + between(0, 9));
        return s;
    }
    template<class Container>
    const auto &pick(const Container &items)
    {
        return items[size_t(between(0, int(std::size(items)) - 1))];
    }

private:
    std::mt19937 m_engine;
};
