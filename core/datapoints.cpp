#include "datapoints.h"

#include "textconv.h"

DataPointTable::DataPointTable() {
    DP_Clear();
}

void DataPointTable::DP_Clear() {
    m_count = 0;
    m_points.assign(1, TWerteDaten{});
    m_index.clear();
    ++m_changes;
}

int32_t DataPointTable::DP_Register(const ByteString& key, const ByteString& caption,
                                    const ByteString& unit) {
    TWerteDaten e;
    e.Key = TOOL_UpperAscii(key);
    e.Caption = caption;
    e.Unit = unit;
    m_points.push_back(e);
    ++m_count;
    m_index.emplace(e.Key, m_count);  // keeps an earlier entry: the first one wins
    ++m_changes;
    return m_count;
}

int32_t DataPointTable::indexOf(const ByteString& key) const {
    auto it = m_index.find(TOOL_UpperAscii(key));
    return it == m_index.end() ? 0 : it->second;
}

TWerteDaten DataPointTable::DP_Find(const ByteString& key) const {
    const int32_t i = indexOf(key);
    return i > 0 ? m_points[static_cast<size_t>(i)] : TWerteDaten{};
}

void DataPointTable::DP_SetValue(const ByteString& key, uint8_t bit, const ByteString& text,
                                 long double number) {
    TResult r;
    r.Bit = bit;
    r.Value = number;
    r.Text = text;
    r.Invalid = 0;
    DP_StoreValue(key, r);
}

void DataPointTable::DP_StoreValue(const ByteString& key, const TResult& value) {
    const int32_t i = indexOf(key);
    if (i <= 0) return;
    TResult& slot = m_points[static_cast<size_t>(i)].Value;
    if (slot != value) {
        slot = value;
        ++m_changes;
    }
}

void DataPointTable::DP_GetValue(const ByteString& key, TResult& value) const {
    value = DP_Find(key).Value;
}

TResult DataPointTable::DP_GetValue(const ByteString& key) const {
    return DP_Find(key).Value;
}

void DataPointTable::DP_GetCaption(const ByteString& key, ByteString& text) const {
    const int32_t i = indexOf(key);
    if (i <= 0) {
        text.clear();
        return;
    }
    const TWerteDaten& e = m_points[static_cast<size_t>(i)];
    text = e.Unit.empty() ? e.Caption : e.Caption + " [" + e.Unit + "]";
}

ByteString DataPointTable::DP_GetCaption(const ByteString& key) const {
    ByteString t;
    DP_GetCaption(key, t);
    return t;
}
