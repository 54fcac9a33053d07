// The table of named values that the protocol side fills and the views read.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "records.h"

class DataPointTable {
public:
    DataPointTable();

    void DP_Clear();
    // Appends an entry (key upper-cased, value cleared); returns the new count.
    int32_t DP_Register(const ByteString& key, const ByteString& caption, const ByteString& unit);
    // Copy of the first entry with that key, or an empty entry.
    TWerteDaten DP_Find(const ByteString& key) const;
    void DP_SetValue(const ByteString& key, uint8_t bit, const ByteString& text,
                     long double number);
    void DP_StoreValue(const ByteString& key, const TResult& value);
    void DP_GetValue(const ByteString& key, TResult& value) const;
    TResult DP_GetValue(const ByteString& key) const;
    void DP_GetCaption(const ByteString& key, ByteString& text) const;
    ByteString DP_GetCaption(const ByteString& key) const;

    bool isRegistered(const ByteString& key) const { return indexOf(key) > 0; }
    int32_t DataPointCount() const { return m_count; }
    // Entries 1..count in registration order (entry 0 is never used).
    const std::vector<TWerteDaten>& DataPoints() const { return m_points; }
    // Grows on every store of a registered key; views compare it to repaint only on change.
    uint64_t changeCounter() const { return m_changes; }

private:
    int32_t indexOf(const ByteString& key) const;

    int32_t m_count = 0;
    std::vector<TWerteDaten> m_points;
    // Upper-cased key -> first entry with it; keeps each lookup constant-time.
    std::unordered_map<ByteString, int32_t> m_index;
    uint64_t m_changes = 0;
};
