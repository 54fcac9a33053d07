// How the decoders fill the data-point table from one answer. Every row names the bytes it
// needs; when they do not all lie inside the answer the row's key gets the cleared value, so no
// view ever shows a value the control unit did not send. Offsets are 0-based into the data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>

#include "busenvironment.h"
#include "fieldcodec.h"
#include "records.h"
#include "textconv.h"

class BusRows {
public:
    struct Cell {
        ByteString text;
        long double number = 0;
    };

    BusRows(BusEnvironment& env, const ByteString& data) : m_env(env), m_data(data) {}

    const ByteString& data() const { return m_data; }
    size_t size() const { return m_data.size(); }
    bool inside(size_t offset, size_t count) const {
        return offset <= m_data.size() && count <= m_data.size() - offset;
    }

    // Readers; a byte outside the data reads as 0 (callers check inside() first).
    uint8_t u8(size_t i) const { return i < m_data.size() ? static_cast<uint8_t>(m_data[i]) : 0; }
    uint32_t be16(size_t i) const { return (uint32_t{u8(i)} << 8) | u8(i + 1); }
    uint32_t le16(size_t i) const { return (uint32_t{u8(i + 1)} << 8) | u8(i); }
    uint32_t le32(size_t i) const { return (le16(i + 2) << 16) | le16(i); }
    uint32_t be32(size_t i) const { return (be16(i) << 16) | be16(i + 2); }
    ByteString bytes(size_t offset, size_t count) const {
        if (offset >= m_data.size()) return ByteString();
        return m_data.substr(offset, count);
    }

    long double temp(long double celsius) const {
        return TOOL_TempToDisplay(celsius, m_env.temperatureUnit ? *m_env.temperatureUnit : 0);
    }

    void set(const ByteString& key, const ByteString& text, long double number) {
        if (m_env.dataPoints) m_env.dataPoints->DP_SetValue(key, 0, text, number);
    }
    void store(const ByteString& key, const TResult& value) {
        if (m_env.dataPoints) m_env.dataPoints->DP_StoreValue(key, value);
    }
    void clear(const ByteString& key) { store(key, TResult::cleared()); }

    // One row: when bytes offset .. offset + count - 1 are all there, make() gives the text and
    // number to store; otherwise the key is cleared.
    template <typename Make>
    void row(const ByteString& key, size_t offset, size_t count, Make make) {
        if (!inside(offset, count)) {
            clear(key);
            return;
        }
        const Cell c = make();
        set(key, c.text, c.number);
    }

    // A bit (0..7) or bit-field type decoded from one byte into its value record; a missing byte
    // gives the cleared record.
    void bitField(const ByteString& key, size_t offset, TFieldTypeCode code) {
        TResult r;
        TOOL_DecodeField(static_cast<int>(offset) + 1, code, m_data, r);
        store(key, r);
    }

    void setOperatingState(int32_t state) {
        if (m_env.setOperatingState) m_env.setOperatingState(state);
    }

private:
    BusEnvironment& m_env;
    const ByteString& m_data;
};
