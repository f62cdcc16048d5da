#pragma once

#include "runlogrecord.h"

#include <cstdint>
#include <iterator>
#include <vector>

// The row table: the valid records of the run log in file order (dated on or after 1899-12-30,
// with a pupil number and a level of at least 1), read straight from the log as RunStats holds
// it in memory. Only the positions of the records that are not rows are stored, so building the
// table costs nothing for a log of valid records, however long. Valid until RunStats rebuilds.
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

    std::int64_t size() const { return m_recordCount - static_cast<std::int64_t>(m_skipped.size()); }
    bool empty() const { return size() == 0; }
    // Row i, 0 ≤ i < size().
    RunRow operator[](std::int64_t i) const;
    // 1-based number in the log of the record row i came from.
    std::int64_t recordNumber(std::int64_t i) const;

    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

private:
    friend class RunStats;
    void reset(const char *records, std::int64_t recordCount);
    void skip(std::int64_t recordIndex) { m_skipped.push_back(recordIndex); }
    // Keeps only the records before recordCount: a rebuild that stopped there.
    void stopAt(std::int64_t recordCount);

    const char *m_records = nullptr;
    std::int64_t m_recordCount = 0;
    std::vector<std::int64_t> m_skipped; // 0-based indexes of the records that are not rows, ascending
};
