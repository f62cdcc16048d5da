#pragma once

#include "runlogrecord.h"

#include <cstdint>
#include <iterator>
#include <vector>

// The newest rows of the run log: of the valid records (dated on or after 1899-12-30, with a
// pupil number and a level of at least 1), the last `capacity` in file order, each with its
// number in the log. The run lists show at most the newest 20000 runs, so a rebuild keeps only
// those instead of the whole log: memory stays the same however long the log grows. Valid until
// RunStats rebuilds.
class RunRows
{
public:
    class Iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = RunRow;
        using difference_type = std::int64_t;
        using pointer = void;
        using reference = RunRow;

        Iterator() = default;
        RunRow operator*() const { return (*m_rows)[m_index]; }
        Iterator &operator++()
        {
            ++m_index;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++m_index;
            return before;
        }
        bool operator==(const Iterator &other) const { return m_index == other.m_index; }

    private:
        friend class RunRows;
        Iterator(const RunRows *rows, std::int64_t index) : m_rows(rows), m_index(index) {}
        const RunRows *m_rows = nullptr;
        std::int64_t m_index = 0;
    };

    // Rows held: the valid records of the log, up to the capacity.
    std::int64_t size() const { return static_cast<std::int64_t>(m_held.size()); }
    bool empty() const { return m_held.empty(); }
    // Row i of the held rows, oldest first, 0 ≤ i < size().
    RunRow operator[](std::int64_t i) const { return m_held[slot(i)].row; }
    // 1-based number in the log of the record row i came from.
    std::int64_t recordNumber(std::int64_t i) const { return m_held[slot(i)].recordNumber; }

    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

private:
    friend class RunStats;
    struct Held
    {
        RunRow row;
        std::int64_t recordNumber = 0;
    };

    // Empty, for at most `capacity` rows out of a log of `records` records.
    void reset(std::int64_t capacity, std::int64_t records);
    // The next valid record in file order; the oldest held row goes when the table is full.
    void add(const RunRow &row, std::int64_t recordNumber)
    {
        if (static_cast<std::int64_t>(m_held.size()) < m_capacity) {
            m_held.push_back(Held{row, recordNumber});
            return;
        }
        m_held[m_oldest] = Held{row, recordNumber};
        if (++m_oldest == m_held.size())
            m_oldest = 0;
    }
    std::size_t slot(std::int64_t i) const
    {
        const std::size_t s = m_oldest + static_cast<std::size_t>(i);
        return s < m_held.size() ? s : s - m_held.size();
    }

    std::vector<Held> m_held; // a ring once full: m_oldest is the oldest row
    std::size_t m_oldest = 0;
    std::int64_t m_capacity = 0;
};
