#pragma once

class MemTable;

// What the add-to-basket hand-overs need of the basket tab: its table, to find a stock that is
// already in the basket, and its loader, to bring the table up to date.
class SepetErisimi
{
public:
    virtual ~SepetErisimi() = default;
    virtual const MemTable &sepetTablosu() const = 0;
    // Reloads the basket from the server (with the connection message on failure).
    virtual void SepetAl() = 0;
};
